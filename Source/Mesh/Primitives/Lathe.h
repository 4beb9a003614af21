#pragma once
// The lathe: a profile turned about an axis into a surface of revolution.
#include <vector>

#include "PrimitiveConstruction.h"

class Lathe : public Shape {
public:
    // Turns the profile (points in order; `closedProfile` joins the last to
    // the first) about the axis through `axisPoint` along `axisDirection`
    // (the Y axis when it has no length) by `degrees`, right-handed about
    // the direction. |degrees| ≥ 360 is a full turn of `sections` steps
    // (fewer than 3 count as 3) whose last column joins the first; less is
    // an open sweep of `sections` steps (0 counts as 1) and sections + 1
    // columns. A profile point within `mergeTolerance` of the axis is one
    // vertex instead of a column of copies. With `capEnds`, a full turn of
    // an open profile closes the ring each end point traces with one face,
    // and an open sweep closes each end column with one face. Faces are
    // wound alike across every shared side and face away from the axis (a
    // closed result: outward). Fewer than 2 profile points, or degrees 0,
    // give an empty object. Named "Lathe".
    Lathe(const std::vector<Point3D>& profile, bool closedProfile, const Point3D& axisPoint,
          const Point3D& axisDirection, float degrees, int sections, bool capEnds, float mergeTolerance,
          float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Lathe) == sizeof(Shape));
template <>
class Pool<Lathe> : public ShapePoolStorage<Lathe> {};
