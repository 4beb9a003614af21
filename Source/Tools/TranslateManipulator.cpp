#include <array>

#include "Tools/SnapSteps.h"
#include "Tools/TransformManipulator.h"

namespace {

// Plane handles sit this far inside the handle offset.
constexpr float planeInset = 0.2f;

constexpr std::array<Handle, 7> table = {{
    {3, HandleShape::Cube, 3, false, 0, 0.04f},
    {0, HandleShape::Cone, 0, true, -0.05f, 0.06f},
    {1, HandleShape::Cone, 1, true, -0.05f, 0.06f},
    {2, HandleShape::Cone, 2, true, -0.05f, 0.06f},
    {4, HandleShape::Plate, 0, true, -planeInset, 0.065f, true},
    {5, HandleShape::Plate, 1, true, -planeInset, 0.065f, true},
    {6, HandleShape::Plate, 2, true, -planeInset, 0.065f, true},
}};

} // namespace

std::span<const Handle> TranslateManipulator::handles() const
{
    return table;
}

void TranslateManipulator::startDrag(const ViewProjection& view, int x, int y)
{
    const Point3D c = frame->centre;
    plane = handleDragPlane(view, c, frame->axes, dragged);
    if (!plane.hit(view, x, y, startHit))
        startHit = c;
}

void TranslateManipulator::applyDrag(const ViewProjection& view, int x, int y)
{
    Point3D hit;
    if (!plane.hit(view, x, y, hit))
        return;
    Point3D t = hit - startHit;
    if (dragged >= 0 && dragged <= 2)
        t = frame->axes[dragged] * t.dot(frame->axes[dragged]);
    if (step > 0)
        t = snapDistance(t, step, view.worldLength(5, frame->startCentre));
    frame->translate(t);
}
