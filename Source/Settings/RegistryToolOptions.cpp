// Options of the interactive tools and manipulators, special selection, the
// display toggles and the cut tool.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerToolOptionGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const GroupRow groups[] = {
        {"Topology Tool Options", 240, NoOptionsCommand, {
            {"Maximum Face Size", Int, num(6), {.minimum = 3}, 0, &v.topologyMaxFaceSize},
            {"Offset", Float, programValue(), {}, 0, &v.topologyOffset},
            {"Merge Tolerance", Float, num(0.01), {.minimum = 0, .dragStep = 0.001}, Length, &v.topologyMergeTolerance},
            {"Use Auto Tolerance", Bool, num(1), {}, 0, &v.topologyAutoTolerance},
            {"Delete All Strokes", Command, runs(100073)},
            {"Initialize", Command, runs(239)},
        }},
        {"Manipulator Options", 147, 100110, {
            {"Manipulator Size", Int, num(80), {}, 0, &v.manipulatorSize},
            {"Manipulator Handle Offset", Float, num(0.8), {}, 0, &v.manipulatorHandleOffset},
            {"Show Planar Handles", Bool, num(1), {}, 0, &v.showPlanarHandles},
        }},
        {"Snap Manipulator Tool Options", 305, NoOptionsCommand, {
            {"Rotation Snapping Angle", Float, num(15), {.dragStep = 1}, 0, &v.rotationSnapAngle},
            {"Distance Snapping Amount", Float, num(0.5), {.dragStep = 0.1}, Length, &v.distanceSnapAmount},
        }},
        // The count option has an empty name: its field sits beside the type.
        {"Select Special Options", 119, NoOptionsCommand, {
            {"Type", Choice, programChoice("Faces with sides =|Faces with sides !=|Faces with sides <|Faces with sides >|"
                                           "Vertices with edges =|Vertices with edges !=|Vertices with edges <|Vertices with edges >|"
                                           "Edges with faces =|Edges with faces !=|Edges with faces <|Edges with faces >"),
             {}, 0, &v.selectSpecialType},
            {"", Int, programValue(), {.minimum = 0}, 0, &v.selectSpecialCount},
            {"Select", Command, runs(43)},
        }},
        {"Display", 100131, NoOptionsCommand, {
            {"Show Buttons", Bool, num(1), {}, 0, &v.showButtons},
            {"Show Grids", Bool, num(1), {}, 0, &v.showGrids},
            {"Show Manipulators", Bool, num(1), {}, 0, &v.showManipulators},
            {"Show Viewport Images", Bool, num(1), {}, 0, &v.showViewportImages},
            {"Show UV Seams", Bool, programValue(), {}, 0, &v.showUVSeams},
        }},
        {"Cut Options", 49, NoOptionsCommand, {
            {"Cut Sections", Int, num(0), {.minimum = 1}},
        }},
    };
    addGroups(registry, groups);
}
