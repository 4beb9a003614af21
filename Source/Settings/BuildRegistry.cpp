#include "Settings/BuildRegistry.h"

#include "Settings/RegistryParts.h"

void buildRegistry(SettingsRegistry& registry)
{
    buildRegistry(registry, settingsVariables(), meshDisplaySettings());
}

void buildRegistry(SettingsRegistry& registry, SettingsVariables& variables, MeshDisplaySettings& meshDisplay)
{
    registry.clear();
    registerValueToolGroups(registry, variables);
    registerPrimitiveGroups(registry);
    registerModellingGroups(registry, variables);
    registerGeneralGroups(registry, variables, meshDisplay);
    registerColourGroups(registry);
    registerDisplayGroups(registry, variables, meshDisplay);
    registerMouseGroups(registry, variables);
    registerBindingGroups(registry);
    registerToolOptionGroups(registry, variables);
    registerMapGroups(registry, variables);
    registerFormatGroups(registry);
    registerSelectionAndUVGroups(registry, variables);
}
