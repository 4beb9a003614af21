#pragma once
// Every adjustable setting of the program: an ordered list of option groups,
// addressed by group identifier and option name. The order of the groups is
// the order of the preferences file.
#include "Settings/OptionGroup.h"

#include <memory>
#include <string>
#include <string_view>
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

    // Typed reads by group identifier and option name. Each yields null when
    // the group or the option is missing or the option is of another type
    // (bound types count as their base type), and the caller keeps its own
    // value. Colours and points are three floats.
    const int* intValue(int groupId, std::string_view name) const;
    const bool* boolValue(int groupId, std::string_view name) const;
    const float* floatValue(int groupId, std::string_view name) const;
    const int* choiceValue(int groupId, std::string_view name) const;
    const float* colourValue(int groupId, std::string_view name) const;
    const float* pointValue(int groupId, std::string_view name) const;
    // String and file-path options; empty when missing or of another type.
    std::string stringValue(int groupId, std::string_view name) const;

    // Typed writes, through the binding for bound options; false, changing
    // nothing, where the matching read would yield null.
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
