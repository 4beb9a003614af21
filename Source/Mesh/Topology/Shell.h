#pragma once
// Shell: an object gets a thickness. Its surface is copied facing inwards,
// and open borders are joined to their copies by a rim of quads.
#include "Mesh/Topology/PointDirections.h"

class InnerShape;
class Shape;

// The copied vertices start on the originals and are entered in
// `directions` (when given) so that a value v moves them v world units
// against the vertex normals. Follows the object protocol. False, changing
// nothing, for an object without faces.
//
// Every face gets a reversed copy (holes too) with its material and texture
// coordinates; every edge that a face uses gets a copy carrying its crease
// and seam; vertices and edges no face uses (wire) are not copied. Each
// border edge a→b gets a rim quad [b, a, a', b'] with the face's material
// and coordinates, so a closed object ends as two disjoint closed surfaces
// and an open one as one closed surface. The vertex normal is the mean of
// the normals of the faces around the vertex, whatever the shading mode.
bool shellObject(Shape& object, PointDirections* directions);
// The mesh part, without the object protocol.
bool shellObject(InnerShape& mesh, PointDirections* directions);
