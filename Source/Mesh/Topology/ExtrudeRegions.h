#pragma once
// Extrusions that keep neighbours together: regions of adjacent faces rise
// as one piece with side walls along the region's boundary, and edges pull
// out new strips of faces.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Edge;
class Face;
class Shape;

// Every region of edge-adjacent listed faces (with Symmetry on, mirror
// partners too) is lifted off as one piece: its boundary gets a wall of
// side quads, its inner edges and vertices are shared as before. Each new
// vertex is entered in `directions` (when given) along the mean normal of
// the region's faces around it. Follows the object protocol. Returns the
// number of faces extruded.
int extrudeFaceRegions(Shape& object, const List<Face*>& faces, PointDirections* directions);

// Each listed edge (chains of listed edges stay joined) is copied, and a
// quad joins it to its copy; the copies' vertices are entered in
// `directions` along the mean normal of the faces around the original
// edge. Follows the object protocol. Returns the number of edges extruded.
int extrudeEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions);
