#include "Scene/Undo/URmovePoints.h"

#include <algorithm>

#include "Mesh/Shape.h"

void URmovePoints::addPoint(InnerShape& object, int index)
{
    record({&object, 0, index, nullptr, {}});
    addObject(object);
}

void URmovePoints::addLevelPoint(Shape& object, int level, int index)
{
    record({&object, level, index, nullptr, {}});
    addObject(object);
}

void URmovePoints::addPoint(Point3D& point)
{
    record({nullptr, 0, -1, &point, {}});
}

void URmovePoints::addObject(InnerShape& object)
{
    if (std::find(objects_.begin(), objects_.end(), &object) == objects_.end())
        objects_.push_back(&object);
}

void URmovePoints::record(MovedPoint p)
{
    Point3D* point = resolve(p);
    if (!point)
        return;
    p.position[0] = point->x;
    p.position[1] = point->y;
    p.position[2] = point->z;
    points_.push_back(p);
}

Point3D* URmovePoints::resolve(const MovedPoint& p) const
{
    if (!p.object)
        return p.direct;
    InnerShape* mesh = p.object;
    if (p.level > 0) {
        auto* shape = dynamic_cast<Shape*>(p.object);
        if (!shape || p.level > shape->levelStack.maxBuiltLevel())
            return nullptr;
        mesh = shape->levelStack.levelMesh(p.level);
    }
    if (p.index < 0 || p.index >= mesh->vertices.count())
        return nullptr;
    return mesh->vertices[p.index];
}

bool URmovePoints::revert()
{
    for (MovedPoint& p : points_) {
        Point3D* point = resolve(p);
        if (!point)
            continue;
        const float now[3] = {point->x, point->y, point->z};
        // A level vertex is recomputed from its stencil plus its displacement
        // on the next update, so the move has to live in the displacement.
        if (point->kind() == Geometry::KindVertex) {
            auto* v = static_cast<Vertex*>(point);
            if (!v->stencil.empty()) {
                if (float* d = v->ensureDisplacement())
                    for (int k = 0; k < 3; ++k)
                        d[k] += p.position[k] - now[k];
            }
        }
        point->setPosition(p.position[0], p.position[1], p.position[2]);
        std::copy(now, now + 3, p.position);
    }
    for (InnerShape* object : objects_)
        object->update(true, !object->isPlainMesh(), -1);
    if (refreshProxies)
        refreshProxies();
    return true;
}
