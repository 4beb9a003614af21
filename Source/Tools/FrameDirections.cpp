#include "Tools/FrameDirections.h"

#include "Mesh/Shape.h"
#include "Tools/ManipulatorFrame.h"

void FrameDirections::addPoint(Vertex* v, const Point3D& direction, const Point3D& negative, float weight)
{
    pending_.push_back({v, direction, negative, weight});
}

int FrameDirections::commit()
{
    // The frame keeps points by list position, which the edit may have
    // changed; renumbering gives every vertex its place again. Edits that
    // ran the object protocol have just renumbered, and a second pass over
    // a big object costs as much as the edit.
    const auto placed = [this](const Vertex* v) {
        return v->index >= 0 && v->index < object_.vertices.count() && object_.vertices[v->index] == v;
    };
    for (const Pending& p : pending_)
        if (!placed(p.vertex)) {
            object_.InnerShape::renumber();
            break;
        }
    int entered = 0;
    for (const Pending& p : pending_) {
        const int i = p.vertex->index;
        if (i < 0 || i >= object_.vertices.count() || object_.vertices[i] != p.vertex)
            continue;
        frame_.addPoint(object_, i, p.weight);
        frame_.directions.resize(frame_.points.count() - 1);
        frame_.negativeDirections.resize(frame_.points.count() - 1);
        frame_.directions.push_back(p.direction);
        frame_.negativeDirections.push_back(p.negative);
        if (p.negative.x != p.direction.x || p.negative.y != p.direction.y || p.negative.z != p.direction.z)
            frame_.negativeEnabled = true;
        ++entered;
    }
    pending_.clear();
    if (!changedFaces_.empty() && entered > 0)
        frame_.setChangedFaces(object_, std::move(changedFaces_));
    changedFaces_.clear();
    return entered;
}

void FrameDirections::moveBy(float v)
{
    for (const Pending& p : pending_) {
        const Point3D& d = v < 0 ? p.negative : p.direction;
        p.vertex->setPosition(p.vertex->x + d.x * p.weight * v, p.vertex->y + d.y * p.weight * v,
                              p.vertex->z + d.z * p.weight * v);
    }
}
