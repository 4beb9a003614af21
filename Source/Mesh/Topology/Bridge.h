#pragma once
// Bridging: two faces, or two closed border loops, joined by a tube of quads.
#include "Mesh/List.h"

class Edge;
class Face;
class InnerShape;
class Shape;

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

// Object-level: the mesh operations inside the object protocol.
bool bridgeFaces(Shape& object, Face* a, Face* b);
bool bridgeBorders(Shape& object, const List<Edge*>& edges);
