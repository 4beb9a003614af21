// The groups that keep the on-screen button and keyboard bindings. Both start
// empty: their options are written by the binding editors before a save and
// appended by a load, and the Keyboard Settings group is rebuilt from the
// file as a whole (see KeyBindingOptions.h for its form).
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerBindingGroups(SettingsRegistry& registry)
{
    const GroupRow bindings[] = {
        {"Button Settings", 115, NoOptionsCommand, {}},
        {"Keyboard Settings", 116, NoOptionsCommand, {}},
    };
    addGroups(registry, bindings);
}
