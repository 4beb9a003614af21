#pragma once
// Merging vertices: several points of a mesh collapsed into one.
#include "Mesh/List.h"

class Edge;
class InnerShape;
class Shape;
class Vertex;

// Collapses all listed vertices (null entries, repeats and vertices of other
// meshes ignored) into the first of them, moved to their centre (the mean
// of their positions). Corners that come to repeat their neighbour are
// dropped, faces (and holes) left with fewer than 3 corners are removed,
// edges between merged vertices go and edges that come to join the same
// pair are joined into one. Returns the number of vertices released
// (0 when fewer than two were listed).
int mergeVertices(InnerShape& mesh, const List<Vertex*>& vertices);

// Welds the listed vertices (ignored as mergeVertices ignores them) in
// clusters: two listed vertices nearer each other than `tolerance` (and so,
// in a chain, every vertex linked that way) collapse together into the
// first of them in list order, moved to the cluster's centre. Vertices with
// no listed neighbour that near stay. Cleanup as mergeVertices. Returns the
// number of vertices released.
int mergeNearbyVertices(InnerShape& mesh, const List<Vertex*>& vertices, float tolerance);

// Collapses each listed edge to its midpoint; edges that touch collapse
// together into the centre of all their vertices. Cleanup as
// mergeVertices. Returns the number of vertices released.
int collapseEdges(InnerShape& mesh, const List<Edge*>& edges);

// Object-level: the mesh operations inside the object protocol.
int mergeVertices(Shape& object, const List<Vertex*>& vertices);
int mergeNearbyVertices(Shape& object, const List<Vertex*>& vertices, float tolerance);
int collapseEdges(Shape& object, const List<Edge*>& edges);
