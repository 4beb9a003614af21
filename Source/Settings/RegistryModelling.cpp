// Modelling commands that take a few settings: incremental saving, flatten,
// mirroring and symmetry, merge and the booleans.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerModellingGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const GroupRow groups[] = {
        {"Save Incremental Options", 273, NoOptionsCommand, {
            {"Number Padding", Int, num(3), {.minimum = 1, .maximum = 10}},
            {"Max Index (0 to disable)", Int, num(100), {.minimum = 0}},
        }},
        {"Flatten", 189, NoOptionsCommand, {
            {"Axis", Choice, programChoice("Local X|Local Y|Local Z|World X|World Y|World Z|Selection Normal"), {}, 0, &v.flattenAxis},
            {"Flatten", Command, runs(187)},
        }},
        {"Mirror Geometry", 177, NoOptionsCommand, {
            {"Mirror From Axis", Choice, choice(0, "World X|World Y|World Z|World -X|World -Y|World -Z")},
            {"Tolerance", Float, num(0), {.minimum = 0}, Length},
            {"Enable Symmetry", Bool, num(1)},
            {"Mirror", Command, runs(67)},
        }},
        {"Instance Mirror", 124, NoOptionsCommand, {
            {"Mirror From Axis", Choice, choice(0, "Local X|Local Y|Local Z")},
            {"Tolerance", Float, programValue(), {.minimum = 0}, Length, &v.instanceMirrorTolerance},
            {"Toggle Mirror", Command, runs(182)},
        }},
        {"Symmetry", 230, NoOptionsCommand, {
            {"Symmetry Axis", Choice, choice(0, "Local X|Local Y|Local Z")},
            {"Tolerance", Float, num(0.002), {.minimum = 0}, Length, &v.symmetryTolerance},
            {"Calculate", Command, runs(40)},
        }},
        {"Merge", 74, NoOptionsCommand, {
            {"Vertex Tolerance", Float, num(0.01), {}, 0, &v.mergeVertexTolerance},
        }},
        {"Booleans", 138, NoOptionsCommand, {
            {"Delete Originals", Bool, num(1), {}, 0, &v.booleanDeleteOriginals},
            {"Subtract", Command, runs(59)},
            {"Intersect", Command, runs(61)},
            {"Combine", Command, runs(60)},
        }},
    };
    addGroups(registry, groups);
}
