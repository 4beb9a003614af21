#pragma once
// Inset: every listed face gets a smaller copy of itself inside its outline,
// joined to the outline by a ring of quads.
#include "Mesh/List.h"
#include "Mesh/Topology/PointDirections.h"

class Face;
class Shape;

// Insets every listed face (with Symmetry on, mirror partners too). The
// inner corners start on the outer ones and are entered in `directions`
// (when given) so that a value v moves them v world units towards the
// face's centre. Follows the object protocol. Returns the number of faces inset.
int insetFaces(Shape& object, const List<Face*>& faces, PointDirections* directions);
