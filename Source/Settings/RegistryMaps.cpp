// Generation of displacement and normal maps by ray casting from the
// subdivided surface to the base mesh.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerMapGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const OptionLimits imageSize = {.minimum = 1};
    const OptionLimits samples = {.minimum = 1, .dragStep = 1000};
    const GroupRow groups[] = {
        {"Displacement Map Options", 271, NoOptionsCommand, {
            {"Width", Int, num(512), imageSize, 0, &v.displacementMapWidth},
            {"Height", Int, num(512), imageSize, 0, &v.displacementMapHeight},
            {"Raycast Samples", Int, num(1000000), samples, 0, &v.displacementRaycastSamples},
            {"Raycast Distance", Float, num(1), {.minimum = 0}, Length, &v.displacementRaycastDistance},
            {"Generate", Command, runs(270)},
        }},
        {"Normal Map Options", 204, NoOptionsCommand, {
            {"Width", Int, num(512), imageSize, 0, &v.normalMapWidth},
            {"Height", Int, num(512), imageSize, 0, &v.normalMapHeight},
            {"Coordinate Space", Choice, programChoice("World|Tangent"), {}, 0, &v.normalMapSpace},
            {"RGB Order", Choice, programChoice("RGB|RBG|GRB|GBR|BRG|BGR"), {}, 0, &v.normalMapRgbOrder},
            {"Invert Red", Bool, programValue(), {}, 0, &v.normalMapInvertRed},
            {"Invert Green", Bool, programValue(), {}, 0, &v.normalMapInvertGreen},
            {"Invert Blue", Bool, programValue(), {}, 0, &v.normalMapInvertBlue},
            {"Raycast Samples", Int, num(1000000), samples, 0, &v.normalRaycastSamples},
            {"Raycast Distance", Float, num(1), {.minimum = 0}, Length, &v.normalRaycastDistance},
            {"Raycast Self", Bool, num(1), {}, 0, &v.normalRaycastSelf},
            {"Generate", Command, runs(58)},
        }},
    };
    addGroups(registry, groups);
}
