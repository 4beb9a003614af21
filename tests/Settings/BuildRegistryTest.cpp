#include "Mesh/DisplaySettings.h"
#include "Mesh/Material.h"
#include "Settings/BuildRegistry.h"
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

    const OptionItem& option(int groupId, const char* name)
    {
        const OptionItem* item = registry.findOption(groupId, name);
        EXPECT_NE(item, nullptr) << groupId << " " << name;
        static const OptionItem missing("missing", OptionType::Command);
        return item ? *item : missing;
    }

    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    SettingsRegistry registry;
};

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// The default as the tables write it.
std::string describeValue(const OptionItem& item)
{
    switch (item.baseType()) {
    case OptionType::Int:
    case OptionType::Choice:
        return std::to_string(*item.intValue());
    case OptionType::Bool:
        return *item.boolValue() ? "1" : "0";
    case OptionType::Float:
        return number(*item.floatValue());
    case OptionType::Colour:
    case OptionType::Point: {
        const float* v = item.tripleValue();
        return "(" + number(v[0]) + " " + number(v[1]) + " " + number(v[2]) + ")";
    }
    case OptionType::String:
    case OptionType::FilePath:
        return *item.stringValue();
    case OptionType::Command:
        return "runs command " + std::to_string(item.commandId());
    }
    return "?";
}

// The attributes column as the tables write it.
std::string describeAttributes(const OptionItem& item)
{
    const std::pair<NumericAttribute, const char*> words[] = {
        {NumericAttribute::Minimum, "min"},          {NumericAttribute::Maximum, "max"},
        {NumericAttribute::DragStep, "drag step"},   {NumericAttribute::DragRate, "drag rate"},
        {NumericAttribute::RateFloor, "rate floor"},
    };
    std::vector<std::string> parts;
    for (const auto& [which, word] : words)
        if (item.hasAttribute(which))
            parts.push_back(std::string(word) + " " + number(item.attribute(which)));
    if (item.length())
        parts.push_back("length");
    if (!item.shown())
        parts.push_back("not shown");
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : "; ") + part;
    return joined;
}

struct GroupExpectation {
    int id;
    int optionsCommand;
    const char* name;
    int optionCount;
};

// Every group, in registry order.
const GroupExpectation expectedGroups[] = {
        {161, 100052, "Soft Selection", 5},
        {140, 100053, "Bevel", 2},
        {139, 100059, "Slide", 2},
        {218, 100054, "Extrude", 3},
        {263, 100055, "Local Move", 2},
        {141, 100056, "Inset Scale", 2},
        {264, 100057, "Local Scale", 2},
        {142, 100058, "Shell", 2},
        {244, -1, "Smooth", 3},
        {164, 100051, "Cube", 7},
        {174, 100060, "Circle", 5},
        {167, 100061, "Cone", 7},
        {168, 100062, "Torus", 5},
        {100120, -1, "Golf Hole", 1},
        {166, 100063, "Sphere", 4},
        {175, 100064, "Arc", 6},
        {176, 100065, "Grid", 7},
        {169, -1, "Lathe", 6},
        {170, 100068, "Extrusion", 4},
        {171, 100069, "Path Extrusion", 4},
        {165, 100066, "Cylinder", 6},
        {273, -1, "Save Incremental Options", 2},
        {189, -1, "Flatten", 2},
        {177, -1, "Mirror Geometry", 4},
        {124, -1, "Instance Mirror", 3},
        {230, -1, "Symmetry", 3},
        {74, -1, "Merge", 1},
        {138, -1, "Booleans", 4},
        {113, 100074, "General Settings", 7},
        {214, -1, "Subdivision Settings", 5},
        {172, -1, "Edge Tool Options", 2},
        {173, -1, "Polygon Tool Options", 2},
        {300, -1, "Surface Tool Options", 3},
        {100107, -1, "Window Options", 5},
        {194, 100072, "Light Options", 13},
        {114, 100070, "Color Settings", 43},
        {117, 100071, "Display Settings", 27},
        {217, -1, "Mouse Settings", 58},
        // The binding groups the preferences file fills; empty when built.
        {115, -1, "Button Settings", 0},
        {116, -1, "Keyboard Settings", 0},
        {240, -1, "Topology Tool Options", 6},
        {147, 100110, "Manipulator Options", 3},
        {305, -1, "Snap Manipulator Tool Options", 2},
        {119, -1, "Select Special Options", 3},
        {100131, -1, "Display", 5},
        {49, -1, "Cut Options", 1},
        {271, -1, "Displacement Map Options", 5},
        {204, -1, "Normal Map Options", 11},
        {100000, -1, "Obj Options", 7},
        {100002, -1, "Dxf Options", 4},
        {100001, -1, "3ds Options", 5},
        {100003, -1, "Fact Options", 3},
        {100005, -1, "Rib Options", 8},
        {100004, -1, "Stl Options", 2},
        {100006, -1, "Pov Options", 7},
        {197, -1, "File Format Settings", 0},
        {191, -1, "Render External Options", 4},
        {100023, -1, "Selection Style Options", 1},
        {125, -1, "Area Selection Options", 1},
        {283, -1, "Recreate UVs Planar Regions Options", 2},
        {284, -1, "Recreate UVs Options", 6},
        {293, -1, "Nudge UVs Options", 9},
        {296, -1, "Export UVs To Image Options", 5},
};

struct OptionExpectation {
    int groupId;
    const char* name;
    int type;
    const char* value; // null: the program's own value, not the table's
    const char* attributes;
};

// A sample across groups, value and attributes written as the tables do.
const OptionExpectation expectedOptions[] = {
    {161, "Radius", 4, "2", "min 0; drag rate 0.05; length"},
    {161, "Falloff", 4, "1", "min 0; max 2; drag step 0.01"},
    {161, "Radius From Sel", 14, "runs command 274", ""},
    {140, "Default Amount", 5, "0.1", "min 0; drag step 0.01; drag rate 0.25; rate floor 0.001; length"},
    {139, "Default Amount", 5, "0.2", "min -1; max 1; drag step 0.01; length"},
    {263, "Default Amount", 5, "0.1", "drag rate 0.05; rate floor 0.01; length"},
    {164, "Depth Sections", 0, "1", "min 1"},
    {100120, "Degree Tolerance", 4, "7", "drag step 0.25"},
    {273, "Number Padding", 0, "3", "min 1; max 10"},
    {189, "Axis", 7, nullptr, ""},
    {230, "Tolerance", 5, "0.002", "min 0; length"},
    {113, "Units", 6, "0", ""},
    {214, "Smooth Shade At SubD Level (0 to disable)", 1, nullptr, "min 0; drag step 1"},
    {194, "Ambient Color", 10, "(0.7 0.7 0.7)", ""},
    {114, "Manipulator Center", 10, "(0.968627 0.670588 0.0509804)", ""},
    {114, "Default Shininess", 4, "1", "not shown"},
    {114, "Default Texture Map", 12, "", "not shown"},
    {117, "Near Clipping Plane Ratio", 5, "0.001", "min 1e-06; max 0.5; drag step 0.0005; rate floor 1e-06"},
    {117, "Texture Resolution", 7, "1", ""},
    {117, "Triangulate Quads", 3, "0", ""},
    {119, "", 1, nullptr, "min 0"},
    {100005, "Footer File", 12, "", ""},
    {100004, "Export Subdivision Mesh", 2, "1", ""},
    {191, "Command Line Options", 8, "", ""},
};

std::vector<std::string> namesOf(const OptionGroup& group)
{
    std::vector<std::string> names;
    for (int i = 0; i < group.optionCount(); ++i)
        names.push_back(group.option(i).name());
    return names;
}

} // namespace

TEST_F(BuiltRegistryTest, GroupsComeInTheirFixedOrderWithAllTheirOptions)
{
    ASSERT_EQ(registry.groupCount(), static_cast<int>(std::size(expectedGroups)));
    for (int i = 0; i < registry.groupCount(); ++i) {
        const OptionGroup& group = registry.group(i);
        const GroupExpectation& expected = expectedGroups[i];
        EXPECT_EQ(group.id(), expected.id) << "group " << i;
        EXPECT_EQ(group.name(), expected.name) << "group " << i;
        EXPECT_EQ(group.optionsCommand(), expected.optionsCommand) << expected.name;
        EXPECT_EQ(group.optionCount(), expected.optionCount) << expected.name;
    }
}

TEST_F(BuiltRegistryTest, SampledOptionsHaveTheirTypeDefaultAndAttributes)
{
    for (const OptionExpectation& expected : expectedOptions) {
        const OptionItem& item = option(expected.groupId, expected.name);
        SCOPED_TRACE(std::to_string(expected.groupId) + " \"" + expected.name + "\"");
        EXPECT_EQ(item.type(), expected.type);
        if (expected.value) {
            EXPECT_EQ(describeValue(item), expected.value);
        }
        EXPECT_EQ(describeAttributes(item), expected.attributes);
    }
}

TEST_F(BuiltRegistryTest, OptionsComeInTheirFixedOrder)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(namesOf(*registry.findGroup(161)),
              (Names{"Enabled", "Type", "Radius", "Falloff", "Radius From Sel"}));
    EXPECT_EQ(namesOf(*registry.findGroup(194)),
              (Names{"Type", "Diffuse Color", "Ambient Color", "Specular Color", "Constant Falloff",
                     "Linear Falloff", "Quadratic Falloff", "Spot Cutoff", "Spot Exponent",
                     "Lock Lights To Camera", "Use Custom Lights", "Show Lights", "Create"}));
    const Names display = namesOf(*registry.findGroup(117));
    ASSERT_EQ(display.size(), 27u);
    EXPECT_EQ(display[6], "Normals Length");
    EXPECT_EQ(display[18], "Texture Resolution");
    EXPECT_EQ(display[26], "Draw Viewport Gradient");
}

TEST_F(BuiltRegistryTest, MouseSettingsFollowTheBindingTable)
{
    const OptionGroup& mouse = *registry.findGroup(217);
    ASSERT_EQ(mouse.optionCount(), MouseBindingCount);
    const std::pair<int, const char*> sample[] = {
        {0, "LMB"}, {7, "DLMB"}, {15, "DMMB"}, {22, "CtrlShiftRMB"}, {24, "LMMB"}, {27, "CtrlLMMB"},
        {28, "SU"}, {35, "SD"}, {41, "CtrlShiftSD"}, {42, "X1"}, {49, "DX1"}, {57, "DX2"},
    };
    for (const auto& [index, name] : sample)
        EXPECT_EQ(mouse.option(index).name(), name) << index;
    for (int i = 0; i < mouse.optionCount(); ++i) {
        EXPECT_EQ(mouse.option(i).type(), 1) << i;
        EXPECT_EQ(mouse.option(i).intValue(), &variables.mouseBindings[i]) << i;
        EXPECT_EQ(*mouse.option(i).intValue(), -1) << i;
    }
}

TEST_F(BuiltRegistryTest, OnlyTheTabledTypeCodesOccur)
{
    std::set<int> seen;
    for (int g = 0; g < registry.groupCount(); ++g)
        for (int i = 0; i < registry.group(g).optionCount(); ++i)
            seen.insert(registry.group(g).option(i).type());
    // No option is a point, and no string, colour or file path is bound.
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14}));
}

TEST_F(BuiltRegistryTest, GroupIdsAndOptionNamesWithinAGroupAreUnique)
{
    std::set<int> ids;
    for (int g = 0; g < registry.groupCount(); ++g) {
        const OptionGroup& group = registry.group(g);
        EXPECT_TRUE(ids.insert(group.id()).second) << group.id();
        std::set<std::string> names;
        for (int i = 0; i < group.optionCount(); ++i)
            EXPECT_TRUE(names.insert(group.option(i).name()).second) << group.name() << ": " << group.option(i).name();
    }
}

TEST_F(BuiltRegistryTest, CommandOptionsAreCaptionedButtons)
{
    for (int g = 0; g < registry.groupCount(); ++g)
        for (int i = 0; i < registry.group(g).optionCount(); ++i) {
            const OptionItem& item = registry.group(g).option(i);
            if (item.baseType() != OptionType::Command)
                continue;
            EXPECT_GE(item.commandId(), 0) << item.name();
            EXPECT_EQ(item.label(), item.name());
            EXPECT_EQ(item.intValue(), nullptr);
        }
}

TEST_F(BuiltRegistryTest, OnlyTheDefaultMaterialIsHidden)
{
    std::set<std::string> hidden;
    for (int g = 0; g < registry.groupCount(); ++g)
        for (int i = 0; i < registry.group(g).optionCount(); ++i)
            if (!registry.group(g).option(i).shown())
                hidden.insert(std::to_string(registry.group(g).id()) + " " + registry.group(g).option(i).name());
    EXPECT_EQ(hidden, (std::set<std::string>{"114 Default Diffuse", "114 Default Ambient", "114 Default Specular",
                                              "114 Default Emissive", "114 Default Shininess",
                                              "114 Default Texture Map"}));
}

TEST_F(BuiltRegistryTest, DefaultMaterialColoursStartAsTheMeshModelsMaterial)
{
    const Material material;
    const std::pair<const char*, const float*> colours[] = {
        {"Default Diffuse", material.diffuse},
        {"Default Ambient", material.ambient},
        {"Default Specular", material.specular},
        {"Default Emissive", material.emission},
    };
    for (const auto& [name, expected] : colours) {
        const float* value = registry.colourValue(114, name);
        ASSERT_NE(value, nullptr) << name;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(value[c], expected[c]) << name << " " << c;
    }
}

TEST_F(BuiltRegistryTest, ChoicesListTheirLabelsInOrder)
{
    using Labels = std::vector<std::string>;
    EXPECT_EQ(option(161, "Type").choices(), (Labels{"Spherical", "Surface"}));
    EXPECT_EQ(option(117, "Texture Resolution").choices(), (Labels{"128", "512", "1024", "2048"}));
    EXPECT_EQ(option(177, "Mirror From Axis").choices(),
              (Labels{"World X", "World Y", "World Z", "World -X", "World -Y", "World -Z"}));
    const Labels& special = option(119, "Type").choices();
    ASSERT_EQ(special.size(), 12u);
    EXPECT_EQ(special[1], "Faces with sides !=");
    EXPECT_EQ(special[11], "Edges with faces >");
    EXPECT_TRUE(option(191, "File Format").choices().empty());
}

TEST_F(BuiltRegistryTest, TypedAccessorsReadDefaultsByGroupAndName)
{
    EXPECT_EQ(*registry.intValue(113, "Minutes To Autosave"), 15);
    EXPECT_EQ(*registry.floatValue(139, "Default Amount"), 0.2f);
    EXPECT_EQ(*registry.boolValue(177, "Enable Symmetry"), true);
    EXPECT_EQ(*registry.choiceValue(169, "Axis"), 1);
    EXPECT_EQ(registry.colourValue(114, "Selection Highlighting")[0], 1.0f);
    EXPECT_EQ(registry.stringValue(100005, "Header File"), "");
    EXPECT_EQ(registry.intValue(113, "Unit Scale"), nullptr);
    EXPECT_EQ(registry.floatValue(113, "Minutes to autosave"), nullptr);
}
