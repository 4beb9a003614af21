#pragma once
// The extrusion: a profile pushed along a straight direction into a wall,
// or into a capped prism when the profile is a loop.
#include <vector>

#include "PrimitiveConstruction.h"

class StraightExtrude : public Shape {
public:
    // Row r (r = 0 … sections, sections 0 counting as 1) is the profile
    // moved by direction·height·r/sections, `direction` made unit (the Y
    // axis when it has no length); vertices row by row, then the wall quads
    // band by band. A closed profile (3 points or more) gets a cap face at
    // each end and faces outward; an open one is a wall whose first face's
    // normal runs along (second point − first point) × direction. Fewer than
    // 2 points give an empty object. Named "Extrusion".
    StraightExtrude(const std::vector<Point3D>& profile, bool closedProfile, const Point3D& direction, float height,
                    int sections, float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(StraightExtrude) == sizeof(Shape));
template <>
class Pool<StraightExtrude> : public ShapePoolStorage<StraightExtrude> {};
