#pragma once
// Split Loop: a new edge loop across the ring of faces that the selected
// edges (or faces) cross.
#include "Mesh/List.h"

class Edge;
class Face;
class Shape;

// Splits the quads of the ring through each listed edge at the middle of
// the ring's edges, stopping at a non-quad face, a border, or where the ring
// closes. The new loop's edges are appended to `newEdges` (when given).
// Follows the object protocol. Returns the number of faces split.
int splitLoopAcrossEdges(Shape& object, const List<Edge*>& edges, List<Edge*>* newEdges);
// Splits the listed faces along the loop through them: each listed quad that
// borders another listed face is cut between the middles of its two edges
// that lead across the strip. New edges as above.
int splitLoopThroughFaces(Shape& object, const List<Face*>& faces, List<Edge*>* newEdges);
