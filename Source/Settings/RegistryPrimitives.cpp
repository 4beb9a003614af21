// The primitives' creation parameters. The object manager reads them when it
// builds a primitive; none is bound, the groups hold the values themselves.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerPrimitiveGroups(SettingsRegistry& registry)
{
    using enum OptionType;
    const OptionLimits size = {.minimum = 0, .dragStep = 0.05};
    const GroupRow groups[] = {
        {"Cube", 164, 100051, {
            {"Height", Float, num(1), {.minimum = 0, .dragStep = 0.5}, Length},
            {"Width", Float, num(1), {.minimum = 0, .dragStep = 0.5}, Length},
            {"Depth", Float, num(1), {.minimum = 0, .dragStep = 0.5}, Length},
            {"Height Sections", Int, num(1), {.minimum = 1}},
            {"Width Sections", Int, num(1), {.minimum = 1}},
            {"Depth Sections", Int, num(1), {.minimum = 1}},
            {"Create", Command, runs(108)},
        }},
        {"Circle", 174, 100060, {
            {"Fill", Bool, num(0)},
            {"Spokes", Bool, num(0)},
            {"Radius", Float, num(1), size, Length},
            {"Sections", Int, num(5), {.minimum = 3}},
            {"Create", Command, runs(102)},
        }},
        {"Cone", 167, 100061, {
            {"Spokes", Bool, num(0)},
            {"Top Radius", Float, num(0), size, Length},
            {"Bottom Radius", Float, num(1), size, Length},
            {"Height", Float, num(2), size, Length},
            {"Sections", Int, num(12), {.minimum = 3}},
            {"Height Sections", Int, num(1), {.minimum = 1}},
            {"Create", Command, runs(103)},
        }},
        {"Torus", 168, 100062, {
            {"Inner Radius", Float, num(1), size, Length},
            {"Outer Radius", Float, num(2), size, Length},
            {"Radial Sections", Int, num(10), {.minimum = 3}},
            {"Circumference Sections", Int, num(10), {.minimum = 3}},
            {"Create", Command, runs(104)},
        }},
        {"Golf Hole", 100120, NoOptionsCommand, {
            {"Degree Tolerance", Float, num(7), {.dragStep = 0.25}},
        }},
        {"Sphere", 166, 100063, {
            {"Radius", Float, num(1), size, Length},
            {"Sections", Int, num(12), {.minimum = 2}},
            {"Height Sections", Int, num(6), {.minimum = 2}},
            {"Create", Command, runs(105)},
        }},
        {"Arc", 175, 100064, {
            {"Radius", Float, num(1), size, Length},
            {"Inner Radius", Float, num(1), size, Length},
            {"Height", Float, num(1), size, Length},
            {"Degrees", Float, num(360), {.minimum = 0, .dragStep = 2.5}},
            {"Sections", Int, num(20), {.minimum = 1}},
            {"Create", Command, runs(106)},
        }},
        {"Grid", 176, 100065, {
            {"Width", Float, num(1), size, Length},
            {"Depth", Float, num(1), size, Length},
            {"Height", Float, num(0), size, Length},
            {"Width Sections", Int, num(1), {.minimum = 1}},
            {"Depth Sections", Int, num(1), {.minimum = 1}},
            {"Height Sections", Int, num(0), {.minimum = 0}},
            {"Create", Command, runs(107)},
        }},
        {"Lathe", 169, NoOptionsCommand, {
            {"Cap Ends", Bool, num(0)},
            {"Sections", Int, num(1), {.minimum = 1}},
            {"Degrees", Float, num(1), {.minimum = 0, .dragStep = 1}},
            {"Merge Tolerance", Float, num(1), {.minimum = 0, .dragStep = 0.005}},
            {"Axis", Choice, choice(1, "World X|World Y|World Z|Local X|Local Y|Local Z|Endpoints")},
            {"Create", Command, runs(110)},
        }},
        {"Extrusion", 170, 100068, {
            {"Height", Float, num(1), size, Length},
            {"Sections", Int, num(1), {.minimum = 1}},
            {"Axis", Choice, choice(1, "World X|World Y|World Z|Normal")},
            {"Create", Command, runs(111)},
        }},
        {"Path Extrusion", 171, 100069, {
            {"Cap Ends", Bool, num(0)},
            {"Scale", Float, num(1), size},
            {"Rotation", Float, num(1), {.minimum = 0, .dragStep = 1}},
            {"Create", Command, runs(112)},
        }},
        {"Cylinder", 165, 100066, {
            {"Spokes", Bool, num(0)},
            {"Radius", Float, num(1), size, Length},
            {"Height", Float, num(2), size, Length},
            {"Sections", Int, num(12), {.minimum = 1}},
            {"Height Sections", Int, num(4), {.minimum = 1}},
            {"Create", Command, runs(109)},
        }},
    };
    addGroups(registry, groups);
}
