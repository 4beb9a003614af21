#pragma once
// Cutting faces from side to side: new edges across faces between the
// selected edges (divided evenly) or between selected vertices.
#include "Mesh/List.h"

class Edge;
class InnerShape;
class Shape;
class Vertex;

// Divides each listed edge into `sections` + 1 equal pieces (`sections` of
// at least 1 new vertices, given to every face along it, with texture
// coordinates interpolated along the side), then cuts every face without
// holes that has exactly two cut sites on its outer contour: a site is a
// listed edge or a listed vertex at one of its corners. Two edges are
// joined point for point by `sections` parallel new edges; an edge and a
// vertex by a fan from the vertex; two vertices by one edge. A cut whose
// ends are neighbours on the face is skipped. The pieces keep the face's
// material, flags and corner texture coordinates; the split edges' flags
// pass to their pieces. Null entries, repeats and elements of other meshes
// are ignored. Returns the number of faces added.
int cutFaces(InnerShape& mesh, const List<Edge*>& edges, const List<Vertex*>& vertices, int sections);

// Object-level: the mesh operation inside the object protocol.
int cutFaces(Shape& object, const List<Edge*>& edges, const List<Vertex*>& vertices, int sections);
