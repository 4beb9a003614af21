#pragma once
// Meshes and queries shared by the selection walk tests.
#include <vector>

#include "Mesh/Shape.h"
#include "support/ShapeFixtures.h"

namespace walkfixtures {

using fixtures::openTube;

// A columns × rows grid of unit quads in XY (vertex (i, j) at position
// j * (columns + 1) + i) whose quad with lower-left corner (ti, tj) is split
// into two triangles along its diagonal from (ti, tj) to (ti + 1, tj + 1).
MeshPtr gridWithTriangle(int columns, int rows, int ti, int tj);

// A strip of quads one unit wide (in Z) along a polyline of XY points; the
// point k gives the vertices 2k (z = 0) and 2k + 1 (z = 1).
MeshPtr strip(const std::vector<fixtures::Point>& path);

// Positions in their list of the selected elements.
std::vector<int> selectedVertices(const InnerShape& mesh);
std::vector<int> selectedEdges(const InnerShape& mesh);
std::vector<int> selectedFaces(const InnerShape& mesh);

// Selects the edge joining the vertices at positions a and b; fails the test when there is none.
Edge* selectEdge(InnerShape& mesh, int a, int b);

} // namespace walkfixtures
