// The preferences and mouse presets shipped in Resources/: they parse, bind
// only commands the command table knows, and hold what a first start needs.
#include "Scene/Commands/CommandTable.h"
#include "Settings/BuildRegistry.h"
#include "Settings/KeyBindingOptions.h"
#include "Settings/MouseSettingNames.h"
#include "Settings/PreferencesElement.h"
#include "Settings/PreferencesFile.h"
#include "Settings/PreferencesTempFolder.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

const std::filesystem::path resources = TAVO_RESOURCE_DIR;
constexpr int MouseGroupId = 217;

// The group ids of a file in file order, and the item names of its mouse group.
std::vector<int> groupIds(const std::string& text, std::multiset<std::string>* outMouseNames = nullptr)
{
    std::vector<int> ids;
    PreferencesElementReader reader(text);
    PreferencesElement element;
    while (reader.next(element)) {
        if (element.name == "prefgrp")
            ids.push_back(std::stoi(*element.attribute("id")));
        else if (element.name == "item" && outMouseNames && !ids.empty() && ids.back() == MouseGroupId)
            outMouseNames->insert(*element.attribute("name"));
    }
    return ids;
}

class ShippedPreferencesTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        buildRegistry(registry, variables);
        path = resources / GetParam();
        text = PreferencesTempFolder::read(path);
        ASSERT_FALSE(text.empty()) << path;
        loadPreferences(path, registry);
    }

    SettingsVariables variables;
    SettingsRegistry registry;
    std::filesystem::path path;
    std::string text;
};

TEST_P(ShippedPreferencesTest, SetsEveryMouseEntryOnceToAKnownCommandOrNone)
{
    std::multiset<std::string> named;
    groupIds(text, &named);
    EXPECT_EQ(named, std::multiset<std::string>(std::begin(mouseSettingNames), std::end(mouseSettingNames)));
    const OptionGroup& group = *registry.findGroup(MouseGroupId);
    ASSERT_EQ(group.optionCount(), MouseSettingCount);
    for (int i = 0; i < MouseSettingCount; ++i) {
        int command = *group.option(i).intValue();
        EXPECT_TRUE(command == -1 || !commandName(command).empty()) << group.option(i).name() << " " << command;
    }
}

TEST_P(ShippedPreferencesTest, IsWrittenInTheFormASaveGives)
{
    std::vector<const OptionGroup*> groups;
    for (int id : groupIds(text))
        groups.push_back(registry.findGroup(id));
    PreferencesTempFolder folder;
    ASSERT_TRUE(savePreferences(groups, folder.file("again.tvp"), commandName));
    EXPECT_EQ(PreferencesTempFolder::read(folder.file("again.tvp")), text);
}

INSTANTIATE_TEST_SUITE_P(Resources, ShippedPreferencesTest,
                         ::testing::Values("Preferences/tavodata.tvp", "Presets/Mouse/One-Button.tvp",
                                           "Presets/Mouse/Ostra.tvp"),
                         [](const auto& info) {
                             std::string name = std::filesystem::path(info.param).stem().string();
                             std::erase(name, '-');
                             return name;
                         });

TEST(DefaultPreferencesTest, HoldsOnlyTheBindingGroupsAndEveryKeyIsReachable)
{
    SettingsVariables variables;
    SettingsRegistry registry;
    buildRegistry(registry, variables);
    loadPreferences(resources / "Preferences/tavodata.tvp", registry);
    const auto keys = keyBindingsFromGroup(*registry.findGroup(KeyboardSettingsGroupId), commandIdByName);
    std::string text = PreferencesTempFolder::read(resources / "Preferences/tavodata.tvp");
    EXPECT_EQ(groupIds(text), (std::vector<int>{MouseGroupId, KeyboardSettingsGroupId}));
    const OptionGroup& group = *registry.findGroup(KeyboardSettingsGroupId);
    ASSERT_GT(group.optionCount(), 0);
    EXPECT_EQ(static_cast<int>(keys.size()), group.optionCount()) << "a name no command has";
    const std::set<int> modifierCodes = {0, 1, 2, 3, 4, 5, 6, 8};
    std::set<std::pair<int, int>> pressed;
    for (const KeyBindingTriple& k : keys) {
        EXPECT_TRUE(modifierCodes.contains(k.modifiers)) << k.key;
        EXPECT_TRUE(pressed.insert({k.key, k.modifiers}).second) << "shadowed: " << k.key << " " << k.modifiers;
    }
}

} // namespace
