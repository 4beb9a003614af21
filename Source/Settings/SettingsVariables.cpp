#include "Settings/SettingsVariables.h"

#include <algorithm>

SettingsVariables::SettingsVariables()
{
    std::fill(std::begin(mouseBindings), std::end(mouseBindings), -1);
}

SettingsVariables& settingsVariables()
{
    static SettingsVariables variables;
    return variables;
}
