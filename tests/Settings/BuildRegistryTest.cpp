#include "Mesh/DisplaySettings.h"
#include "Mesh/Material.h"
#include "Settings/BuildRegistry.h"
#include "Settings/MouseSettingNames.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

// A registry bound to variables of its own, so that tests never disturb the
// program's variables.
class BuiltRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { buildRegistry(registry, variables, meshDisplay); }

    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
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

struct GroupExpectation {
    int id;
    int optionsCommand;
    const char* name;
    int optionCount;
};

// Every group, in registry order.
const GroupExpectation expectedGroups[] = {
    {161, 100052, "Soft Selection", 5}, {140, 100053, "Bevel", 2}, {139, 100059, "Slide", 2},
    {218, 100054, "Extrude", 3}, {263, 100055, "Local Move", 2}, {141, 100056, "Inset Scale", 2},
    {264, 100057, "Local Scale", 2}, {142, 100058, "Shell", 2}, {244, -1, "Smooth", 3},
    {164, 100051, "Cube", 7}, {174, 100060, "Circle", 5}, {167, 100061, "Cone", 7},
    {168, 100062, "Torus", 5}, {100120, -1, "Golf Hole", 1}, {166, 100063, "Sphere", 4},
    {175, 100064, "Arc", 6}, {176, 100065, "Grid", 7}, {169, -1, "Lathe", 6},
    {170, 100068, "Extrusion", 4}, {171, 100069, "Path Extrusion", 4}, {165, 100066, "Cylinder", 6},
    {273, -1, "Save Incremental Options", 2}, {189, -1, "Flatten", 2}, {177, -1, "Mirror Geometry", 4},
    {124, -1, "Instance Mirror", 3}, {230, -1, "Symmetry", 3}, {74, -1, "Merge", 1},
    {138, -1, "Booleans", 4}, {113, 100074, "General Settings", 7}, {214, -1, "Subdivision Settings", 5},
    {172, -1, "Edge Tool Options", 2}, {173, -1, "Polygon Tool Options", 2},
    {300, -1, "Surface Tool Options", 3}, {100107, -1, "Window Options", 5},
    {194, 100072, "Light Options", 13}, {114, 100070, "Color Settings", 43},
    {117, 100071, "Display Settings", 27}, {217, -1, "Mouse Settings", 58},
    // The binding groups the preferences file fills; empty when built.
    {115, -1, "Button Settings", 0}, {116, -1, "Keyboard Settings", 0},
    {240, -1, "Topology Tool Options", 6}, {147, 100110, "Manipulator Options", 3},
    {305, -1, "Snap Manipulator Tool Options", 2}, {119, -1, "Select Special Options", 3},
    {100131, -1, "Display", 5}, {49, -1, "Cut Options", 1}, {271, -1, "Displacement Map Options", 5},
    {204, -1, "Normal Map Options", 11}, {100000, -1, "Obj Options", 7}, {100002, -1, "Dxf Options", 4},
    {100001, -1, "3ds Options", 5}, {100003, -1, "Fact Options", 3}, {100005, -1, "Rib Options", 8},
    {100004, -1, "Stl Options", 2}, {100006, -1, "Pov Options", 7}, {197, -1, "File Format Settings", 0},
    {191, -1, "Render External Options", 4}, {100023, -1, "Selection Style Options", 1},
    {125, -1, "Area Selection Options", 1}, {283, -1, "Recreate UVs Planar Regions Options", 2},
    {284, -1, "Recreate UVs Options", 6}, {293, -1, "Nudge UVs Options", 9},
    {296, -1, "Export UVs To Image Options", 5},
};

} // namespace

TEST_F(BuiltRegistryTest, GroupsComeInTheirFixedOrderWithAllTheirOptions)
{
    ASSERT_EQ(registry.groupCount(), static_cast<int>(std::size(expectedGroups)));
    for (int i = 0; i < registry.groupCount(); ++i) {
        const OptionGroup& group = registry.group(i);
        const GroupExpectation& expected = expectedGroups[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(group.id(), expected.id);
        EXPECT_EQ(group.name(), expected.name);
        EXPECT_EQ(group.optionsCommand(), expected.optionsCommand);
        EXPECT_EQ(group.optionCount(), expected.optionCount);
    }
}

TEST_F(BuiltRegistryTest, RowsBecomeTypedOptionsWithTheirAttributes)
{
    const struct {
        int groupId;
        const char* name;
        int type;
        const char* attributes;
    } expected[] = {
        {161, "Falloff", 4, "min 0; max 2; drag step 0.01"},
        {161, "Radius From Sel", 14, ""},
        {140, "Default Amount", 5, "min 0; drag step 0.01; drag rate 0.25; rate floor 0.001; length"},
        {189, "Axis", 7, ""},
        {214, "Smooth Shade At SubD Level (0 to disable)", 1, "min 0; drag step 1"},
        {114, "Default Texture Map", 12, "not shown"},
        {117, "Near Clipping Plane Ratio", 5, "min 1e-06; max 0.5; drag step 0.0005; rate floor 1e-06"},
        {191, "Command Line Options", 8, ""},
    };
    for (const auto& row : expected) {
        const OptionItem* item = registry.findOption(row.groupId, row.name);
        ASSERT_NE(item, nullptr) << row.name;
        EXPECT_EQ(item->type(), row.type) << row.name;
        EXPECT_EQ(describeAttributes(*item), row.attributes) << row.name;
    }
}

TEST_F(BuiltRegistryTest, TypedAccessorsReadDefaultsByGroupAndName)
{
    EXPECT_EQ(*registry.intValue(113, "Minutes To Autosave"), 15);
    EXPECT_EQ(*registry.floatValue(139, "Default Amount"), 0.2f);
    EXPECT_EQ(*registry.boolValue(177, "Enable Symmetry"), true);
    EXPECT_EQ(*registry.choiceValue(169, "Axis"), 1);
    EXPECT_EQ(registry.colourValue(114, "Manipulator Center")[1], 0.670588f);
    EXPECT_EQ(registry.stringValue(100005, "Header File"), "");
    EXPECT_EQ(registry.findOption(161, "Radius From Sel")->commandId(), 274);
    EXPECT_EQ(registry.intValue(113, "Unit Scale"), nullptr);
    EXPECT_EQ(registry.floatValue(113, "Minutes to autosave"), nullptr);
}

TEST_F(BuiltRegistryTest, MouseSettingsAreTheNamedTableEntriesUnbound)
{
    const OptionGroup& mouse = *registry.findGroup(217);
    ASSERT_EQ(mouse.optionCount(), MouseSettingCount);
    for (int i = 0; i < MouseSettingCount; ++i) {
        EXPECT_EQ(mouse.option(i).name(), mouseSettingNames[i]);
        EXPECT_EQ(mouse.option(i).baseType(), OptionType::Int) << i;
        EXPECT_EQ(*mouse.option(i).intValue(), -1) << i;
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

TEST_F(BuiltRegistryTest, DefaultMaterialColoursStartAsTheMeshModelsMaterial)
{
    const Material material;
    const std::pair<const char*, const float*> colours[] = {
        {"Default Diffuse", material.diffuse}, {"Default Ambient", material.ambient},
        {"Default Specular", material.specular}, {"Default Emissive", material.emission},
    };
    for (const auto& [name, expected] : colours) {
        const float* value = registry.colourValue(114, name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(std::vector<float>(value, value + 3), std::vector<float>(expected, expected + 3)) << name;
    }
}
