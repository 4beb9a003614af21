#pragma once
// The torus primitive: a tube swept around the Y axis.
#include "PrimitiveConstruction.h"

class Torus : public Shape {
public:
    // The tube's radius is |outerRadius − innerRadius| / 2 and its centre
    // line a circle of radius (innerRadius + outerRadius) / 2 in y = 0.
    // `radialSections` divides the tube's cross-section, which starts at its
    // outermost point and turns upward; `circumferenceSections` divides the
    // sweep around Y. Counts below 3 count as 3. Vertices circle by circle
    // around Y; faces band by band around the tube, each band around Y.
    // Named "Torus".
    Torus(float innerRadius, float outerRadius, int radialSections, int circumferenceSections,
          float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Torus) == sizeof(Shape));
template <>
class Pool<Torus> : public ShapePoolStorage<Torus> {};
