#include <algorithm>
#include <array>
#include <cmath>

#include "Tools/SnapSteps.h"
#include "Tools/TransformManipulator.h"

namespace {

constexpr double degreesPerRadian = 57.29577951308232;

constexpr std::array<Handle, 5> table = {{
    {3, HandleShape::Sphere, 3, false, 0, 0.065f},
    {0, HandleShape::Bar, 0, true, 0, 0.175f},
    {1, HandleShape::Bar, 1, true, 0, 0.175f},
    {2, HandleShape::Bar, 2, true, 0, 0.175f},
    {7, HandleShape::Ring, 3, false, 0, 0.2f, true},
}};

// Bars 0, 1, 2 turn in the XY, YZ and ZX planes, about Z, X and Y.
constexpr int planeAxes[3][2] = {{0, 1}, {1, 2}, {2, 0}};
constexpr int rotationAxis[3] = {2, 0, 1};

} // namespace

std::span<const Handle> RotateManipulator::handles() const
{
    return table;
}

void RotateManipulator::startDrag(const ViewProjection& view, int x, int y)
{
    const Point3D c = frame->centre;
    lastX = x;
    lastY = y;
    if (dragged < 0 || dragged > 2)
        return;
    const Point3D* a = frame->axes;
    plane = DragPlane::through(c, c + a[planeAxes[dragged][0]], c + a[planeAxes[dragged][1]]);
    if (!plane.hit(view, x, y, startHit))
        startHit = c;
}

void RotateManipulator::applyDrag(const ViewProjection& view, int x, int y)
{
    const Point3D c = frame->startCentre;
    Point3D axis(0, 0, 1);
    double angle = 0;
    if (dragged >= 0 && dragged <= 2) {
        axis = frame->axes[rotationAxis[dragged]];
        Point3D hit;
        if (plane.hit(view, x, y, hit)) {
            const Point3D u = (startHit - c).normalized(), v = (hit - c).normalized();
            angle = std::acos(std::clamp(static_cast<double>(u.dot(v)), -1.0, 1.0)) * degreesPerRadian;
            if (u.cross(v).dot(axis) < 0)
                angle = -angle;
        }
    } else if (dragged == 3) {
        // Trackball: the surface facing the viewer follows the mouse.
        double px, py, depth;
        if (view.project(c, px, py, depth)) {
            const Point3D motion = view.unproject(px + (x - firstX), py + (y - firstY), depth) -
                                   view.unproject(px, py, depth);
            Point3D origin, direction;
            view.ray(firstX, firstY, origin, direction);
            axis = direction.cross(motion).normalized();
            angle = -std::hypot(x - firstX, y - firstY);
        }
    } else {
        // Screen ring: about the viewing direction through the centre.
        double px, py, depth;
        if (view.project(c, px, py, depth)) {
            const double ux = pressX - px, uy = pressY - py, vx = x - px, vy = y - py;
            if (std::hypot(ux, uy) >= 0.5) {
                angle = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy) * degreesPerRadian;
                // Counter-clockwise on screen turns about the axis towards the viewer.
                axis = (c - view.eye).normalized() * -1.0f;
                if (view.orthographic)
                    axis = (view.target - view.eye).normalized() * -1.0f;
            }
        }
    }
    if (std::isnan(angle) || axis.length() == 0)
        angle = 0;
    lastX = x;
    lastY = y;
    frame->rotate(axis, c, snapAngle(static_cast<float>(angle), step));
}
