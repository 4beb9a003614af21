#include <array>
#include <cmath>

#include "Tools/TransformManipulator.h"

namespace {

constexpr float planeInset = 0.2f;

constexpr std::array<Handle, 7> table = {{
    {3, HandleShape::Cube, 3, false, 0, 0.06f},
    {0, HandleShape::Cube, 0, true, 0, 0.04f},
    {1, HandleShape::Cube, 1, true, 0, 0.04f},
    {2, HandleShape::Cube, 2, true, 0, 0.04f},
    {4, HandleShape::Plate, 0, true, -planeInset, 0.065f, true},
    {5, HandleShape::Plate, 1, true, -planeInset, 0.065f, true},
    {6, HandleShape::Plate, 2, true, -planeInset, 0.065f, true},
}};

// Plane handle 4 takes its factor from X and scales across Z; 5 from Y
// across X; 6 from Z across Y.
constexpr int planeNormal[3] = {2, 0, 1};

} // namespace

std::span<const Handle> ScaleManipulator::handles() const
{
    return table;
}

void ScaleManipulator::startDrag(const ViewProjection& view, int x, int y)
{
    const Point3D c = frame->centre;
    pivot = c;
    plane = handleDragPlane(view, c, frame->axes, dragged);
    if (!plane.hit(view, x, y, startHit))
        startHit = c;
}

void ScaleManipulator::applyDrag(const ViewProjection& view, int x, int y)
{
    if (dragged == 3) {
        float f = 1 + 0.01f * (std::abs(x - firstX) + 1);
        if (x < firstX)
            f = 1 / f;
        frame->scaleUniform(pivot, f);
        return;
    }
    Point3D hit;
    if (!plane.hit(view, x, y, hit))
        return;
    const float r = (startHit - pivot).length();
    // A drag that starts on the pivot has no length to compare with: no scale.
    const int from = dragged <= 2 ? dragged : dragged - 4;
    const float f = r > 0 ? 1 + (hit - startHit).dot(frame->axes[from]) / r : 1.0f;
    if (dragged <= 2)
        frame->scale(pivot, frame->axes[dragged], f, false);
    else
        frame->scale(pivot, frame->axes[planeNormal[dragged - 4]], f, true);
}
