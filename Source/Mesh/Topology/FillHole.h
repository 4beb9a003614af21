#pragma once
// Closing a hole in the surface from one of its border edges.
#include "Mesh/List.h"

class Edge;
class InnerShape;
class Shape;
class Vertex;

// The loop that closes the hole bordered by `e` (a boundary edge of `mesh`
// from A = startVertex to B = endVertex): the shortest path in edges from A
// to B over the other edges with fewer than two faces, found by a wave
// search, of which ties go to the edge that comes first in the edge list.
// `outLoop` gets (B, …, A). False, `outLoop` empty, when `e` is not a
// boundary edge, no such path exists, or `maxLength` > 0 and the loop has
// more than `maxLength` vertices. Only scratch tags change.
bool findHoleLoop(InnerShape& mesh, Edge* e, int maxLength, List<Vertex*>& outLoop);

// Fills the hole with one face over that loop through addPolygon (which adds
// the mirrored counterpart with Symmetry on). `maxLength` -1 is unlimited.
// False when nothing was filled.
bool fillHole(InnerShape& mesh, Edge* e, int maxLength);

// Object-level: when a loop is found, adds its face inside the object
// protocol; otherwise changes nothing and returns false.
bool fillHole(Shape& object, Edge* e, int maxLength);
