#pragma once
// Extruding faces one by one: every face gets its own ring of side faces,
// so neighbouring extruded faces come apart.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Face;
class InnerShape;
class Point3D;
class Shape;
class Vertex;

// Extrudes every listed face of `mesh` (with Symmetry on, their mirror
// partners too; faces not in the mesh and repeats are ignored), taken in
// the order of the mesh's face list. For a face F with n corners (oldV[k],
// edge oldE[k] to oldV[k+1]) it appends new vertices newV[k] at the old
// positions, then per k a top edge topE[k] newV[k]→newV[k+1] and a side
// edge sideE[k] newV[k]→oldV[k], then per k a side face S[k] with corners
// oldV[k] (oldE[k]), oldV[k+1] (sideE[k+1]), newV[k+1] (topE[k]), newV[k]
// (sideE[k]), which takes F's place on oldE[k]. F keeps its place in the
// face list with corner k on newV[k] and topE[k]. Holes of F are extruded
// the same way, contour by contour, after the outer contour. When `frame`
// is given, each newV[k] is entered in it with F's normal as direction and
// the object is finished in it at the end. With Symmetry on, mirror
// partners are computed again, and then the new vertices and side faces,
// which start on top of old ones, are paired by construction: the new vertex
// above v with the new vertex above v's partner. Faces of fewer than 3
// corners are skipped. Returns the number of faces extruded.
int extrudeFacesSeparately(InnerShape& mesh, const List<Face*>& faces, PointDirections* frame);

// Object-level: inside the object protocol (touch, operation,
// topologyChanged, update with normals and positions); the control mesh's
// pairing by construction is kept across topologyChanged.
int extrudeFacesSeparately(Shape& object, const List<Face*>& faces, PointDirections* frame);
