#pragma once
// Flattening: vertices projected onto one plane.
#include "Mesh/List.h"
#include "Mesh/Point3D.h"

class InnerShape;
class Shape;
class Vertex;

// The planes the flatten command offers, in the order of its axis choice:
// the object's own axes, the world axes, or the plane that fits the
// vertices best.
enum class FlattenAxis { LocalX, LocalY, LocalZ, WorldX, WorldY, WorldZ, SelectionNormal };

// The unit normal of the least-squares plane through the centroid of the
// positions: the eigenvector of the smallest eigenvalue of their
// covariance. (0, 0, 1) for fewer than 3 vertices or when every direction
// fits equally (the vertices coincide).
Point3D bestFitNormal(const List<Vertex*>& vertices);

// The normal of the plane for `axis`: a local axis is the mesh's axis frame
// direction, a world axis the unit vector, the selection normal the best
// fit through `vertices`.
Point3D flattenNormal(const InnerShape& mesh, const List<Vertex*>& vertices, FlattenAxis axis);

// Moves every listed vertex (repeats ignored) onto the plane through their
// centroid with the given normal (need not be unit; a zero normal changes
// nothing). Returns the number of vertices moved onto the plane.
int flattenVertices(const List<Vertex*>& vertices, const Point3D& normal);

// Object-level: flattens along `axis` and updates positions and normals on
// every level. No topology changes.
int flattenVertices(Shape& object, const List<Vertex*>& vertices, FlattenAxis axis);
