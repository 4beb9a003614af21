#pragma once
// The sphere primitive: a UV sphere centred at the origin with poles on Y.
#include "PrimitiveConstruction.h"

class Sphere : public Shape {
public:
    // `sections` columns (0 counts as 1; see revolveProfile) of heightSections − 1 ring
    // vertices each (height sections below 2 count as 2), then the top and
    // the bottom pole as the last two vertices. Faces band by band from the
    // top: a triangle fan at each pole, quads between. Named "Sphere".
    Sphere(float radius, int sections, int heightSections, float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Sphere) == sizeof(Shape));
template <>
class Pool<Sphere> : public ShapePoolStorage<Sphere> {};
