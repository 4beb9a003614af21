#include "Settings/SettingsRegistry.h"

#include <utility>

OptionGroup& SettingsRegistry::addGroup(std::string name, int id, int optionsCommand)
{
    groups_.push_back(std::make_unique<OptionGroup>(std::move(name), id, optionsCommand));
    return *groups_.back();
}

OptionGroup* SettingsRegistry::findGroup(int id)
{
    for (const std::unique_ptr<OptionGroup>& group : groups_)
        if (group->id() == id)
            return group.get();
    return nullptr;
}

const OptionGroup* SettingsRegistry::findGroup(int id) const
{
    return const_cast<SettingsRegistry*>(this)->findGroup(id);
}

OptionItem* SettingsRegistry::findOption(int groupId, std::string_view name)
{
    OptionGroup* group = findGroup(groupId);
    return group ? group->findOption(name) : nullptr;
}

const OptionItem* SettingsRegistry::findOption(int groupId, std::string_view name) const
{
    return const_cast<SettingsRegistry*>(this)->findOption(groupId, name);
}

OptionItem* SettingsRegistry::findTyped(int groupId, std::string_view name, OptionType type)
{
    OptionItem* item = findOption(groupId, name);
    if (!item)
        return nullptr;
    // A file path is a string to every reader.
    OptionType base = item->baseType() == OptionType::FilePath ? OptionType::String : item->baseType();
    return base == type ? item : nullptr;
}

const OptionItem* SettingsRegistry::findTyped(int groupId, std::string_view name, OptionType type) const
{
    return const_cast<SettingsRegistry*>(this)->findTyped(groupId, name, type);
}

bool SettingsRegistry::setInt(int groupId, std::string_view name, int value)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Int);
    return item && item->setInt(value);
}

bool SettingsRegistry::setBool(int groupId, std::string_view name, bool value)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Bool);
    return item && item->setBool(value);
}

bool SettingsRegistry::setFloat(int groupId, std::string_view name, float value)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Float);
    return item && item->setFloat(value);
}

bool SettingsRegistry::setChoice(int groupId, std::string_view name, int index)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Choice);
    return item && item->setInt(index);
}

bool SettingsRegistry::setColour(int groupId, std::string_view name, float red, float green, float blue)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Colour);
    return item && item->setTriple(red, green, blue);
}

bool SettingsRegistry::setPoint(int groupId, std::string_view name, float x, float y, float z)
{
    OptionItem* item = findTyped(groupId, name, OptionType::Point);
    return item && item->setTriple(x, y, z);
}

bool SettingsRegistry::setString(int groupId, std::string_view name, std::string value)
{
    OptionItem* item = findTyped(groupId, name, OptionType::String);
    return item && item->setString(std::move(value));
}

std::vector<std::string> missingOptionKeys(const SettingsRegistry& registry, std::span<const AnyOptionKey> keys)
{
    std::vector<std::string> missing;
    for (const AnyOptionKey& key : keys)
        if (!registry.has(key))
            missing.push_back(std::to_string(key.group) + ": " + std::string(key.name));
    return missing;
}
