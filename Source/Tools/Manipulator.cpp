#include "Tools/Manipulator.h"

#include <algorithm>
#include <cmath>

#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ManipulatorFrame.h"

namespace {

struct Pixel {
    double x = 0, y = 0;
};

bool toScreen(const ViewProjection& view, const Point3D& p, Pixel& out)
{
    double depth;
    return view.project(p, out.x, out.y, depth);
}

double segmentDistance(const Pixel& a, const Pixel& b, double x, double y)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// Cones are picked along their axis line from this far out, so that the
// centre handle keeps the middle.
constexpr float coneLineStart = 0.2f;
constexpr float coneHeight = 0.2f;

} // namespace

Manipulator::Manipulator(ManipulatorFrame& target)
{
    frame = &target;
}

Point3D Manipulator::centre() const
{
    return useCustomPosition ? position : frame->centre;
}

ViewProjection Manipulator::viewAt(int x, int y) const
{
    ViewProjection view;
    if (scene && scene->displayManager && !scene->displayManager->viewAt(x, y, view))
        view = scene->displayManager->activeView();
    return view;
}

void Manipulator::measure(const ViewProjection& view)
{
    const float length = view.worldLength(static_cast<float>(settingsVariables().manipulatorSize), centre());
    if (length > 0)
        scale = length;
}

float Manipulator::axisLineLength() const
{
    return settingsVariables().manipulatorHandleOffset;
}

Point3D Manipulator::handlePoint(const Handle& h) const
{
    if (h.axis > 2)
        return centre();
    const float units = h.along + (h.fromOffset ? settingsVariables().manipulatorHandleOffset : 0.0f);
    return centre() + frame->axes[h.axis] * (units * scale);
}

bool Manipulator::shown(const Handle& h) const
{
    return !h.planar || settingsVariables().showPlanarHandles;
}

double Manipulator::pickDistance(const Handle& h, const ViewProjection& view, double x, double y) const
{
    const double unitPixels = settingsVariables().manipulatorSize;
    const Point3D anchor = handlePoint(h);
    Pixel a, b;
    switch (h.shape) {
    case HandleShape::Cone: {
        const Point3D axis = frame->axes[h.axis];
        if (!toScreen(view, centre() + axis * (coneLineStart * scale), a) ||
            !toScreen(view, anchor + axis * (coneHeight * scale), b))
            return 1e9;
        return segmentDistance(a, b, x, y) - h.size * unitPixels;
    }
    case HandleShape::Bar: {
        const Point3D across = frame->axes[(h.axis + 1) % 3] * (h.size * scale);
        if (!toScreen(view, anchor - across, a) || !toScreen(view, anchor + across, b))
            return 1e9;
        return segmentDistance(a, b, x, y) - 0.03 * unitPixels;
    }
    case HandleShape::Ring:
        if (!toScreen(view, centre(), a))
            return 1e9;
        return std::abs(std::hypot(x - a.x, y - a.y) - h.size * unitPixels);
    default:
        if (!toScreen(view, anchor, a))
            return 1e9;
        return std::hypot(x - a.x, y - a.y) - h.size * unitPixels;
    }
}

int Manipulator::pickHandle(int x, int y, Camera*)
{
    if (!handlesShown || !frame->hasTarget())
        return -1;
    const ViewProjection view = viewAt(x, y);
    measure(view);
    const double reach = settingsVariables().manipulatorSensitivity * 1.2 / 2;
    int best = -1;
    double bestDistance = reach;
    // Inside a handle counts as distance 0, so that where handles overlap
    // (an axis pointing at the viewer) the first in the table wins.
    for (const Handle& h : handles()) {
        if (!shown(h))
            continue;
        const double d = std::max(0.0, pickDistance(h, view, x, y));
        if (d <= bestDistance && (best == -1 || d < bestDistance)) {
            best = h.number;
            bestDistance = d;
        }
    }
    return best;
}

bool Manipulator::mousePress(int x, int y, int, int, int, Camera* camera)
{
    return pickHandle(x, y, camera) != -1;
}

bool Manipulator::mouseHover(int x, int y, Camera* camera)
{
    if (isDragging())
        return mouseDrag(x, y, camera);
    const int handle = pickHandle(x, y, camera);
    if (handle != activeHandle) {
        activeHandle = handle;
        redrawNeeded = true;
    }
    return false;
}

void Manipulator::setActiveHandle(int handle)
{
    activeHandle = handle;
    selectHandle(handle);
}

bool Manipulator::targetFor(int action, int x, int y)
{
    if (frame->hasTarget())
        return true;
    return action == CommandId::Tweak && scene && scene->toolManager && scene->toolManager->tweakSelect(x, y);
}

bool Manipulator::snapsToSurface()
{
    return frame->objects.empty();
}

bool Manipulator::snapPoints(List<Vertex*>& outPoints)
{
    outPoints = frame->points;
    return true;
}

void Manipulator::targetChanged()
{
    if (isDragging())
        return;
    if (scene && scene->toolManager)
        scene->toolManager->rebuildFrame();
    useCustomPosition = false;
    redrawNeeded = true;
}

bool DragPlane::hit(const ViewProjection& view, double x, double y, Point3D& out) const
{
    Point3D origin, direction;
    view.ray(x, y, origin, direction);
    const float along = direction.dot(normal);
    if (std::abs(along) < 1e-6f)
        return false;
    const float t = (this->origin - origin).dot(normal) / along;
    out = origin + direction * t;
    return true;
}

DragPlane DragPlane::through(const Point3D& a, const Point3D& b, const Point3D& c)
{
    return {a, (b - a).cross(c - a).normalized()};
}

DragPlane axisDragPlane(const ViewProjection& view, const Point3D& centre, const Point3D axes[3], int axis)
{
    double cx, cy, depth;
    view.project(centre, cx, cy, depth);
    int other = (axis + 1) % 3;
    double longest = -1;
    for (int k : {(axis + 1) % 3, (axis + 2) % 3}) {
        double px, py;
        view.project(centre + axes[k], px, py, depth);
        const double length = std::hypot(px - cx, py - cy);
        if (length > longest) {
            longest = length;
            other = k;
        }
    }
    return DragPlane::through(centre, centre + axes[axis], centre + axes[other]);
}

DragPlane screenDragPlane(const ViewProjection& view, const Point3D& centre)
{
    double cx, cy, depth;
    view.project(centre, cx, cy, depth);
    return DragPlane::through(centre, view.unproject(cx + 5, cy, depth), view.unproject(cx, cy + 5, depth));
}

DragPlane handleDragPlane(const ViewProjection& view, const Point3D& centre, const Point3D axes[3], int handle)
{
    static constexpr int planeAxes[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    if (handle >= 0 && handle <= 2)
        return axisDragPlane(view, centre, axes, handle);
    if (handle >= 4 && handle <= 6)
        return DragPlane::through(centre, centre + axes[planeAxes[handle - 4][0]],
                                  centre + axes[planeAxes[handle - 4][1]]);
    return screenDragPlane(view, centre);
}
