#include "Settings/PreferencesFile.h"

#include "Settings/FileReplace.h"
#include "Settings/PreferencesElement.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace {

// Numbers go through to_chars and from_chars rather than printf and scanf so
// that the file reads the same under every locale the toolkit may set; the
// fixed six-decimal form is the one "%f" gives.
void appendFloat(std::string& out, float value)
{
    char text[64];
    auto [end, error] = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                      std::chars_format::fixed, 6);
    out.append(text, error == std::errc() ? end : text);
}

void appendInt(std::string& out, int value)
{
    char text[16];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Parses the numbers of `text`, separated by white space, into outValues;
// true when it holds exactly `count` of them and nothing else.
template <typename Number>
bool parseNumbers(std::string_view text, Number* outValues, int count)
{
    text = trimmed(text);
    for (int i = 0; i < count; ++i) {
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), outValues[i]);
        if (error != std::errc())
            return false;
        text.remove_prefix(end - text.data());
        if (i + 1 < count && (text.empty() || !isSpace(text.front())))
            return false;
        text = trimmed(text);
    }
    return text.empty();
}

void writeInt(const OptionItem& item, std::string& out) { appendInt(out, *item.intValue()); }
void writeBool(const OptionItem& item, std::string& out) { appendInt(out, *item.boolValue() ? 1 : 0); }
void writeFloat(const OptionItem& item, std::string& out) { appendFloat(out, *item.floatValue()); }
void writeString(const OptionItem& item, std::string& out) { out += *item.stringValue(); }

void writeTriple(const OptionItem& item, std::string& out)
{
    const float* v = item.tripleValue();
    appendFloat(out, v[0]);
    out += ' ';
    appendFloat(out, v[1]);
    out += ' ';
    appendFloat(out, v[2]);
}

bool readInt(std::string_view text, OptionItem& item)
{
    int value = 0;
    return parseNumbers(text, &value, 1) && item.setInt(value);
}

// An index past the option's labels would select nothing: it keeps the value
// the option has. An option without labels (appended by a load) takes any
// index that is not negative.
bool readChoice(std::string_view text, OptionItem& item)
{
    int value = 0;
    const int labels = static_cast<int>(item.choices().size());
    return parseNumbers(text, &value, 1) && value >= 0 && (labels == 0 || value < labels) && item.setInt(value);
}

bool readBool(std::string_view text, OptionItem& item)
{
    int value = 0;
    return parseNumbers(text, &value, 1) && item.setBool(value != 0);
}

bool readFloat(std::string_view text, OptionItem& item)
{
    float value = 0.0f;
    return parseNumbers(text, &value, 1) && item.setFloat(value);
}

bool readString(std::string_view text, OptionItem& item) { return item.setString(std::string(text)); }

bool readTriple(std::string_view text, OptionItem& item)
{
    float v[3] = {};
    return parseNumbers(text, v, 3) && item.setTriple(v[0], v[1], v[2]);
}

// How each saveable base type is written and read back; command options have
// no row and are never written.
struct ValueCodec {
    OptionType type;
    void (*write)(const OptionItem& item, std::string& out);
    bool (*read)(std::string_view text, OptionItem& item); // false: not a value of the type
};

constexpr ValueCodec codecs[] = {
    {OptionType::Int, writeInt, readInt},          {OptionType::Bool, writeBool, readBool},
    {OptionType::Float, writeFloat, readFloat},    {OptionType::Choice, writeInt, readChoice},
    {OptionType::String, writeString, readString}, {OptionType::Colour, writeTriple, readTriple},
    {OptionType::FilePath, writeString, readString}, {OptionType::Point, writeTriple, readTriple},
};

const ValueCodec* codecFor(int typeCode)
{
    for (const ValueCodec& codec : codecs)
        if (codec.type == baseTypeOf(typeCode))
            return &codec;
    return nullptr;
}

void appendGroup(std::string& out, const OptionGroup& group, const GroupNameLookup& groupName)
{
    std::string_view name = groupName ? groupName(group.id()) : std::string_view();
    if (name.empty())
        name = group.name();
    out += "<prefgrp name=\"";
    out += name;
    out += "\" id=\"";
    appendInt(out, group.id());
    out += "\">\n";
    for (int i = 0; i < group.optionCount(); ++i) {
        const OptionItem& item = group.option(i);
        const ValueCodec* codec = codecFor(item.type());
        const char* word = optionTypeName(item.type());
        if (!codec || !word)
            continue;
        out += "\t<item type=\"";
        out += word;
        out += "\" name=\"";
        out += item.name();
        out += "\" val=\"";
        codec->write(item, out);
        out += "\"></item>\n";
    }
    out += "</prefgrp>\n";
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

bool readWholeFile(const std::filesystem::path& path, std::string& outText)
{
    FilePtr file(std::fopen(path.c_str(), "r"));
    if (!file)
        return false;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        outText.append(buffer, got);
    return !std::ferror(file.get());
}

OptionGroup* findGroup(std::span<OptionGroup* const> groups, int id)
{
    for (OptionGroup* group : groups)
        if (group && group->id() == id)
            return group;
    return nullptr;
}

// A "prefgrp" element: the group its id names, or the scratch group.
OptionGroup& groupOfElement(const PreferencesElement& element, std::span<OptionGroup* const> groups,
                            OptionGroup& scratch)
{
    const std::string* idText = element.attribute("id");
    int id = 0;
    OptionGroup* group = idText && parseNumbers(*idText, &id, 1) ? findGroup(groups, id) : nullptr;
    if (!group)
        return scratch;
    if (group->id() == KeyboardSettingsGroupId)
        group->clearOptions();
    return *group;
}

// An "item" element: sets the option of its name, or appends one.
void applyItem(const PreferencesElement& element, OptionGroup& group)
{
    const std::string* typeWord = element.attribute("type");
    const std::string* name = element.attribute("name");
    const std::string* value = element.attribute("val");
    if (!typeWord || !name || !value)
        return;
    int type = optionTypeFromName(*typeWord);
    const ValueCodec* codec = type < 0 ? nullptr : codecFor(type);
    if (!codec)
        return;
    if (OptionItem* existing = group.findOption(*name)) {
        // File paths are written as "string": compare the words, not codes.
        const char* existingWord = optionTypeName(existing->type());
        if (existingWord && *typeWord == existingWord)
            codec->read(*value, *existing);
        return;
    }
    OptionItem added(*name, static_cast<OptionType>(type));
    if (codec->read(*value, added))
        group.addOption(std::move(added));
}

} // namespace

bool savePreferences(std::span<const OptionGroup* const> groups, const std::filesystem::path& path,
                     const GroupNameLookup& groupName)
{
    std::string text = "<preffile>\n";
    for (const OptionGroup* group : groups)
        if (group && group->optionCount() > 0)
            appendGroup(text, *group, groupName);
    text += "</preffile>\n";
    return replaceFileContents(path, text);
}

bool savePreferences(const SettingsRegistry& registry, const std::filesystem::path& path,
                     const GroupNameLookup& groupName)
{
    std::vector<const OptionGroup*> groups;
    for (int i = 0; i < registry.groupCount(); ++i)
        groups.push_back(&registry.group(i));
    return savePreferences(groups, path, groupName);
}

bool savePreferences(const OptionGroup& group, const std::filesystem::path& path, const GroupNameLookup& groupName)
{
    const OptionGroup* one[] = {&group};
    return savePreferences(one, path, groupName);
}

void loadPreferences(const std::filesystem::path& path, std::span<OptionGroup* const> groups)
{
    std::string text;
    if (!readWholeFile(path, text))
        return;
    OptionGroup scratch("Dummy", -1);
    OptionGroup* current = &scratch;
    PreferencesElementReader reader(text);
    PreferencesElement element;
    while (reader.next(element)) {
        if (element.name == "prefgrp")
            current = &groupOfElement(element, groups, scratch);
        else if (element.name == "item")
            applyItem(element, *current);
    }
}

void loadPreferences(const std::filesystem::path& path, SettingsRegistry& registry)
{
    std::vector<OptionGroup*> groups;
    for (int i = 0; i < registry.groupCount(); ++i)
        groups.push_back(&registry.group(i));
    loadPreferences(path, groups);
}

void loadPreferences(const std::filesystem::path& path, OptionGroup& group)
{
    OptionGroup* one[] = {&group};
    loadPreferences(path, one);
}
