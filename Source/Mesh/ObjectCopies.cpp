#include "ObjectCopies.h"

#include <algorithm>
#include <cmath>

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

namespace {

// Column-major 3 × 3 of the frame's directions.
void frameDirections(const InnerShape& object, double out[9])
{
    for (int c = 0; c < 3; ++c) {
        const Vertex& a = object.axisFrame[InnerShape::AxisX + c];
        out[3 * c] = a.x;
        out[3 * c + 1] = a.y;
        out[3 * c + 2] = a.z;
    }
}

double determinant(const double m[9])
{
    return m[0] * (m[4] * m[8] - m[7] * m[5]) - m[3] * (m[1] * m[8] - m[7] * m[2]) + m[6] * (m[1] * m[5] - m[4] * m[2]);
}

// The inverse of a column-major 3 × 3 whose determinant is `det` (not 0).
void inverse(const double m[9], double det, double out[9])
{
    out[0] = (m[4] * m[8] - m[5] * m[7]) / det;
    out[1] = (m[2] * m[7] - m[1] * m[8]) / det;
    out[2] = (m[1] * m[5] - m[2] * m[4]) / det;
    out[3] = (m[5] * m[6] - m[3] * m[8]) / det;
    out[4] = (m[0] * m[8] - m[2] * m[6]) / det;
    out[5] = (m[2] * m[3] - m[0] * m[5]) / det;
    out[6] = (m[3] * m[7] - m[4] * m[6]) / det;
    out[7] = (m[1] * m[6] - m[0] * m[7]) / det;
    out[8] = (m[0] * m[4] - m[1] * m[3]) / det;
}

Point3D mapPoint(const double m[16], const Point3D& p, double w = 1)
{
    return Point3D(float(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12] * w),
                   float(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13] * w),
                   float(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14] * w));
}

} // namespace

void relativePlacement(const InnerShape& from, const InnerShape& to, double out[16])
{
    double a[9], b[9], r[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    frameDirections(from, a);
    frameDirections(to, b);
    const double detA = determinant(a);
    if (std::abs(detA) > 1e-9) {
        double inv[9], turned[9];
        inverse(a, detA, inv);
        for (int c = 0; c < 3; ++c)
            for (int row = 0; row < 3; ++row)
                turned[3 * c + row] = b[row] * inv[3 * c] + b[3 + row] * inv[3 * c + 1] + b[6 + row] * inv[3 * c + 2];
        if (determinant(turned) > 1e-9)
            std::copy(turned, turned + 9, r);
    }
    const Vertex& p = from.axisFrame[InnerShape::AxisPivot];
    const Vertex& q = to.axisFrame[InnerShape::AxisPivot];
    std::fill(out, out + 16, 0.0);
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 3; ++row)
            out[4 * c + row] = r[3 * c + row];
    out[12] = q.x - (r[0] * p.x + r[3] * p.y + r[6] * p.z);
    out[13] = q.y - (r[1] * p.x + r[4] * p.y + r[7] * p.z);
    out[14] = q.z - (r[2] * p.x + r[5] * p.y + r[8] * p.z);
    out[15] = 1;
}

void transformObject(Shape& object, const double m[16])
{
    if (object.shapeKind() == InnerShape::KindShapeInstance) {
        auto& instance = static_cast<ShapeInstance&>(object);
        float before[16];
        std::copy(instance.transform, instance.transform + 16, before);
        for (int c = 0; c < 4; ++c)
            for (int row = 0; row < 4; ++row) {
                double sum = 0;
                for (int k = 0; k < 4; ++k)
                    sum += m[4 * k + row] * before[4 * c + k];
                instance.transform[4 * c + row] = float(sum);
            }
    } else {
        for (Vertex* v : object.vertices) {
            const Point3D p = mapPoint(m, *v);
            v->setPosition(p.x, p.y, p.z);
        }
        object.update(true, true, -1);
    }
    const Point3D pivot = mapPoint(m, object.pivot());
    object.setPivot(pivot);
    for (int i = InnerShape::AxisX; i <= InnerShape::AxisZ; ++i) {
        const Point3D d = mapPoint(m, object.axisFrame[i], 0).normalized();
        object.axisFrame[i].setPosition(d.x, d.y, d.z);
    }
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
