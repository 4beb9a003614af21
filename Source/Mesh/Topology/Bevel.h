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
    int bevelled = 0;     // elements bevelled
    int skippedEdges = 0; // listed edges without two adjacent faces, left as they were
};

// Each bevel starts with the new vertices on the old ones and enters them in
// `directions` (when given) so that a value v moves them v world units along
// the edges or faces away from what was bevelled. All follow the object
// protocol; with Symmetry on mirror partners are bevelled too.
BevelResult bevelEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions);
BevelResult bevelVertices(Shape& object, const List<Vertex*>& vertices, PointDirections* directions);
// The edges around the listed faces.
BevelResult bevelFaces(Shape& object, const List<Face*>& faces, PointDirections* directions);
// Every edge of the object.
BevelResult bevelObject(Shape& object, PointDirections* directions);
