#include "Settings/SettingsVariables.h"

SettingsVariables& settingsVariables()
{
    static SettingsVariables variables;
    return variables;
}
