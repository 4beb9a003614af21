#include "Settings/SettingsRegistry.h"

#include <gtest/gtest.h>

namespace {

// A small registry with one option of every type, two of them bound.
class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OptionGroup& group = registry.addGroup("Test Group", 500, 100500);
        group.addOption(OptionItem("Count", OptionType::Int)).setInt(7);
        group.addOption(OptionItem("Flag", OptionType::Bool)).setBool(true);
        group.addOption(OptionItem("Size", OptionType::Float)).setFloat(1.5f);
        group.addOption(OptionItem("Mode", OptionType::Choice)).setInt(2);
        group.addOption(OptionItem("Title", OptionType::String)).setString("hello");
        group.addOption(OptionItem("Tint", OptionType::Colour)).setTriple(0.1f, 0.2f, 0.3f);
        group.addOption(OptionItem("Path", OptionType::FilePath)).setString("a/b.tga");
        group.addOption(OptionItem("Go", OptionType::Command)).setCommandId(108);
        group.addOption(OptionItem("Where", OptionType::Point)).setTriple(1, 2, 3);
        group.addOption(OptionItem("Bound Count", OptionType::Int)).bind(&boundCount);
        group.addOption(OptionItem("Bound Title", OptionType::String)).bind(&boundTitle);
        registry.addGroup("Empty", 100000);
    }

    int boundCount = 40;
    std::string boundTitle = "bound";
    SettingsRegistry registry;
};

} // namespace

TEST_F(SettingsRegistryTest, FindsGroupsByIdAndOptionsByExactName)
{
    ASSERT_NE(registry.findGroup(500), nullptr);
    EXPECT_EQ(registry.findGroup(500)->name(), "Test Group");
    EXPECT_EQ(registry.findGroup(500)->optionsCommand(), 100500);
    EXPECT_EQ(registry.findGroup(100000)->optionsCommand(), -1);
    EXPECT_EQ(registry.findGroup(501), nullptr);

    ASSERT_NE(registry.findOption(500, "Size"), nullptr);
    EXPECT_EQ(registry.findOption(500, "Size")->name(), "Size");
    EXPECT_EQ(registry.findOption(500, "size"), nullptr);
    EXPECT_EQ(registry.findOption(500, "Size "), nullptr);
    EXPECT_EQ(registry.findOption(100000, "Size"), nullptr);
    EXPECT_EQ(registry.findOption(501, "Size"), nullptr);
}

TEST_F(SettingsRegistryTest, TypedReadsReturnTheValue)
{
    EXPECT_EQ(*registry.intValue(500, "Count"), 7);
    EXPECT_EQ(*registry.boolValue(500, "Flag"), true);
    EXPECT_EQ(*registry.floatValue(500, "Size"), 1.5f);
    EXPECT_EQ(*registry.choiceValue(500, "Mode"), 2);
    EXPECT_EQ(registry.stringValue(500, "Title"), "hello");
    EXPECT_EQ(registry.stringValue(500, "Path"), "a/b.tga");
    EXPECT_EQ(registry.colourValue(500, "Tint")[2], 0.3f);
    EXPECT_EQ(registry.pointValue(500, "Where")[1], 2.0f);
    EXPECT_EQ(*registry.intValue(500, "Bound Count"), 40);
    EXPECT_EQ(registry.stringValue(500, "Bound Title"), "bound");
}

TEST_F(SettingsRegistryTest, MissingGroupsAndOptionsGiveNullResults)
{
    for (int group : {500, 501}) {
        EXPECT_EQ(registry.intValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.boolValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.floatValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.choiceValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.colourValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.pointValue(group, "Nope"), nullptr);
        EXPECT_EQ(registry.stringValue(group, "Nope"), "");
        EXPECT_FALSE(registry.setInt(group, "Nope", 1));
        EXPECT_FALSE(registry.setString(group, "Nope", "x"));
    }
    EXPECT_EQ(registry.intValue(501, "Count"), nullptr);
}

TEST_F(SettingsRegistryTest, ReadsAndWritesOfAnotherTypeFailWithoutChange)
{
    EXPECT_EQ(registry.floatValue(500, "Count"), nullptr);
    EXPECT_EQ(registry.choiceValue(500, "Count"), nullptr);
    EXPECT_EQ(registry.intValue(500, "Mode"), nullptr);
    EXPECT_EQ(registry.intValue(500, "Flag"), nullptr);
    EXPECT_EQ(registry.pointValue(500, "Tint"), nullptr);
    EXPECT_EQ(registry.colourValue(500, "Where"), nullptr);
    EXPECT_EQ(registry.stringValue(500, "Count"), "");
    EXPECT_EQ(registry.intValue(500, "Go"), nullptr);

    EXPECT_FALSE(registry.setFloat(500, "Count", 9.5f));
    EXPECT_FALSE(registry.setInt(500, "Mode", 0));
    EXPECT_FALSE(registry.setChoice(500, "Count", 0));
    EXPECT_FALSE(registry.setColour(500, "Where", 0, 0, 0));
    EXPECT_FALSE(registry.setPoint(500, "Tint", 0, 0, 0));
    EXPECT_FALSE(registry.setBool(500, "Go", true));
    EXPECT_EQ(*registry.intValue(500, "Count"), 7);
    EXPECT_EQ(*registry.choiceValue(500, "Mode"), 2);
    EXPECT_EQ(registry.pointValue(500, "Where")[0], 1.0f);
    EXPECT_EQ(registry.colourValue(500, "Tint")[0], 0.1f);
}

TEST_F(SettingsRegistryTest, BoundVariablesAndTheRegistryShareTheirValues)
{
    ASSERT_TRUE(registry.setInt(500, "Bound Count", -12));
    EXPECT_EQ(boundCount, -12);
    ASSERT_TRUE(registry.setString(500, "Bound Title", "changed"));
    EXPECT_EQ(boundTitle, "changed");

    const int* count = registry.intValue(500, "Bound Count");
    boundCount = 99;
    EXPECT_EQ(*count, 99);
    EXPECT_EQ(*registry.intValue(500, "Bound Count"), 99);
    boundTitle = "from the program";
    EXPECT_EQ(registry.stringValue(500, "Bound Title"), "from the program");
}

TEST_F(SettingsRegistryTest, GroupsKeepTheirInsertionOrder)
{
    ASSERT_EQ(registry.groupCount(), 2);
    EXPECT_EQ(registry.group(0).id(), 500);
    EXPECT_EQ(registry.group(1).id(), 100000);
    const OptionGroup& group = registry.group(0);
    ASSERT_EQ(group.optionCount(), 11);
    EXPECT_EQ(group.option(0).name(), "Count");
    EXPECT_EQ(group.option(10).name(), "Bound Title");
}

TEST_F(SettingsRegistryTest, OptionsStayPutWhileTheirGroupGrows)
{
    const OptionItem* count = registry.findOption(500, "Count");
    OptionGroup& group = *registry.findGroup(500);
    for (int i = 0; i < 100; ++i)
        group.addOption(OptionItem("Extra " + std::to_string(i), OptionType::Int));
    EXPECT_EQ(registry.findOption(500, "Count"), count);
    EXPECT_EQ(registry.findOption(500, "Extra 99")->type(), 0);
}

TEST_F(SettingsRegistryTest, ClearingAGroupLeavesTheGroup)
{
    registry.findGroup(500)->clearOptions();
    EXPECT_EQ(registry.findGroup(500)->optionCount(), 0);
    EXPECT_EQ(registry.intValue(500, "Count"), nullptr);
}
