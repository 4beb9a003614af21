#pragma once
// Bridging: two faces, or two closed border loops, joined by a tube of quads.
#include "Mesh/List.h"

class Edge;
class Face;
class InnerShape;
class Shape;

// Every corner of the tube takes the texture coordinates that the face along
// its side of the loop (the removed face, or the border's face) has at that
// vertex, so the mapping of both ends runs on into the tube.

// Joins faces a and b of `mesh` (different, without holes, with the same
// number of corners and no vertex in common) by one quad per side and
// removes them. Corner k of one face is paired with the corner of the
// other that minimises the summed distance over all pairs (every rotation,
// in the winding that keeps the tube's faces agreeing with both
// neighbourhoods first, the other winding only when strictly closer). The
// quads take a's material. Returns false, nothing changed, when the faces do
// not qualify.
bool bridgeFaces(InnerShape& mesh, Face* a, Face* b);

// Joins two closed loops of border edges (each edge with one face). `edges`
// must hold exactly the edges of two disjoint loops with the same number of
// edges, in any order. The tube's quads run each border edge against its
// face and take the material of the first loop's faces; the pairing is
// chosen as for bridgeFaces. False, nothing changed, otherwise.
bool bridgeBorders(InnerShape& mesh, const List<Edge*>& edges);

// The number of vertices of the one closed border loop that `edges` make;
// 0 when they make none, several, or list an edge that is not a border.
int borderLoopLength(const List<Edge*>& edges);
// The edges of `mesh` with exactly one face.
List<Edge*> borderEdges(const InnerShape& mesh);
// Of the faces without holes, one of `a` and one of `b` with as many
// corners, not listed in `skip`, the pair that face each other (each
// centre lies in front of the other face) with the nearest centres. False,
// outputs untouched, when no pair faces each other.
bool facingFaces(const InnerShape& a, const InnerShape& b, const List<Face*>& skip, Face*& outA, Face*& outB);

// Object-level: the mesh operations inside the object protocol.
bool bridgeFaces(Shape& object, Face* a, Face* b);
bool bridgeBorders(Shape& object, const List<Edge*>& edges);
