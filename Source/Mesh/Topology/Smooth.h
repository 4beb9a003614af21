#pragma once
// Laplacian smoothing of vertices.
#include "Mesh/List.h"

class InnerShape;
class Shape;
class Vertex;

// Moves each listed vertex of `mesh` (repeats ignored) `strength` (0 … 1,
// clamped) of the way towards the mean of its edge neighbours, `iterations`
// times; every pass reads the positions of the pass before. Vertices on a
// border (an edge with fewer than two faces) and vertices without
// neighbours stay where they are. The smooth command passes its
// "Iterations" and 1 − "Volume Preservation" as the strength. Returns the
// number of vertices that were free to move.
int smoothVertices(InnerShape& mesh, const List<Vertex*>& vertices, int iterations, float strength);

// Object-level: smooths, then updates positions and normals on every level.
int smoothVertices(Shape& object, const List<Vertex*>& vertices, int iterations, float strength);
