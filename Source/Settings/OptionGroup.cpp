#include "Settings/OptionGroup.h"

#include <utility>

OptionGroup::OptionGroup(std::string name, int id, int optionsCommand)
    : name_(std::move(name)), id_(id), optionsCommand_(optionsCommand)
{
}

OptionItem* OptionGroup::findOption(std::string_view name)
{
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

const OptionItem* OptionGroup::findOption(std::string_view name) const
{
    return const_cast<OptionGroup*>(this)->findOption(name);
}

OptionItem& OptionGroup::addOption(OptionItem item)
{
    options_.push_back(std::make_unique<OptionItem>(std::move(item)));
    OptionItem& added = *options_.back();
    byName_.emplace(added.name(), &added);
    return added;
}
