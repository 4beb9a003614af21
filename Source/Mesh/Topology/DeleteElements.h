#pragma once
// Deleting vertices, edges or faces of a mesh.
#include "Mesh/List.h"

class Edge;
class Face;
class InnerShape;
class Shape;
class Vertex;

// Removes the listed faces (null entries, repeats and faces of other meshes
// ignored). Their sides become borders; edges and vertices that only they
// used are released. Returns the number of faces removed.
int deleteFaces(InnerShape& mesh, const List<Face*>& faces);

// Removes the listed vertices with every face and edge that uses them; other
// edges and vertices left unused by those faces go too. Returns the number
// of vertices removed.
int deleteVertices(InnerShape& mesh, const List<Vertex*>& vertices);

// Removes the listed edges. An edge between two different faces is
// dissolved: the two faces become one polygon (the first face keeps its
// place, material and flags, the second's holes move into it), so that a
// run of edges between faces merges them all. An edge with one face takes
// that face with it (the hole grows), an edge without faces simply goes. A
// spur left where merged faces shared consecutive sides is trimmed, and a
// vertex left unused is released. Returns the number of edges removed.
int deleteEdges(InnerShape& mesh, const List<Edge*>& edges);

// Object-level: the mesh operations inside the object protocol.
int deleteFaces(Shape& object, const List<Face*>& faces);
int deleteVertices(Shape& object, const List<Vertex*>& vertices);
int deleteEdges(Shape& object, const List<Edge*>& edges);
