#pragma once
// The one builder of the settings registry, run once at start-up before the
// preferences file is read.
#include "Settings/SettingsRegistry.h"

struct SettingsVariables;

// Empties `registry`, then registers every group and option in their fixed
// order, binding the bound options to settingsVariables(). Options whose
// variables live outside the settings (the mesh model's, the window's) are
// left unbound here: their owners bind them (SceneApplicationManager).
void buildRegistry(SettingsRegistry& registry);

// The same with the bound options tied to the given variables, which must
// outlive the registry.
void buildRegistry(SettingsRegistry& registry, SettingsVariables& variables);
