// Soft selection and the value tools: each group holds the tool's default
// amount and a button that starts the tool.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerValueToolGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const GroupRow groups[] = {
        {"Soft Selection", 161, 100052, {
            {"Enabled", Bool, num(0)},
            {"Type", Choice, choice(1, "Spherical|Surface")},
            {"Radius", Float, num(2), {.minimum = 0, .dragRate = 0.05}, Length},
            {"Falloff", Float, num(1), {.minimum = 0, .maximum = 2, .dragStep = 0.01}},
            {"Radius From Sel", Command, runs(274)},
        }},
        {"Bevel", 140, 100053, {
            {"Default Amount", Float, num(0.1), {.minimum = 0, .dragStep = 0.01, .dragRate = 0.25, .rateFloor = 0.001}, Length, &v.bevelAmount},
            {"Bevel", Command, runs(39)},
        }},
        {"Slide", 139, 100059, {
            {"Default Amount", Float, num(0.2), {.minimum = -1, .maximum = 1, .dragStep = 0.01}, Length, &v.slideAmount},
            {"Slide", Command, runs(242)},
        }},
        {"Extrude", 218, 100054, {
            {"Default Amount", Float, num(0.1), {.dragRate = 0.1}, Length, &v.extrudeAmount},
            {"Keep Faces Together", Bool, num(1), {}, 0, &v.extrudeKeepFacesTogether},
            {"Extrude", Command, runs(37)},
        }},
        {"Local Move", 263, 100055, {
            {"Default Amount", Float, num(0.1), {.dragRate = 0.05, .rateFloor = 0.01}, Length, &v.localMoveAmount},
            {"Local Move", Command, runs(205)},
        }},
        {"Inset Scale", 141, 100056, {
            {"Default Amount", Float, num(0.1), {.dragRate = 0.1, .rateFloor = 0.001}, Length, &v.insetAmount},
            {"Inset Scale", Command, runs(215)},
        }},
        {"Local Scale", 264, 100057, {
            {"Default Amount", Float, num(0.1), {.dragRate = 0.1, .rateFloor = 0.001}, 0, &v.localScaleAmount},
            {"Local Scale", Command, runs(216)},
        }},
        {"Shell", 142, 100058, {
            {"Default Amount", Float, num(0.2), {.dragRate = 0.1}, Length, &v.shellAmount},
            {"Shell", Command, runs(66)},
        }},
        {"Smooth", 244, NoOptionsCommand, {
            {"Iterations", Int, num(5), {.minimum = 0}, 0, &v.smoothIterations},
            {"Volume Preservation", Float, num(0.1), {.minimum = 0, .maximum = 1, .dragStep = 0.05}, 0, &v.smoothVolumePreservation},
            {"Smooth", Command, runs(243)},
        }},
    };
    addGroups(registry, groups);
}
