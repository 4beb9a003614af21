#pragma once
// Unifying normals: faces turned so that neighbours agree.
#include "Mesh/List.h"

class Face;
class InnerShape;
class Shape;

// Splits the listed faces (null entries, repeats and faces of other meshes
// ignored) into parts connected through edges shared by exactly two listed
// faces. Within each part, faces are sorted by whether they run every such
// shared edge against their neighbour when the first face is kept as it
// is; the smaller of the two sets is reversed (on a tie the set without
// the part's first face), so that every shared edge is run in opposite
// directions and the larger agreeing set decides which way the part faces.
// A part that cannot be oriented (a Möbius strip) keeps the first choice
// met at each face. Returns the number of faces reversed.
int unifyNormals(InnerShape& mesh, const List<Face*>& faces);

// Object-level: the mesh operation inside the object protocol.
int unifyNormals(Shape& object, const List<Face*>& faces);
