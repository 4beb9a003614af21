#pragma once
// Bevel with one segment: listed edges become narrow faces, listed vertices
// have their corners cut off, listed faces have their outline bevelled.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Edge;
class Face;
class Shape;
class Vertex;

struct BevelResult {
    int bevelled = 0;     // edges (or, for bevelVertices, vertices) bevelled, mirror partners included
    int skippedEdges = 0; // listed edges without two adjacent faces, left as they were
};

// Each bevel starts with the new vertices on the old ones and enters them in
// `directions` (when given) so that a value v moves them v world units
// along the edges or faces away from what was bevelled. All follow the
// object protocol; with Symmetry on mirror partners are bevelled too, and
// the new elements are paired with the partners' new elements. Elements
// not in the object, null entries and repeats are ignored; when nothing can
// be bevelled the object is left untouched.
//
// At each end of a bevelled edge the vertex splits: an edge there that is
// not bevelled gets a point sliding along it (sliding faster where it meets
// the bevelled edge at a slant, so that the bevel keeps its width), and a
// face corner between two bevelled edges gets a point moving into the face
// at unit distance from both. Where three or more of these points ring the
// old vertex (a cube corner, or the end of a lone bevelled edge at a vertex
// of four edges) a corner polygon closes the gap; where two do, the faces
// meet along one edge. New corners keep their face's texture coordinates
// at the old corner (they do not follow the value); narrow faces take the
// material of their edge's first face. A bevelled edge stays on its first
// face's side and a new edge with the same flags (crease, seam) borders the
// other, so both borders of a creased bevel stay creased. Edges that do not
// have two faces running them both ways are skipped and counted.
BevelResult bevelEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions);
// Cuts each listed vertex (with a face) off: one point per edge at it,
// sliding along that edge at unit speed, and a corner polygon joining them.
BevelResult bevelVertices(Shape& object, const List<Vertex*>& vertices, PointDirections* directions);
// Bevels every edge of the listed faces' outlines (holes included), shared
// edges between listed faces too; border edges count as skipped.
BevelResult bevelFaces(Shape& object, const List<Face*>& faces, PointDirections* directions);
// Every edge of the object.
BevelResult bevelObject(Shape& object, PointDirections* directions);
