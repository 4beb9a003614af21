#pragma once
// A single polygon through given points, as a polygon drawing tool makes it.
#include <vector>

#include "PrimitiveConstruction.h"

class SPolygon : public Shape {
public:
    // One face whose corners are the points in the given order (its front
    // is the side they run counter-clockwise around). Fewer than 3 points
    // give an empty object. Named "Polygon".
    explicit SPolygon(const std::vector<Point3D>& points, float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(SPolygon) == sizeof(Shape));
template <>
class Pool<SPolygon> : public ShapePoolStorage<SPolygon> {};
