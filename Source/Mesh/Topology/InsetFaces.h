#pragma once
// Inset: every listed face gets a smaller copy of itself inside its outline,
// joined to the outline by a ring of quads.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Face;
class InnerShape;
class Shape;

// Insets every listed face (with Symmetry on, mirror partners too). The
// inner corners start on the outer ones and are entered in `directions`
// (when given) so that a value v moves them v world units towards the
// face's centre. Follows the object protocol. Returns the number of faces inset.
//
// Each face is inset on its own (neighbours do not share inner corners).
// The face keeps its place in the list, its material and its texture
// coordinates, now on the inner corners; ring quad k stands on the face's
// old side k (corners outer k, outer k+1, inner k+1, inner k), takes the
// face's material, and repeats the coordinates of the outer corners on the
// inner ones, so the ring starts with no extent in texture space as in
// space. The direction is the unit vector from the corner to the centre
// (mean of the corners): the border is even along regular faces and an
// inner corner reaches the centre at v = its distance. Faces with holes and
// faces of fewer than 3 corners are skipped.
int insetFaces(Shape& object, const List<Face*>& faces, PointDirections* directions);
// The mesh part, without the object protocol.
int insetFaces(InnerShape& mesh, const List<Face*>& faces, PointDirections* directions);
