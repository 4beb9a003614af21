#pragma once
// Extracting faces: a copy of some faces of an object as an object of its own.
#include "Mesh/List.h"

class Face;
class InnerShape;
class Shape;

// A new object from the Shape pool holding copies of the listed faces of
// `mesh` (null entries and faces of other meshes ignored) with their holes,
// corner texture coordinates, materials and flags, the vertices and edges
// they use (edge creases and seams kept) and mirror partners among the
// copied elements. It takes the mesh's name, display state and symmetry
// plane, its pivot goes to the centre of its bounding box, and it is
// numbered and updated. Null when no listed face belongs to `mesh` or
// memory runs out; the caller owns the object.
Shape* extractFaces(const InnerShape& mesh, const List<Face*>& faces);
