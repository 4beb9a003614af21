#include <cmath>

#include "Scene/SceneManagers.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ComponentSnap.h"
#include "Tools/CompositeManipulators.h"

namespace {

// Rotate bars 0, 1, 2 turn about Z, X, Y.
constexpr int rotationAxis[3] = {2, 0, 1};
// How near the mouse a component must be, in pixels.
constexpr float componentReach = 10;

} // namespace

float SnappingManipulator::axisLineLength() const
{
    return settingsVariables().manipulatorHandleOffset + 0.2f - 0.02f;
}

bool SnappingManipulator::route(int handle, TransformManipulator*& outInner, int& outHandle)
{
    const SettingsVariables& v = settingsVariables();
    move.step = rotate.step = 0;
    if (handle >= 0 && handle <= 3) {
        outInner = &move;
        outHandle = handle;
        move.step = v.distanceSnapAmount;
    } else if (handle >= 4 && handle <= 6) {
        outInner = &rotate;
        outHandle = handle - 4;
        rotate.step = v.rotationSnapAngle;
    } else if (handle >= 100 && handle <= 102) {
        outInner = &move;
        outHandle = handle - 100;
    } else if (handle >= 104 && handle <= 106) {
        outInner = &rotate;
        outHandle = handle - 104;
    } else {
        return false;
    }
    return true;
}

bool SnappingManipulator::mouseDrag(int x, int y, Camera* camera)
{
    if (!CompositeManipulator::mouseDrag(x, y, camera))
        return false;
    if (routed < 100 || !scene)
        return true;
    const ViewProjection view = viewAt(x, y);
    Point3D target;
    if (!componentPointUnder(*scene, view, x, y, *frame, componentReach, target))
        return true;
    const Point3D c = frame->startCentre;
    if (routed <= 102) {
        const Point3D axis = frame->axes[routed - 100];
        frame->translate(axis * (target - c).dot(axis));
    } else {
        // Turn so that the direction the drag started towards points at the target.
        const Point3D axis = frame->axes[rotationAxis[routed - 104]];
        auto flat = [&](const Point3D& p) { return ((p - c) - axis * (p - c).dot(axis)).normalized(); };
        const Point3D u = flat(rotate.dragStart()), w = flat(target);
        float angle = std::acos(std::fmax(-1.0f, std::fmin(1.0f, u.dot(w)))) * 57.29577951308232f;
        if (u.cross(w).dot(axis) < 0)
            angle = -angle;
        frame->rotate(axis, c, std::isnan(angle) ? 0.0f : angle);
    }
    frame->finish();
    return true;
}
