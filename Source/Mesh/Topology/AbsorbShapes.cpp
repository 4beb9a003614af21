#include "Mesh/Topology/AbsorbShapes.h"

#include <unordered_set>

#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"

void moveElements(InnerShape& into, InnerShape& from)
{
    into.vertices.reserve(into.vertices.count() + from.vertices.count());
    into.edges.reserve(into.edges.count() + from.edges.count());
    into.faces.reserve(into.faces.count() + from.faces.count());
    for (Vertex* v : from.vertices)
        into.vertices.append(v);
    for (Edge* e : from.edges)
        into.edges.append(e);
    for (Face* f : from.faces)
        into.faces.append(f);
    from.vertices.clear();
    from.edges.clear();
    from.faces.clear();
    from.touch();
}

InnerShape* instanceGeometryAsShown(const ShapeInstance& instance)
{
    if (!instance.instancedShape)
        return nullptr;
    InnerShape* copy = take<InnerShape>(*static_cast<const InnerShape*>(instance.instancedShape));
    if (!copy)
        return nullptr;
    const float* m = instance.transform;
    for (Vertex* v : copy->vertices) {
        float x = m[0] * v->x + m[4] * v->y + m[8] * v->z + m[12];
        float y = m[1] * v->x + m[5] * v->y + m[9] * v->z + m[13];
        float z = m[2] * v->x + m[6] * v->y + m[10] * v->z + m[14];
        float w = m[3] * v->x + m[7] * v->y + m[11] * v->z + m[15];
        if (w != 0.0f && w != 1.0f) {
            x /= w;
            y /= w;
            z /= w;
        }
        v->setPosition(x, y, z);
    }
    if (instance.isMirrored())
        for (Face* f : copy->faces)
            f->reverse();
    copy->update(true, false, -1);
    return copy;
}

int absorbShapes(Shape& object, const List<Shape*>& others)
{
    object.touch();
    std::unordered_set<const Shape*> taken{&object};
    int absorbed = 0;
    for (Shape* other : others) {
        if (!other || !taken.insert(other).second)
            continue;
        const int kind = other->shapeKind();
        if (kind == InnerShape::KindLight || kind == InnerShape::KindTextureProxy)
            continue;
        if (kind == InnerShape::KindShapeInstance) {
            InnerShape* shown = instanceGeometryAsShown(*static_cast<ShapeInstance*>(other));
            if (!shown)
                continue;
            moveElements(object, *shown);
            shown->release();
        } else {
            moveElements(object, *other);
            // Its levels were built from the elements that moved away.
            other->levelStack.dirty = true;
        }
        ++absorbed;
    }
    object.topologyChanged();
    object.resetAxis();
    object.update(true, false, -1);
    return absorbed;
}
