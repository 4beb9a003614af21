#include "Settings/BuildRegistry.h"
#include "Settings/OptionTable.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A registry bound to variables of its own, so that tests never disturb the
// program's variables.
class BuiltRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { buildRegistry(registry, variables); }

    SettingsVariables variables;
    SettingsRegistry registry;
};

} // namespace

TEST(OptionRows, BecomeOptionsWithTheirAttributesFlagsAndDefaults)
{
    float bound = 9;
    const OptionItem amount = makeOption({"Amount", OptionType::Float, num(0.1), {.minimum = 0, .rateFloor = 0.001},
                                          Length | NotShown, &bound});
    EXPECT_EQ(amount.type(), 5);
    EXPECT_EQ(bound, 0.1f) << "a tabled default goes into the variable";
    EXPECT_TRUE(amount.hasAttribute(NumericAttribute::Minimum) && !amount.hasAttribute(NumericAttribute::Maximum));
    EXPECT_EQ(amount.attribute(NumericAttribute::RateFloor), 0.001f);
    EXPECT_TRUE(amount.length() && !amount.shown());
    const OptionItem kept = makeOption({"Kept", OptionType::Float, programValue(), {}, 0, &bound});
    EXPECT_EQ(*kept.floatValue(), 0.1f);
    const OptionItem axis = makeOption({"Axis", OptionType::Choice, choice(2, "X|Y|Z")});
    EXPECT_EQ(axis.choices(), (std::vector<std::string>{"X", "Y", "Z"}));
    EXPECT_EQ(*axis.intValue(), 2);
    const OptionItem button = makeOption({"Create", OptionType::Command, runs(108)});
    EXPECT_EQ(button.commandId(), 108);
    EXPECT_EQ(button.label(), "Create");
}

TEST_F(BuiltRegistryTest, OptionsKeepTheRegistryInvariants)
{
    std::set<int> ids, types;
    for (int g = 0; g < registry.groupCount(); ++g) {
        const OptionGroup& group = registry.group(g);
        EXPECT_TRUE(ids.insert(group.id()).second) << group.id();
        std::set<std::string> names;
        for (int i = 0; i < group.optionCount(); ++i) {
            const OptionItem& item = group.option(i);
            EXPECT_TRUE(names.insert(item.name()).second) << group.name() << ": " << item.name();
            types.insert(item.type());
            if (item.baseType() == OptionType::Command) {
                EXPECT_GE(item.commandId(), 0) << item.name();
                EXPECT_EQ(item.label(), item.name());
            }
        }
    }
    // No option is a point, and no string, colour or file path is bound.
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14}));
}
