#pragma once
// Spinning edges: an edge between two faces turned to the next pair of
// corners of the polygon the two faces make together.
#include "Mesh/List.h"

class Edge;
class InnerShape;
class Shape;

// Turns each listed edge of `mesh` whose two faces are different, run it in
// opposite directions and have no holes: with the two faces merged into
// one polygon, the edge's ends step one corner on, in the winding of the
// faces, so each face keeps its corner count (two triangles sharing a side
// swap to the other diagonal). The edge object and its flags stay; the
// faces keep their materials and the corners their texture coordinates.
// An edge is skipped when one of its faces was already spun in this call,
// a face would lose its area (the new ends coincide) or its new ends are
// already joined by another edge. Returns the number of edges spun.
int spinEdges(InnerShape& mesh, const List<Edge*>& edges);

// Object-level: the mesh operation inside the object protocol.
int spinEdges(Shape& object, const List<Edge*>& edges);
