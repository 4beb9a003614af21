#pragma once
// The cone primitive: a solid of revolution about Y between two radii.
#include "PrimitiveConstruction.h"

class Cone : public Shape {
public:
    // Profile from (bottomRadius, 0, 0) to (topRadius, height, 0) in
    // heightSections steps, swept in `sections` steps (fewer than 3 count as
    // 3, height sections 0 as 1). An end whose radius is 0, while the other
    // is not, collapses to one apex vertex and gets no cap; any other end is
    // capped, with spokes by a triangle fan around a centre vertex, without
    // by one n-sided face. Named "Cone".
    Cone(float topRadius, float bottomRadius, float height, int sections, int heightSections, bool spokes,
         float layoutSpacing = DefaultLayoutSpacing);
};

// The mesh of Cone and Cylinder, built into `s` after beginPrimitive and
// before finishPrimitive. With fewer than three sections there are no caps:
// two columns meet front to back, one is a wire. Vertices: the columns, then the apexes (bottom,
// top), then the cap centres (top, bottom); faces: the side bands from the
// bottom up, then the top cap, then the bottom cap.
void buildFrustum(Shape& s, float topRadius, float bottomRadius, float height, int sections, int heightSections,
                  bool spokes);

static_assert(sizeof(Cone) == sizeof(Shape));
template <>
class Pool<Cone> : public ShapePoolStorage<Cone> {};
