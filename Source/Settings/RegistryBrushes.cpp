// "Brush Editor": the painting brushes. Its options are written from the
// brush list before every save and read back after every load; none is
// listed in an options window.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerBrushGroups(SettingsRegistry& registry)
{
    using enum OptionType;
    const GroupRow groups[] = {
        {"Brush Editor", 251, NoOptionsCommand, {
            {"ActiveBrush", Int, num(0), {}, NotShown},
        }},
    };
    addGroups(registry, groups);
}
