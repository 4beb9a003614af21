#pragma once
// Every adjustable setting of the program: an ordered list of option groups,
// addressed by group identifier and option name. The order of the groups is
// the order of the preferences file.
#include "Settings/OptionGroup.h"
#include "Settings/OptionKey.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class SettingsRegistry {
public:
    // Appends a group; its reference stays valid until `clear`.
    OptionGroup& addGroup(std::string name, int id, int optionsCommand = -1);
    void clear() { groups_.clear(); }

    int groupCount() const { return static_cast<int>(groups_.size()); }
    // `index` in [0, groupCount()).
    OptionGroup& group(int index) { return *groups_[index]; }
    const OptionGroup& group(int index) const { return *groups_[index]; }

    // The group with identifier `id`; null when absent.
    OptionGroup* findGroup(int id);
    const OptionGroup* findGroup(int id) const;
    // Option `name` of group `groupId`; null when either is absent.
    OptionItem* findOption(int groupId, std::string_view name);
    const OptionItem* findOption(int groupId, std::string_view name) const;

    // The value of a declared option (OptionKeys.h), read through its
    // binding; the value type's zero when the option is missing or of another
    // type, which the start-up check rules out for every declared key.
    template <typename Value, OptionType Type>
    Value get(const OptionKey<Value, Type>& key) const;
    // Writes through the binding; false, changing nothing, where `get` would
    // find no option.
    template <typename Value, OptionType Type>
    bool set(const OptionKey<Value, Type>& key, const Value& value);
    // Whether the option exists with that base type (a file path counts as a
    // string).
    bool has(const AnyOptionKey& key) const { return findTyped(key.group, key.name, key.type) != nullptr; }

    // Writes by a name known only at run time (scripts, toggle tables): false,
    // changing nothing, when the group or option is missing or of another
    // base type.
    bool setInt(int groupId, std::string_view name, int value);
    bool setBool(int groupId, std::string_view name, bool value);
    bool setFloat(int groupId, std::string_view name, float value);
    bool setChoice(int groupId, std::string_view name, int index);
    bool setColour(int groupId, std::string_view name, float red, float green, float blue);
    bool setPoint(int groupId, std::string_view name, float x, float y, float z);
    bool setString(int groupId, std::string_view name, std::string value);

private:
    // The option when its base type is `type`; null otherwise.
    const OptionItem* findTyped(int groupId, std::string_view name, OptionType type) const;
    OptionItem* findTyped(int groupId, std::string_view name, OptionType type);

    std::vector<std::unique_ptr<OptionGroup>> groups_;
};

// The declared keys that `registry` lacks, as "group id: name" lines; empty
// when every key matches an option of its type.
std::vector<std::string> missingOptionKeys(const SettingsRegistry& registry, std::span<const AnyOptionKey> keys);

template <typename Value, OptionType Type>
Value SettingsRegistry::get(const OptionKey<Value, Type>& key) const
{
    const OptionItem* item = findTyped(key.group, key.name, Type);
    if (!item)
        return Value{};
    if constexpr (std::is_same_v<Value, int>)
        return *item->intValue();
    else if constexpr (std::is_same_v<Value, bool>)
        return *item->boolValue();
    else if constexpr (std::is_same_v<Value, float>)
        return *item->floatValue();
    else if constexpr (std::is_same_v<Value, std::string>)
        return *item->stringValue();
    else {
        const float* t = item->tripleValue();
        return Value{t[0], t[1], t[2]};
    }
}

template <typename Value, OptionType Type>
bool SettingsRegistry::set(const OptionKey<Value, Type>& key, const Value& value)
{
    OptionItem* item = findTyped(key.group, key.name, Type);
    if (!item)
        return false;
    if constexpr (std::is_same_v<Value, int>)
        return item->setInt(value);
    else if constexpr (std::is_same_v<Value, bool>)
        return item->setBool(value);
    else if constexpr (std::is_same_v<Value, float>)
        return item->setFloat(value);
    else if constexpr (std::is_same_v<Value, std::string>)
        return item->setString(value);
    else
        return item->setTriple(value[0], value[1], value[2]);
}
