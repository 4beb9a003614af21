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

TEST_F(SettingsRegistryTest, FindsGroupsByIdAndOptionsByExactNameInInsertionOrder)
{
    ASSERT_EQ(registry.groupCount(), 2);
    EXPECT_EQ(registry.group(1).id(), 100000);
    EXPECT_EQ(registry.findGroup(500)->optionsCommand(), 100500);
    EXPECT_EQ(registry.findGroup(100000)->optionsCommand(), -1);
    EXPECT_EQ(registry.findGroup(501), nullptr);
    EXPECT_EQ(registry.group(0).option(10).name(), "Bound Title");
    EXPECT_EQ(registry.findOption(500, "Size")->name(), "Size");
    for (const char* wrong : {"size", "Size ", ""})
        EXPECT_EQ(registry.findOption(500, wrong), nullptr) << wrong;
    EXPECT_EQ(registry.findOption(100000, "Size"), nullptr);
    EXPECT_EQ(registry.findOption(501, "Size"), nullptr);
}

TEST_F(SettingsRegistryTest, TypedReadsAndWritesMatchTheOptionsKind)
{
    EXPECT_EQ(*registry.boolValue(500, "Flag"), true);
    EXPECT_EQ(*registry.floatValue(500, "Size"), 1.5f);
    EXPECT_EQ(*registry.choiceValue(500, "Mode"), 2);
    EXPECT_EQ(registry.stringValue(500, "Path"), "a/b.tga");
    EXPECT_EQ(registry.colourValue(500, "Tint")[2], 0.3f);
    EXPECT_EQ(registry.pointValue(500, "Where")[1], 2.0f);
    // Another kind, or no such option: null, and writes fail without change.
    EXPECT_EQ(registry.floatValue(500, "Count"), nullptr);
    EXPECT_EQ(registry.intValue(500, "Mode"), nullptr);
    EXPECT_EQ(registry.intValue(500, "Go"), nullptr);
    EXPECT_EQ(registry.colourValue(500, "Where"), nullptr);
    EXPECT_EQ(registry.stringValue(500, "Count"), "");
    EXPECT_EQ(registry.intValue(501, "Count"), nullptr);
    EXPECT_FALSE(registry.setFloat(500, "Count", 9.5f));
    EXPECT_FALSE(registry.setInt(500, "Mode", 0));
    EXPECT_FALSE(registry.setPoint(500, "Tint", 0, 0, 0));
    EXPECT_FALSE(registry.setBool(500, "Go", true));
    EXPECT_FALSE(registry.setString(501, "Title", "x"));
    EXPECT_EQ(*registry.intValue(500, "Count"), 7);
    EXPECT_EQ(*registry.choiceValue(500, "Mode"), 2);
    EXPECT_EQ(registry.colourValue(500, "Tint")[0], 0.1f);
}

TEST_F(SettingsRegistryTest, OptionsStayPutWhileTheirGroupGrows)
{
    const OptionItem* count = registry.findOption(500, "Count");
    OptionGroup& group = *registry.findGroup(500);
    for (int i = 0; i < 100; ++i)
        group.addOption(OptionItem("Extra " + std::to_string(i), OptionType::Int));
    EXPECT_EQ(registry.findOption(500, "Count"), count);
    group.clearOptions();
    EXPECT_EQ(registry.findGroup(500)->optionCount(), 0);
    EXPECT_EQ(registry.intValue(500, "Count"), nullptr);
}
