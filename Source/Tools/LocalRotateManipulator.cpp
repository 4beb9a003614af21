#include <cmath>

#include "Mesh/Vertex.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/ValueTools.h"

namespace {

constexpr float radiansPerDegree = 3.14159265358979323846f / 180.0f;

} // namespace

bool LocalRotateManipulator::start()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole; });
    if (selected.empty())
        return false;
    pivots_.clear();
    // The points have no direction of their own: applyValue turns them.
    enterPoints(selected, false, [this](ObjectSelection& s, PointDirections& d) {
        for (const ComponentGroup& g : componentGroups(*s.object, componentsOf(s)))
            for (Vertex* v : g.vertices) {
                d.addPoint(v, Point3D(0, 0, 0));
                pivots_.push_back({g.centre, g.normal});
            }
    });
    return true;
}

void LocalRotateManipulator::applyValue(float v)
{
    frame->value = v;
    const float radians = v * degreesPerUnit * radiansPerDegree;
    const float c = std::cos(radians), s = std::sin(radians);
    for (int i = 0; i < frame->points.count() && i < static_cast<int>(pivots_.size()); ++i) {
        const Pivot& p = pivots_[i];
        const Point3D d = startPositions[i] - p.centre;
        const Point3D turned = d * c + p.normal.cross(d) * s + p.normal * (p.normal.dot(d) * (1 - c));
        const Point3D at = p.centre + turned;
        frame->points[i]->setPosition(at.x, at.y, at.z);
    }
}

float LocalRotateManipulator::valueFromPoints() const
{
    // The angle of the point farthest from its axis.
    float best = 0, angle = 0;
    for (int i = 0; i < frame->points.count() && i < static_cast<int>(pivots_.size()); ++i) {
        const Pivot& p = pivots_[i];
        const Point3D a = startPositions[i] - p.centre, b = *frame->points[i] - p.centre;
        const Point3D across = a - p.normal * p.normal.dot(a);
        const float length2 = across.dot(across);
        if (length2 <= best)
            continue;
        best = length2;
        angle = std::atan2(p.normal.dot(a.cross(b)), a.dot(b) - p.normal.dot(a) * p.normal.dot(b));
    }
    return angle / (degreesPerUnit * radiansPerDegree);
}
