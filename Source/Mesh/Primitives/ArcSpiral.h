#pragma once
// The arc primitive: a wire arc, or a spiral when it climbs or narrows.
#include "PrimitiveConstruction.h"

class ArcSpiral : public Shape {
public:
    // sections + 1 vertices (sections 0 counts as 1) joined by `sections`
    // edges, no faces. Before turning, vertex k lies on the straight line
    // from (radius, 0, 0) to (innerRadius, height, 0) at k/sections of the
    // way; then it is turned about Y by k·degrees/sections degrees. Named
    // "Line Segment".
    ArcSpiral(float radius, float innerRadius, float height, float degrees, int sections);
};

static_assert(sizeof(ArcSpiral) == sizeof(Shape));
template <>
class Pool<ArcSpiral> : public ShapePoolStorage<ArcSpiral> {};
