#pragma once
// The cube primitive: a box standing on the ground plane, each side a grid
// of quads.
#include "PrimitiveConstruction.h"

class Box : public Shape {
public:
    // x from −width/2 to width/2, y from 0 to height, z from −depth/2 to
    // depth/2; each side divided by the section counts of its two
    // directions (0 counts as 1). Named "Cube".
    Box(float width, float height, float depth, int widthSections, int heightSections, int depthSections,
        float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Box) == sizeof(Shape));
template <>
class Pool<Box> : public ShapePoolStorage<Box> {};
