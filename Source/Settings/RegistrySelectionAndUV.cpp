// Selection style, area selection and the UV commands.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerSelectionAndUVGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const OptionLimits nudge = {.minimum = 0, .dragStep = 0.005};
    const OptionLimits imageSize = {.minimum = 0, .dragStep = 1};
    const GroupRow groups[] = {
        {"Selection Style Options", 100023, NoOptionsCommand, {
            {"Selection Style", Int, programValue(), {}, 0, &v.selectionStyle},
        }},
        {"Area Selection Options", 125, NoOptionsCommand, {
            {"Only Select Fully Enclosed", Bool, programValue(), {}, 0, &v.onlySelectFullyEnclosed},
        }},
        {"Recreate UVs Planar Regions Options", 283, NoOptionsCommand, {
            {"Degree Tolerance", Float, num(5), {.minimum = 0, .maximum = 180, .dragStep = 1}, 0, &v.planarRegionsDegreeTolerance},
            {"Recreate UVs", Command, runs(277)},
        }},
        {"Recreate UVs Options", 284, NoOptionsCommand, {
            {"Layout Spacing", Float, num(0.01), {.minimum = 0, .maximum = 1, .dragStep = 0.005}, 0, &v.uvLayoutSpacing},
            {"XYZ", Command, runs(248)},
            {"Per Face", Command, runs(276)},
            {"Planar", Command, runs(277)},
            {"LSCM", Command, runs(278)},
            {"Neighbors", Command, runs(279)},
        }},
        {"Nudge UVs Options", 293, NoOptionsCommand, {
            {"Nudge U Amount", Float, num(1), nudge, 0, &v.nudgeU},
            {"Nudge V Amount", Float, num(1), nudge, 0, &v.nudgeV},
            {"Nudge Rotation Degrees", Float, num(45), {.dragStep = 1}, 0, &v.nudgeRotation},
            {"Nudge U+", Command, runs(287)},
            {"Nudge U-", Command, runs(289)},
            {"Nudge V+", Command, runs(288)},
            {"Nudge V-", Command, runs(290)},
            {"Rotate +", Command, runs(291)},
            {"Rotate -", Command, runs(292)},
        }},
        {"Export UVs To Image Options", 296, NoOptionsCommand, {
            {"Image Width", Int, num(512), imageSize, 0, &v.uvImageWidth},
            {"Image Height", Int, num(512), imageSize, 0, &v.uvImageHeight},
            {"Background Color", Colour, rgb(1, 1, 1)},
            {"Line Color", Colour, rgb(0.5, 0.5, 0.5)},
            {"Export Image", Command, runs(295)},
        }},
    };
    addGroups(registry, groups);
}
