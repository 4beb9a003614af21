#pragma once
// The grid primitive: a plane of quads facing +Y, or a stack of such planes.
#include "PrimitiveConstruction.h"

class Grid : public Shape {
public:
    // A width × depth plane in y = 0 centred on the origin, vertices row by
    // row from (−width/2, 0, −depth/2), x varying fastest. With
    // heightSections > 0 and a height other than 0, heightSections + 1 such
    // planes stand height/heightSections apart from y = 0 upward, each a
    // separate sheet (vertices and faces plane by plane). Section counts of
    // 0 count as 1 (height sections excepted). Named "Grid".
    Grid(float width, float depth, float height, int widthSections, int depthSections, int heightSections,
         float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(Grid) == sizeof(Shape));
template <>
class Pool<Grid> : public ShapePoolStorage<Grid> {};
