#pragma once
// The registry's tables, one file per stretch of related groups. buildRegistry
// calls them in this order, which is the order of the groups.
#include "Settings/SettingsRegistry.h"
#include "Settings/SettingsVariables.h"

// "Soft Selection" to "Smooth": the value tools.
void registerValueToolGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Cube" to "Cylinder": the primitives.
void registerPrimitiveGroups(SettingsRegistry& registry);
// "Save Incremental Options" to "Booleans".
void registerModellingGroups(SettingsRegistry& registry, SettingsVariables& v);
// "General Settings" to "Light Options".
void registerGeneralGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Color Settings".
void registerColourGroups(SettingsRegistry& registry);
// "Display Settings".
void registerDisplayGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Mouse Settings".
void registerMouseGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Button Settings" and "Keyboard Settings", filled by their editors and loads.
void registerBindingGroups(SettingsRegistry& registry);
// "Topology Tool Options" to "Cut Options".
void registerToolOptionGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Brush Editor": the painting brushes, filled from the brush list.
void registerBrushGroups(SettingsRegistry& registry);
// "Displacement Map Options" and "Normal Map Options".
void registerMapGroups(SettingsRegistry& registry, SettingsVariables& v);
// "Obj Options" to "Render External Options": files and renderers.
void registerFormatGroups(SettingsRegistry& registry);
// "Selection Style Options" to "Export UVs To Image Options".
void registerSelectionAndUVGroups(SettingsRegistry& registry, SettingsVariables& v);
