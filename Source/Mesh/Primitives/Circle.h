#pragma once
// The circle primitive: a ring in y = 0, filled as a polygon facing +Y or
// left as a closed wire.
#include "PrimitiveConstruction.h"

class Circle : public Shape {
public:
    // A ring of `sections` vertices (fewer than 3 count as 3) from
    // (radius, 0, 0), stepping 360/sections degrees about −Y. Filled: one
    // n-sided face, or with spokes a centre vertex (last) at the origin and
    // a fan of triangles; named "Polygon". Not filled: the ring's edges
    // only, each from one vertex to the next; named "Line Segment".
    Circle(float radius, int sections, bool fill, bool spokes, float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Circle) == sizeof(Shape));
template <>
class Pool<Circle> : public ShapePoolStorage<Circle> {};
