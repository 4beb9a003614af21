#pragma once
// Mirroring an object's geometry across a plane, welded along the plane.
#include "Mesh/List.h"

class InnerShape;
class MirrorPlane;
class Shape;

// Mirrors `mesh` across `plane` (its normal points to the side that is
// kept). Faces of the other half (some corner further than `tolerance`
// behind the plane and none as far in front) are deleted first. Vertices within `tolerance` of
// the plane (never less than the symmetry tolerance) are moved onto it and
// shared by both halves; every other vertex gets a mirrored copy. Every
// face not lying in the plane gets a mirrored copy with its corners in
// reverse order (so it faces outward like the original), keeping texture
// coordinates and material; faceless edges are mirrored too, and mirrored
// edges keep creases and seams. Vertices and faces are made each other's
// mirror partners (on-plane vertices their own, with OnPlane), the plane
// becomes the mesh's mirror plane and, when `symmetry` is set, Symmetry is
// switched on. Returns the number of faces added.
int mirrorGeometry(InnerShape& mesh, const MirrorPlane& plane, float tolerance, bool symmetry);

// Object-level: the mesh operation inside the object protocol.
int mirrorGeometry(Shape& object, const MirrorPlane& plane, float tolerance, bool symmetry);
