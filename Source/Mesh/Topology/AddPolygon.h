#pragma once
// Adding one polygon over a closed loop of existing vertices.
#include "Mesh/List.h"

class Face;
class InnerShape;
class Shape;
class Vertex;

// Creates one face of `mesh` whose corners are the vertices of `loop` (at
// least 3, all in the mesh; the last one joins back to the first) and links
// its edges: a side between two vertices already joined by an edge takes
// that edge, any other side gets a new edge. The face is oriented against
// its neighbours: when more of the faces on its sides run a shared side the
// same way as the loop than the other way, the loop is reversed, so that
// shared edges end up run both ways. It takes the default material, texture
// coordinates 0 and a computed normal.
// With Symmetry on and every loop vertex having a mirror partner, the
// mirrored counterpart (the partners in reverse order, oriented the same
// way) is created too, unless the loop lies on the plane (its partners are
// its own vertices) or a face over the partners exists already; the two
// faces become each other's mirror.
// Returns the new face, or null (nothing changed) for a loop of fewer than
// 3 vertices or when memory runs out.
Face* addPolygon(InnerShape& mesh, const List<Vertex*>& loop);

// Object-level: the mesh operation inside the object protocol.
Face* addPolygon(Shape& object, const List<Vertex*>& loop);
