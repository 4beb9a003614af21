// PLACEHOLDER until the extrusion lands; replaced by its owner's branch.
#include "Mesh/Topology/ExtrudeRegions.h"

int extrudeFaceRegions(Shape&, const List<Face*>&, PointDirections*) { return 0; }
int extrudeEdges(Shape&, const List<Edge*>&, PointDirections*) { return 0; }
