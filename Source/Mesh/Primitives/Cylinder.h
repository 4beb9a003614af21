#pragma once
// The cylinder primitive: a tube about Y standing on y = 0, capped at both ends.
#include "PrimitiveConstruction.h"

class Cylinder : public Shape {
public:
    // Profile from (radius, 0, 0) to (radius, height, 0) in heightSections
    // steps, swept in `sections` steps (0 counts as 1, and with fewer
    // than 3 there are no caps: see buildFrustum; height sections 0 as 1). With spokes each cap is a triangle fan around a
    // centre vertex (the last two vertices: top, then bottom); without, one
    // n-sided face. Named "Cylinder".
    Cylinder(float radius, float height, int sections, int heightSections, bool spokes,
             float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Cylinder) == sizeof(Shape));
template <>
class Pool<Cylinder> : public ShapePoolStorage<Cylinder> {};
