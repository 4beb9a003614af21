#pragma once
// Breaking edges: the surface cut open along them.
#include "Mesh/List.h"

class Edge;
class InnerShape;
class Shape;

// Cuts the surface open along the listed edges. Around each end vertex of a
// listed edge, the faces are grouped into fans joined by edges that are not
// listed; every fan but the first gets a copy of the vertex (same position
// and flags, no mirror partner). Each listed edge whose ends thereby come
// apart becomes two border edges, one per face; an edge whose two ends both
// stay single (an edge alone in the middle of a surface) cannot open and
// stays as it is. Returns the number of vertices added.
int breakEdges(InnerShape& mesh, const List<Edge*>& edges);

// Object-level: the mesh operation inside the object protocol.
int breakEdges(Shape& object, const List<Edge*>& edges);
