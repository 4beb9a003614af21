#pragma once
// Shell: an object gets a thickness. Its surface is copied facing inwards,
// and open borders are joined to their copies by a rim of quads.
#include "Mesh/Topology/PointDirections.h"

class Shape;

// The copied vertices start on the originals and are entered in
// `directions` (when given) so that a value v moves them v world units
// against the vertex normals. Follows the object protocol. False, changing
// nothing, for an object without faces.
bool shellObject(Shape& object, PointDirections* directions);
