#pragma once
// Split Loop: a new edge loop across the ring of faces that the selected
// edges (or faces) cross.
#include "Mesh/List.h"

class Edge;
class Face;
class Shape;

// Walks the ring through each listed edge: from the edge across each of its
// quads to the opposite side, and on across the quad beyond, both ways,
// until a face that is not a quad (or has holes), a border, a quad crossed
// already, or the start (the ring closes). Every side the ring crosses is
// split at its middle (the middle's texture coordinates halfway along the
// side in each face; both halves keep the side's flags, creases included),
// and every quad crossed is cut between the middles of its two sides into
// two quads of its material and flags. A face that ends the ring only gets
// the middle as a new corner. Listed edges on one ring give one loop; rings
// are split one after another, so a ring crossing a loop made before splits
// the loop's edge in turn. A ring without a quad changes nothing. With
// `Symmetry` on, the edges joining the mirror partners of a listed edge's
// ends are split too. The new edges across the quads (the loop, in ring
// order, ring after ring) are appended to `newEdges` when given; where a
// later ring splits one of them, its second half follows. Follows the
// object protocol (nothing at all happens when no listed edge has a quad).
// Returns the number of quads cut.
int splitLoopAcrossEdges(Shape& object, const List<Edge*>& edges, List<Edge*>* newEdges);

// Splits a strip of listed faces along its middle: the rings start at the
// sides that two listed faces share and cross only listed quads (and their
// pieces), so a closed band of faces gets a closed loop through the middles
// of its shared sides, and an open strip a loop from side to side of it: its
// end quads are cut up to the middles of their far sides, which the faces
// beyond get as new corners. Listed faces sharing no side with another add
// nothing. With `Symmetry` on, the mirror partners of the listed faces count
// as listed. Otherwise as splitLoopAcrossEdges.
int splitLoopThroughFaces(Shape& object, const List<Face*>& faces, List<Edge*>* newEdges);
