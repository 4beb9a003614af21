#include "Settings/BuildRegistry.h"
#include "Settings/OptionKeys.h"
#include "Settings/SettingsRegistry.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

namespace {

// A small registry with one option of every type, one of them bound.
class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OptionGroup& group = registry.addGroup("Test Group", 500, 100500);
        group.addOption(OptionItem("Count", OptionType::Int)).setInt(7);
        group.addOption(OptionItem("Flag", OptionType::Bool)).setBool(true);
        group.addOption(OptionItem("Size", OptionType::Float)).setFloat(1.5f);
        group.addOption(OptionItem("Mode", OptionType::Choice)).setInt(2);
        group.addOption(OptionItem("Tint", OptionType::Colour)).setTriple(0.1f, 0.2f, 0.3f);
        group.addOption(OptionItem("Path", OptionType::FilePath)).setString("a/b.tga");
        group.addOption(OptionItem("Go", OptionType::Command)).setCommandId(108);
        group.addOption(OptionItem("Where", OptionType::Point)).setTriple(1, 2, 3);
        group.addOption(OptionItem("Bound Count", OptionType::Int)).bind(&boundCount);
        registry.addGroup("Empty", 100000);
    }

    int boundCount = 40;
    SettingsRegistry registry;
};

} // namespace

TEST_F(SettingsRegistryTest, FindsGroupsByIdAndOptionsByExactName)
{
    EXPECT_EQ(registry.findGroup(500)->optionsCommand(), 100500);
    EXPECT_EQ(registry.findGroup(100000)->optionsCommand(), -1);
    EXPECT_EQ(registry.findGroup(501), nullptr);
    for (const char* wrong : {"size", "Size ", ""})
        EXPECT_EQ(registry.findOption(500, wrong), nullptr) << wrong;
    // Options never move, and a cleared group forgets their names.
    const OptionItem* count = registry.findOption(500, "Count");
    OptionGroup& group = *registry.findGroup(500);
    for (int i = 0; i < 100; ++i)
        group.addOption(OptionItem("Extra " + std::to_string(i), OptionType::Int));
    EXPECT_EQ(registry.findOption(500, "Count"), count);
    EXPECT_EQ(registry.findOption(500, "Extra 99"), &group.option(group.optionCount() - 1));
    group.clearOptions();
    EXPECT_EQ(registry.findOption(500, "Count"), nullptr);
}

TEST_F(SettingsRegistryTest, KeysReadAndWriteOnlyOptionsOfTheirType)
{
    EXPECT_TRUE(registry.get(FloatOption{500, "Size"}) == 1.5f && registry.get(ChoiceOption{500, "Mode"}) == 2);
    EXPECT_EQ(registry.get(StringOption{500, "Path"}), "a/b.tga");
    EXPECT_EQ(registry.get(PointOption{500, "Where"})[1], 2.0f);
    ASSERT_TRUE(registry.set(IntOption{500, "Bound Count"}, 41));
    EXPECT_EQ(boundCount, 41);
    ASSERT_TRUE(registry.set(ColourOption{500, "Tint"}, {1, 0, 0}));
    EXPECT_EQ(registry.get(ColourOption{500, "Tint"})[0], 1.0f);
    // Another type, or no such option: zero, and writes change nothing.
    EXPECT_EQ(registry.get(FloatOption{500, "Count"}), 0.0f);
    EXPECT_EQ(registry.get(IntOption{500, "Mode"}), 0);
    EXPECT_FALSE(registry.set(IntOption{500, "Go"}, 1));
    EXPECT_FALSE(registry.set(PointOption{500, "Tint"}, {0, 0, 0}));
    EXPECT_FALSE(registry.set(IntOption{501, "Count"}, 1));
    EXPECT_FALSE(registry.setInt(500, "Mode", 0));
    EXPECT_EQ(registry.get(ChoiceOption{500, "Mode"}), 2);
    const AnyOptionKey keys[] = {IntOption{500, "Count"}, BoolOption{500, "Count"}, IntOption{500, "count"}};
    EXPECT_EQ(missingOptionKeys(registry, keys), (std::vector<std::string>{"500: Count", "500: count"}));
}

// Every option the program names exists in the built registry with its type.
TEST(OptionKeys, EveryDeclaredKeyMatchesTheBuiltRegistry)
{
    SettingsVariables variables;
    SettingsRegistry registry;
    buildRegistry(registry, variables);
    EXPECT_EQ(missingOptionKeys(registry, Options::all), std::vector<std::string>());
}
