// How the viewports draw: line and point sizes, transparency, the camera,
// the work and UV grids and what is shown.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerDisplayGroups(SettingsRegistry& registry, SettingsVariables& v)
{
    using enum OptionType;
    const OptionLimits pixels = {.minimum = 1, .maximum = 10, .dragStep = 1};
    const OptionLimits alpha = {.minimum = 0, .maximum = 1, .dragStep = 0.01};
    const OptionLimits unitAlpha = {.minimum = 0, .maximum = 1};
    const GroupRow groups[] = {
        {"Display Settings", 117, 100071, {
            {"Edge Width", Float, num(1), pixels, 0, &v.edgeWidth},
            {"Vertex Size", Float, num(3), pixels, 0, &v.vertexSize},
            {"Selected Edge Width", Float, num(2), pixels, 0, &v.selectedEdgeWidth},
            {"Selected Vertex Size", Float, num(4), pixels, 0, &v.selectedVertexSize},
            {"Edge Alpha", Float, num(0.25), alpha, 0, &v.edgeAlpha},
            {"Face Alpha", Float, num(0.4), alpha, 0, &v.faceAlpha},
            {"Normals Length", Float, num(0.3)},
            {"Camera Field Of View", Float, num(20), {.minimum = 1, .maximum = 179, .dragStep = 0.5}, 0, &v.cameraFieldOfView},
            {"Near Clipping Plane Ratio", Float, num(0.001), {.minimum = 1e-06, .maximum = 0.5, .dragStep = 0.0005, .rateFloor = 1e-06}, 0, &v.nearClipRatio},
            {"Walkthrough Mode Speed", Float, num(1), {.minimum = 0}, 0, &v.walkthroughSpeed},
            {"Work Grid Width", Float, num(10), {.minimum = 0.001}, Length, &v.workGridWidth},
            {"Work Grid Spacing", Float, num(1), {.minimum = 0.001}, Length, &v.workGridSpacing},
            {"Work Grid Heavy Step", Int, num(5), {.minimum = 1, .dragStep = 1}, 0, &v.workGridHeavyStep},
            {"Work Grid Alpha", Float, num(0.1), unitAlpha, 0, &v.workGridAlpha},
            {"UV Grid Width", Float, num(1), {.minimum = 1}, 0, &v.uvGridWidth},
            {"UV Grid Spacing", Float, num(1), {.minimum = 0.001}, 0, &v.uvGridSpacing},
            {"UV Grid Alpha", Float, num(0.1), unitAlpha, 0, &v.uvGridAlpha},
            {"UV Grid Texture Alpha", Float, num(0.5), unitAlpha, 0, &v.uvGridTextureAlpha},
            {"Texture Resolution", Choice, choice(1, "128|512|1024|2048"), {}, 0, &v.textureResolution},
            {"Optimized Face Draw Limit", Int, num(20000), {.dragStep = 1000}, 0, &v.optimizedFaceDrawLimit},
            {"Rotate Camera Around", Choice, programChoice("Selection|Framed Selection"), {}, 0, &v.rotateCameraAround},
            {"Backface Culling", Bool, programValue(), {}, 0, &v.backfaceCulling},
            {"Show Subdivision Cages", Bool, programValue(), {}, 0, &v.showSubdivisionCages},
            {"Show Selection Subdivision Cages", Bool, programValue(), {}, 0, &v.showSelectionSubdivisionCages},
            {"Show Selection Highlighting", Bool, num(1), {}, 0, &v.showSelectionHighlighting},
            {"Triangulate Quads", Bool, num(0)},
            {"Draw Viewport Gradient", Bool, programValue(), {}, 0, &v.drawViewportGradient},
        }},
    };
    addGroups(registry, groups);
}
