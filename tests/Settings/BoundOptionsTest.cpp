#include "Mesh/DisplaySettings.h"
#include "Settings/BuildRegistry.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

namespace {

class BoundOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { buildRegistry(registry, variables, meshDisplay); }

    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    SettingsRegistry registry;
};

} // namespace

TEST_F(BoundOptionsTest, RegistryWritesReachTheVariables)
{
    ASSERT_TRUE(registry.setFloat(140, "Default Amount", 0.35f));
    EXPECT_EQ(variables.bevelAmount, 0.35f);
    ASSERT_TRUE(registry.setInt(113, "Undo Level", 3));
    EXPECT_EQ(variables.undoLevel, 3);
    ASSERT_TRUE(registry.setBool(138, "Delete Originals", false));
    EXPECT_FALSE(variables.booleanDeleteOriginals);
    ASSERT_TRUE(registry.setChoice(194, "Type", 0));
    EXPECT_EQ(variables.lightType, 0);
    ASSERT_TRUE(registry.setInt(217, "DX2", 127));
    EXPECT_EQ(variables.mouseBindings[57], 127);
}

TEST_F(BoundOptionsTest, VariableChangesShowInTheRegistry)
{
    variables.slideAmount = -0.75f;
    EXPECT_EQ(*registry.floatValue(139, "Default Amount"), -0.75f);
    variables.showGrids = false;
    EXPECT_FALSE(*registry.boolValue(100131, "Show Grids"));
    variables.normalMapRgbOrder = 5;
    EXPECT_EQ(*registry.choiceValue(204, "RGB Order"), 5);
    variables.windowWidth = 1600;
    EXPECT_EQ(*registry.intValue(100107, "Window Width"), 1600);
}

TEST_F(BoundOptionsTest, MeshDrawingSettingsAreTheMeshModelsVariables)
{
    EXPECT_EQ(registry.floatValue(117, "Normals Length"), &meshDisplay.normalLength);
    EXPECT_EQ(registry.boolValue(117, "Triangulate Quads"), &meshDisplay.tessellateAllQuads);
    EXPECT_EQ(registry.intValue(214, "Smooth Shade At SubD Level (0 to disable)"),
              &meshDisplay.smoothShadeAtSubdLevel);
    ASSERT_TRUE(registry.setInt(214, "Smooth Shade At SubD Level (0 to disable)", 2));
    EXPECT_EQ(meshDisplay.smoothShadeAtSubdLevel, 2);
}

TEST_F(BoundOptionsTest, BothFaceDrawLimitsShareOneVariable)
{
    ASSERT_TRUE(registry.setInt(214, "Optimized Face Draw Limit", 5000));
    EXPECT_EQ(*registry.intValue(117, "Optimized Face Draw Limit"), 5000);
    EXPECT_EQ(variables.optimizedFaceDrawLimit, 5000);
}

TEST(BoundOptionDefaults, TabledDefaultsOverwriteButProgramValuesStand)
{
    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    variables.bevelAmount = 9.0f;
    variables.instanceMirrorTolerance = 0.125f;
    variables.backfaceCulling = true;
    variables.mouseBindings[3] = 42;
    meshDisplay.normalLength = 9.0f;
    meshDisplay.smoothShadeAtSubdLevel = 3;
    SettingsRegistry registry;
    buildRegistry(registry, variables, meshDisplay);

    EXPECT_EQ(variables.bevelAmount, 0.1f);
    EXPECT_EQ(meshDisplay.normalLength, 0.3f);
    EXPECT_EQ(variables.instanceMirrorTolerance, 0.125f);
    EXPECT_TRUE(variables.backfaceCulling);
    EXPECT_EQ(variables.mouseBindings[3], 42);
    EXPECT_EQ(meshDisplay.smoothShadeAtSubdLevel, 3);
}

TEST(BoundOptionDefaults, RebuildingStartsAfresh)
{
    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    SettingsRegistry registry;
    buildRegistry(registry, variables, meshDisplay);
    const int groups = registry.groupCount();
    buildRegistry(registry, variables, meshDisplay);
    EXPECT_EQ(registry.groupCount(), groups);
}

TEST(BoundOptionDefaults, TheProgramRegistryBindsTheProgramsVariables)
{
    const SettingsVariables savedVariables = settingsVariables();
    const MeshDisplaySettings savedMeshDisplay = meshDisplaySettings();
    SettingsRegistry registry;
    buildRegistry(registry);
    EXPECT_EQ(registry.floatValue(218, "Default Amount"), &settingsVariables().extrudeAmount);
    EXPECT_EQ(registry.floatValue(117, "Normals Length"), &meshDisplaySettings().normalLength);
    settingsVariables() = savedVariables;
    meshDisplaySettings() = savedMeshDisplay;
}
