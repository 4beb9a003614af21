#include "ObjectCopies.h"

#include <algorithm>

#include "Pool.h"
#include "ShapeInstance.h"
#include "Topology/AbsorbShapes.h"

namespace {

// The transform is column-major, its translation in entries 12 to 14.
Point3D transformed(const float m[16], const Point3D& p)
{
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

void copyAxisFrame(InnerShape& to, const InnerShape& from)
{
    for (int i = 0; i < 4; ++i)
        to.axisFrame[i].copyFrom(from.axisFrame[i]);
}

// What an object looks like apart from its geometry: name, display and
// shading flags, and its axis.
void copyLook(Shape& to, const Shape& from)
{
    to.name = from.name;
    to.displayFlags = from.displayFlags;
    to.shading = from.shading;
    to.textureFlags = from.textureFlags;
    copyAxisFrame(to, from);
}

bool hasOwnMesh(const Shape& object)
{
    return object.shapeKind() == InnerShape::KindShape;
}

} // namespace

void ObjectBounds::add(const Point3D& p)
{
    if (empty) {
        low = high = p;
        empty = false;
        return;
    }
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
}

ObjectBounds objectBounds(const Shape& object)
{
    ObjectBounds b;
    if (object.shapeKind() == InnerShape::KindShapeInstance) {
        const auto& instance = static_cast<const ShapeInstance&>(object);
        if (instance.instancedShape)
            for (const Vertex* v : instance.instancedShape->vertices)
                b.add(transformed(instance.transform, *v));
        return b;
    }
    for (const Vertex* v : object.vertices)
        b.add(*v);
    return b;
}

ObjectBounds combinedBounds(Shape* const* first, Shape* const* last)
{
    ObjectBounds all;
    for (; first != last; ++first) {
        const ObjectBounds b = objectBounds(**first);
        if (!b.empty) {
            all.add(b.low);
            all.add(b.high);
        }
    }
    return all;
}

Shape* copyObject(const Shape& object)
{
    Shape* copy = nullptr;
    if (object.shapeKind() == InnerShape::KindShapeInstance) {
        const auto& instance = static_cast<const ShapeInstance&>(object);
        if (!instance.instancedShape)
            return nullptr;
        auto* twin = take<ShapeInstance>(instance.instancedShape);
        std::copy(instance.transform, instance.transform + 16, twin->transform);
        copyLook(*twin, instance);
        copy = twin;
    } else if (hasOwnMesh(object)) {
        copy = take<Shape>(object);
        copy->setLevel(object.levelStack.currentLevel, true);
    } else {
        return nullptr;
    }
    copy->instanceMirror = 0;
    copy->set(Geometry::Selected, false);
    return copy;
}

Shape* deinstantiate(const ShapeInstance& instance)
{
    InnerShape* shown = instanceGeometryAsShown(instance);
    if (!shown)
        return nullptr;
    Shape* object = take<Shape>(*shown);
    shown->release();
    copyLook(*object, instance);
    object->update(true, false, -1);
    return object;
}

Shape* geometryCopy(const Shape& object)
{
    if (object.shapeKind() == InnerShape::KindShapeInstance)
        return deinstantiate(static_cast<const ShapeInstance&>(object));
    return copyObject(object);
}

ShapeInstance* instanceOf(Shape& object)
{
    ShapeInstance* instance = nullptr;
    if (object.shapeKind() == InnerShape::KindShapeInstance) {
        instance = static_cast<ShapeInstance*>(copyObject(object));
    } else if (hasOwnMesh(object)) {
        instance = take<ShapeInstance>(&object);
        copyLook(*instance, object);
    }
    return instance;
}

void moveObject(Shape& object, const Point3D& offset)
{
    if (object.shapeKind() == InnerShape::KindShapeInstance) {
        auto& instance = static_cast<ShapeInstance&>(object);
        instance.transform[12] += offset.x;
        instance.transform[13] += offset.y;
        instance.transform[14] += offset.z;
    } else {
        for (Vertex* v : object.vertices)
            v->setPosition(v->x + offset.x, v->y + offset.y, v->z + offset.z);
        object.update(true, true, -1);
    }
    Vertex& p = object.pivot();
    p.setPosition(p.x + offset.x, p.y + offset.y, p.z + offset.z);
}

void setObjectAxis(InnerShape& object, const Point3D& pivot, const Point3D& x, const Point3D& y, const Point3D& z)
{
    object.setPivot(pivot);
    object.xAxis().setPosition(x.x, x.y, x.z);
    object.yAxis().setPosition(y.x, y.y, y.z);
    object.zAxis().setPosition(z.x, z.y, z.z);
}

bool recenterObjectAxis(InnerShape& object, const ObjectBounds& bounds)
{
    if (bounds.empty)
        return false;
    object.setPivot(bounds.centre());
    return true;
}
