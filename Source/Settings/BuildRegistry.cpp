#include "Settings/BuildRegistry.h"

#include "Settings/RegistryParts.h"

void buildRegistry(SettingsRegistry& registry)
{
    buildRegistry(registry, settingsVariables());
}

void buildRegistry(SettingsRegistry& registry, SettingsVariables& variables)
{
    registry.clear();
    registerValueToolGroups(registry, variables);
    registerPrimitiveGroups(registry);
    registerModellingGroups(registry, variables);
    registerGeneralGroups(registry, variables);
    registerColourGroups(registry);
    registerDisplayGroups(registry, variables);
    registerMouseGroups(registry, variables);
    registerBindingGroups(registry);
    registerToolOptionGroups(registry, variables);
    registerBrushGroups(registry);
    registerMapGroups(registry, variables);
    registerFormatGroups(registry);
    registerSelectionAndUVGroups(registry, variables);
}
