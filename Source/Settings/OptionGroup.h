#pragma once
// A titled, ordered list of options belonging to one command. The option
// order is the order of the options window and of the preferences file.
#include "Settings/OptionItem.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class OptionGroup {
public:
    // `id`: the owning command's identifier (100000 upward for groups with no
    // command of their own). `optionsCommand`: the command that opens the
    // group's options window, -1 when there is none.
    OptionGroup(std::string name, int id, int optionsCommand = -1);

    const std::string& name() const { return name_; }
    int id() const { return id_; }
    int optionsCommand() const { return optionsCommand_; }

    int optionCount() const { return static_cast<int>(options_.size()); }
    // `index` in [0, optionCount()).
    OptionItem& option(int index) { return *options_[index]; }
    const OptionItem& option(int index) const { return *options_[index]; }

    // Exact, case-sensitive match on the name (the first option of that name);
    // null when absent. Constant time, so that a file of many options loads
    // in linear time.
    OptionItem* findOption(std::string_view name);
    const OptionItem* findOption(std::string_view name) const;

    // Appends `item` and returns the group's copy. Options never move, so the
    // reference stays valid while the group lives and is not cleared.
    OptionItem& addOption(OptionItem item);
    // Removes every option (a group rebuilt from a file starts this way).
    void clearOptions()
    {
        options_.clear();
        byName_.clear();
    }

private:
    std::string name_;
    int id_;
    int optionsCommand_;
    std::vector<std::unique_ptr<OptionItem>> options_;
    // Keys view the options' own names, which never change or move.
    std::unordered_map<std::string_view, OptionItem*> byName_;
};
