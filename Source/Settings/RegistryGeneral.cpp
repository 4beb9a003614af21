// Program-wide settings: general behaviour, subdivision, the drawing tools'
// start-up, the main window's geometry and the scene lights. The subdivision
// options and the window geometry are bound by the application manager, which
// knows the mesh model's variables and the window.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerGeneralGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const GroupRow groups[] = {
        {"General Settings", 113, 100074, {
            {"Open Windows", Choice, programChoice("Docked Left|Docked Right|Floating Left|Floating Right|Floating Center"), {}, 0, &v.openWindows},
            {"Minutes To Autosave", Int, num(15), {.minimum = 0, .dragStep = 5}},
            {"Undo Level", Int, num(10), {.minimum = 1, .dragStep = 1}, 0, &v.undoLevel},
            {"Selection Radius", Int, num(30), {.minimum = 1, .dragStep = 1}, 0, &v.selectionRadius},
            {"Manipulator Sensitivity", Int, num(7), {.minimum = 1, .dragStep = 1}, 0, &v.manipulatorSensitivity},
            {"Units", Choice, choice(0, "Generic|Metric|English")},
            {"Unit Scale", Float, num(1)},
        }},
        {"Subdivision Settings", 214, NoOptionsCommand, {
            {"Max Subdivision Level", Int, num(10), {.minimum = 1, .dragStep = 1}},
            {"Propagate Displacement to Base", Bool, programValue()},
            {"Propagate Displacement to Lower Subdivisions", Bool, num(1)},
            {"Optimized Face Draw Limit", Int, num(20000), {.dragStep = 1000}, 0, &v.optimizedFaceDrawLimit},
            {"Smooth Shade At SubD Level (0 to disable)", Int, programValue(), {.minimum = 0, .dragStep = 1}},
        }},
        {"Edge Tool Options", 172, NoOptionsCommand, {
            {"Subsegments", Int, num(0), {.minimum = 0}},
            {"Initialize Tool", Command, runs(71)},
        }},
        {"Polygon Tool Options", 173, NoOptionsCommand, {
            {"Subsegments", Int, num(0), {.minimum = 0}},
            {"Initialize Tool", Command, runs(72)},
        }},
        {"Surface Tool Options", 300, NoOptionsCommand, {
            {"Enable Surface Snapping on Tool Startup", Bool, num(1), {}, 0, &v.surfaceSnapOnStart},
            {"Ghost Shade Unselected Objects on Tool Startup", Bool, num(1), {}, 0, &v.ghostShadeOnStart},
            {"Initialize Tool", Command, runs(275)},
        }},
        {"Window Options", 100107, NoOptionsCommand, {
            {"Window X", Int, programValue()},
            {"Window Y", Int, programValue()},
            {"Window Width", Int, programValue()},
            {"Window Height", Int, programValue()},
            {"Window Maximized", Bool, programValue()},
        }},
        {"Light Options", 194, 100072, {
            {"Type", Choice, choice(2, "Point|Spot|Directional"), {}, 0, &v.lightType},
            {"Diffuse Color", Colour, rgb(0.5, 0.5, 0.5)},
            {"Ambient Color", Colour, rgb(0.7, 0.7, 0.7)},
            {"Specular Color", Colour, rgb(1, 1, 1)},
            {"Constant Falloff", Float, programValue(), {.minimum = 0, .dragStep = 0.01}, 0, &v.lightConstantFalloff},
            {"Linear Falloff", Float, num(0.05), {.minimum = 0, .dragStep = 0.01}, 0, &v.lightLinearFalloff},
            {"Quadratic Falloff", Float, num(0.01), {.minimum = 0, .dragStep = 0.01}, 0, &v.lightQuadraticFalloff},
            {"Spot Cutoff", Float, num(45), {.minimum = 0, .maximum = 180, .dragStep = 0.5}, 0, &v.lightSpotCutoff},
            {"Spot Exponent", Float, num(0.5), {.minimum = 0, .dragStep = 0.05}, 0, &v.lightSpotExponent},
            {"Lock Lights To Camera", Bool, programValue(), {}, 0, &v.lockLightsToCamera},
            {"Use Custom Lights", Bool, programValue(), {}, 0, &v.useCustomLights},
            {"Show Lights", Bool, num(1), {}, 0, &v.showLights},
            {"Create", Command, runs(192)},
        }},
    };
    addGroups(registry, groups);
}
