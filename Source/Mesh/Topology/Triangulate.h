#pragma once
// Splitting faces into triangles through the polygon tessellator.
#include "Mesh/List.h"

class Face;
class InnerShape;
class Shape;

// Replaces every listed face of `mesh` (faces not in the mesh, null entries
// and repeats are ignored) by triangles covering it, holes left open. Each
// triangle keeps the texture coordinates of the corners it came from, the
// old face's material and its Selected, Hidden and Psub flags, and faces the
// old face's side (reversed when its normal points below -0.001 against the
// old normal). The old faces leave the face list and are released; the
// triangles are appended. With Symmetry on, the mirror partner of each face
// is triangulated as the mirror image of that face's triangles (on its own
// when the corners do not correspond) and is not processed a second time.
// Triangles without holes are already triangles and stay as they are; a face
// the tessellator cannot split (fewer than 3 corners, no area) stays too.
// Ends with rebuildTopology without releasing duplicates; edges of the old
// faces left without faces are dropped. Returns the number of triangles made.
int triangulateFaces(InnerShape& mesh, const List<Face*>& faces);
// The same for every face of the mesh.
int triangulateAll(InnerShape& mesh);

// Object-level: the mesh operation inside the object protocol (touch,
// operation, topologyChanged, update of the normals).
int triangulateFaces(Shape& object, const List<Face*>& faces);
int triangulateAll(Shape& object);
