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

TEST_F(BoundOptionsTest, RegistryAndVariablesShareOneValue)
{
    ASSERT_TRUE(registry.setFloat(140, "Default Amount", 0.35f));
    EXPECT_EQ(variables.bevelAmount, 0.35f);
    ASSERT_TRUE(registry.setChoice(194, "Type", 0));
    EXPECT_EQ(variables.lightType, 0);
    variables.showGrids = false;
    EXPECT_FALSE(*registry.boolValue(100131, "Show Grids"));
    variables.windowWidth = 1600;
    EXPECT_EQ(*registry.intValue(100107, "Window Width"), 1600);
    // Mesh drawing settings are the mesh model's own variables.
    ASSERT_TRUE(registry.setInt(214, "Smooth Shade At SubD Level (0 to disable)", 2));
    EXPECT_EQ(meshDisplay.smoothShadeAtSubdLevel, 2);
    EXPECT_EQ(registry.boolValue(117, "Triangulate Quads"), &meshDisplay.tessellateAllQuads);
    // Both face draw limits are one variable.
    ASSERT_TRUE(registry.setInt(214, "Optimized Face Draw Limit", 5000));
    EXPECT_EQ(*registry.intValue(117, "Optimized Face Draw Limit"), 5000);
}

TEST(BoundOptionDefaults, TabledDefaultsOverwriteButProgramValuesStand)
{
    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    variables.bevelAmount = 9.0f;
    variables.instanceMirrorTolerance = 0.125f;
    meshDisplay.normalLength = 9.0f;
    meshDisplay.smoothShadeAtSubdLevel = 3;
    SettingsRegistry registry;
    buildRegistry(registry, variables, meshDisplay);
    const int groups = registry.groupCount();
    buildRegistry(registry, variables, meshDisplay);
    EXPECT_EQ(registry.groupCount(), groups) << "a rebuild starts afresh";
    EXPECT_EQ(variables.bevelAmount, 0.1f);
    EXPECT_EQ(meshDisplay.normalLength, 0.3f);
    EXPECT_EQ(variables.instanceMirrorTolerance, 0.125f);
    EXPECT_EQ(meshDisplay.smoothShadeAtSubdLevel, 3);
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
