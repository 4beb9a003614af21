#pragma once
// The directions of the value tools that move existing points without a
// topology change: slide, local move, local scale, and the groups that
// local rotate turns.
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Point3D.h"
#include "Mesh/Topology/PointDirections.h"

class Edge;
class Face;
class Shape;
class Vertex;

// The components of one object a tool works on (those selected).
struct ComponentLists {
    List<Vertex*> vertices;
    List<Edge*> edges;
    List<Face*> faces;
};

// A connected group of components, with what it turns and scales about.
struct ComponentGroup {
    List<Vertex*> vertices; // every vertex of the group, once
    Point3D centre;         // the mean of its vertices
    Point3D normal;         // unit; the mean normal of its faces, or of its vertices' faces
};

// Slide: each end v of a listed edge moves along the neighbouring edge on one
// side for positive values and on the other side for negative ones: in each
// of the edge's two faces, the side other than the edge that meets it at v.
// The direction is that side's full vector, so value 1 reaches its far end
// and −1 the far end of the other side; a missing side (a border) gives a
// zero direction. Edges joined end to end slide to one side together; a
// vertex shared by listed edges enters once, as the first of them decides.
// With `Symmetry` on, mirror partners enter too, sliding as the reflection.
// Returns the number of points entered.
int slideDirections(Shape& object, const List<Edge*>& edges, PointDirections& out);
// Local Move: every touched vertex moves along its normal (of the selected
// faces around it when faces are selected). Returns the number of points entered.
int localMoveDirections(Shape& object, const ComponentLists& selected, PointDirections& out);
// The connected groups of the selection (by shared vertices).
std::vector<ComponentGroup> componentGroups(Shape& object, const ComponentLists& selected);
// Local Scale: every vertex of each group moves away from its group's
// centre, so that value v scales the group by 1 + v. Returns the number of points entered.
int localScaleDirections(Shape& object, const ComponentLists& selected, PointDirections& out);
