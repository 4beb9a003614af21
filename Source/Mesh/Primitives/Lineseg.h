#pragma once
// A wire polyline: the line segment object that drawing tools and imports
// make, and the profiles and paths of the sweeping primitives.
#include <vector>

#include "PrimitiveConstruction.h"

class Lineseg : public Shape {
public:
    // One vertex per point, each joined to the next by an edge, and the last
    // to the first when `closed` (and there are at least 3 points). Fewer
    // than 2 points give the vertices only. Named "Line Segment".
    explicit Lineseg(const std::vector<Point3D>& points, bool closed = false);
    // The straight segment from a to b cut into `sections` pieces (0 counts as 1).
    Lineseg(const Point3D& a, const Point3D& b, int sections);
};

static_assert(sizeof(Lineseg) == sizeof(Shape));
template <>
class Pool<Lineseg> : public ShapePoolStorage<Lineseg> {};
