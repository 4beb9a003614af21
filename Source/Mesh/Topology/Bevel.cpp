// PLACEHOLDER until the bevel lands; replaced by its owner's branch.
#include "Mesh/Topology/Bevel.h"

BevelResult bevelEdges(Shape&, const List<Edge*>&, PointDirections*) { return {}; }
BevelResult bevelVertices(Shape&, const List<Vertex*>&, PointDirections*) { return {}; }
BevelResult bevelFaces(Shape&, const List<Face*>&, PointDirections*) { return {}; }
BevelResult bevelObject(Shape&, PointDirections*) { return {}; }
