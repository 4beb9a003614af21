#include "Settings/KeyBindingOptions.h"

#include <charconv>
#include <string>
#include <system_error>

namespace {

constexpr std::string_view repeatMark = " #";

std::string decimal(int value) { return std::to_string(value); }

// The whole of `text` as one decimal integer.
bool parseWhole(std::string_view text, int& outValue)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), outValue);
    return error == std::errc() && end == text.data() + text.size();
}

// "90 1": key code, one space, modifier code.
bool parseKeyValue(std::string_view text, int& outKey, int& outModifiers)
{
    std::size_t space = text.find(' ');
    return space != std::string_view::npos && parseWhole(text.substr(0, space), outKey)
        && parseWhole(text.substr(space + 1), outModifiers);
}

// The name without a trailing " #n" that marks a repeated command.
std::string_view baseName(std::string_view name)
{
    std::size_t mark = name.rfind(repeatMark);
    if (mark == std::string_view::npos || mark == 0)
        return name;
    std::string_view digits = name.substr(mark + repeatMark.size());
    int ignored = 0;
    return parseWhole(digits, ignored) && ignored > 0 ? name.substr(0, mark) : name;
}

// The command a name stands for; -1 when none.
int resolveCommand(std::string_view name, const CommandIdLookup& commandId)
{
    int id = commandId ? commandId(name) : -1;
    if (id < 0 && !parseWhole(name, id))
        return -1;
    return id < 0 ? -1 : id;
}

} // namespace

void storeKeyBindings(std::span<const KeyBindingTriple> bindings, OptionGroup& outGroup,
                      const CommandNameLookup& commandName)
{
    outGroup.clearOptions();
    for (const KeyBindingTriple& binding : bindings) {
        std::string base(commandName ? commandName(binding.command) : std::string_view());
        if (base.empty())
            base = decimal(binding.command);
        std::string name = base;
        for (int repeat = 2; outGroup.findOption(name); ++repeat)
            name = base + std::string(repeatMark) + decimal(repeat);
        OptionItem& item = outGroup.addOption(OptionItem(std::move(name), OptionType::String));
        item.setString(decimal(binding.key) + " " + decimal(binding.modifiers));
    }
}

std::vector<KeyBindingTriple> keyBindingsFromGroup(const OptionGroup& group, const CommandIdLookup& commandId)
{
    std::vector<KeyBindingTriple> bindings;
    for (int i = 0; i < group.optionCount(); ++i) {
        const OptionItem& item = group.option(i);
        const std::string* value = item.stringValue();
        KeyBindingTriple binding = {};
        if (!value || !parseKeyValue(*value, binding.key, binding.modifiers))
            continue;
        binding.command = resolveCommand(baseName(item.name()), commandId);
        if (binding.command >= 0)
            bindings.push_back(binding);
    }
    return bindings;
}
