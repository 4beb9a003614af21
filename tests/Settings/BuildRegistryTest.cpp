#include "Settings/BuildRegistry.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

// A registry bound to variables of its own, so that tests never disturb the
// program's variables.
class BuiltRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { buildRegistry(registry, variables); }

    SettingsVariables variables;
    SettingsRegistry registry;
};

// The attributes as the tables write them.
std::string describeAttributes(const OptionItem& item)
{
    const std::pair<NumericAttribute, const char*> words[] = {
        {NumericAttribute::Minimum, "min"},        {NumericAttribute::Maximum, "max"},
        {NumericAttribute::DragStep, "drag step"}, {NumericAttribute::DragRate, "drag rate"},
        {NumericAttribute::RateFloor, "rate floor"},
    };
    std::string out;
    auto append = [&](const std::string& part) { out += (out.empty() ? "" : "; ") + part; };
    for (const auto& [which, word] : words)
        if (item.hasAttribute(which)) {
            char number[32];
            std::snprintf(number, sizeof number, "%g", static_cast<double>(item.attribute(which)));
            append(std::string(word) + " " + number);
        }
    if (item.length())
        append("length");
    if (!item.shown())
        append("not shown");
    return out;
}

} // namespace

TEST_F(BuiltRegistryTest, RowsBecomeTypedOptionsWithTheirAttributes)
{
    const struct {
        int groupId;
        const char* name;
        int type;
        const char* attributes;
    } expected[] = {
        {161, "Falloff", 4, "min 0; max 2; drag step 0.01"},
        {140, "Default Amount", 5, "min 0; drag step 0.01; drag rate 0.25; rate floor 0.001; length"},
        {214, "Optimized Face Draw Limit", 1, "drag step 1000"},
        {114, "Default Texture Map", 12, "not shown"},
        {117, "Near Clipping Plane Ratio", 5, "min 1e-06; max 0.5; drag step 0.0005; rate floor 1e-06"},
    };
    for (const auto& row : expected) {
        const OptionItem* item = registry.findOption(row.groupId, row.name);
        ASSERT_NE(item, nullptr) << row.name;
        EXPECT_EQ(item->type(), row.type) << row.name;
        EXPECT_EQ(describeAttributes(*item), row.attributes) << row.name;
    }
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
