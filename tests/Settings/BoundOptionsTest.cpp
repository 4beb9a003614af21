#include "Settings/BuildRegistry.h"
#include "Settings/OptionKeys.h"
#include "Settings/SettingsVariables.h"

#include <gtest/gtest.h>

TEST(BoundOptions, RegistryAndVariablesShareOneValue)
{
    SettingsVariables variables;
    SettingsRegistry registry;
    buildRegistry(registry, variables);
    ASSERT_TRUE(registry.setFloat(140, "Default Amount", 0.35f));
    EXPECT_EQ(variables.bevelAmount, 0.35f);
    ASSERT_TRUE(registry.setChoice(194, "Type", 0));
    EXPECT_EQ(variables.lightType, 0);
    variables.undoLevel = 3;
    EXPECT_EQ(registry.get(Options::UndoLevel), 3);
    // Both face draw limits are one variable.
    ASSERT_TRUE(registry.setInt(214, "Optimized Face Draw Limit", 5000));
    EXPECT_EQ(*registry.findOption(117, "Optimized Face Draw Limit")->intValue(), 5000);
}

TEST(BoundOptions, TabledDefaultsOverwriteButProgramValuesStand)
{
    SettingsVariables variables;
    variables.bevelAmount = 9.0f;
    variables.instanceMirrorTolerance = 0.125f;
    SettingsRegistry registry;
    buildRegistry(registry, variables);
    const int groups = registry.groupCount();
    buildRegistry(registry, variables);
    EXPECT_EQ(registry.groupCount(), groups) << "a rebuild starts afresh";
    EXPECT_EQ(variables.bevelAmount, 0.1f);
    EXPECT_EQ(variables.instanceMirrorTolerance, 0.125f);
    // Bound later, the option's default goes into the variable first.
    float later = 7;
    ASSERT_TRUE(registry.findOption(117, "Normals Length")->bindKeepingValue(&later));
    EXPECT_EQ(later, 0.3f);
}

