// The mouse binding table as settings: one int per button and modifier
// combination, holding the bound command id. The application manager binds
// them to its binding table; until then each keeps its own value, unbound.
#include "Settings/MouseSettingNames.h"
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

// The variables are not read: the binding table lives in the scene.
void registerMouseGroups(SettingsRegistry& registry, SettingsVariables&)
{
    GroupRow mouse = {"Mouse Settings", 217, NoOptionsCommand, {}};
    for (const char* name : mouseSettingNames)
        mouse.options.push_back({name, OptionType::Int, num(-1)});
    addGroups(registry, {&mouse, 1});
}
