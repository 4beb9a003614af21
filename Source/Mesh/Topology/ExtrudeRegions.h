#pragma once
// Extrusions that keep neighbours together: regions of adjacent faces rise
// as one piece with side walls along the region's boundary, and edges pull
// out new strips of faces.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Edge;
class Face;
class InnerShape;
class Shape;

// Every region of edge-adjacent listed faces (with Symmetry on, mirror
// partners too) is lifted off as one piece: its boundary gets a wall of
// side quads, its inner edges and vertices are shared as before. Each new
// vertex is entered in `directions` (when given) along the mean normal of
// the region's faces around it. Follows the object protocol. Returns the
// number of faces extruded.
//
// `faces` are faces of `object`; repeats and faces of fewer than 3 corners
// are ignored. An edge is inside a region when exactly two listed faces use
// it; every other edge of a listed face (mesh borders included) gets a wall
// quad [a, b, b', a'] that takes the face's place on it, with the face's
// material and the texture coordinates of the face's corners at a and b
// repeated at a' and b'. A creased (or seam) edge stays so at the bottom
// and its top copy gets the same flag. The corners of a vertex that are
// joined through inner edges form a fan: a fan touching a wall gets one new
// vertex (and one side edge down to the old vertex), so regions that meet
// only at a corner come apart there; a fan without walls is an inner vertex
// of its region and is entered in `directions` itself. Holes rise with
// their faces. Vertices of non-manifold pinches whose fan has no wall are
// moved with their region.
int extrudeFaceRegions(Shape& object, const List<Face*>& faces, PointDirections* directions);
// The mesh part, without the object protocol.
int extrudeFaceRegions(InnerShape& mesh, const List<Face*>& faces, PointDirections* directions);

// Each listed edge (chains of listed edges stay joined) is copied, and a
// quad joins it to its copy; the copies' vertices are entered in
// `directions` along the mean normal of the faces around the original
// edge. Follows the object protocol. Returns the number of edges extruded.
//
// Only edges with at most one face are extruded (borders and wire edges):
// a quad on an edge that two faces already share would make it
// non-manifold, so such edges are skipped. The quad on a border edge runs
// it against its face, so the strip continues the surface's winding; it
// takes the face's material and texture coordinates. Copies of wire-edge
// vertices get no direction (zero). A crease on the edge is repeated on
// its copy. With Symmetry on, the edge between the partners of the ends
// is extruded too.
int extrudeEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions);
int extrudeEdges(InnerShape& mesh, const List<Edge*>& edges, PointDirections* directions);
