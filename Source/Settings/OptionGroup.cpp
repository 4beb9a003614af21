#include "Settings/OptionGroup.h"

#include <utility>

OptionGroup::OptionGroup(std::string name, int id, int optionsCommand)
    : name_(std::move(name)), id_(id), optionsCommand_(optionsCommand)
{
}

OptionItem* OptionGroup::findOption(std::string_view name)
{
    for (const std::unique_ptr<OptionItem>& item : options_)
        if (item->name() == name)
            return item.get();
    return nullptr;
}

const OptionItem* OptionGroup::findOption(std::string_view name) const
{
    return const_cast<OptionGroup*>(this)->findOption(name);
}

OptionItem& OptionGroup::addOption(OptionItem item)
{
    options_.push_back(std::make_unique<OptionItem>(std::move(item)));
    return *options_.back();
}
