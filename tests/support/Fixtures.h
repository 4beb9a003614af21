#pragma once
// The shared catalogue of test meshes, named for what they exercise. Each
// returns a mesh from the pool with edges built (unless said otherwise);
// hold it in a MeshPtr so that it goes back to its pool.
#include <initializer_list>
#include <memory>
#include <vector>

#include "Mesh/InnerShape.h"

struct ReleaseGeometry {
    void operator()(Geometry* g) const
    {
        if (g)
            g->release();
    }
};
using MeshPtr = std::unique_ptr<InnerShape, ReleaseGeometry>;

namespace fixtures {

struct Point {
    float x, y, z;
};

// Builds a mesh from positions and faces given as vertex indices; `holes`
// gives, per face index, the loops of its inner contours. Edges are built
// when `buildEdges` is set.
MeshPtr meshFrom(const std::vector<Point>& points, const std::vector<std::vector<int>>& faces,
                 bool buildEdges = true,
                 const std::vector<std::pair<int, std::vector<int>>>& holes = {});

MeshPtr openGrid(int columns, int rows, float size = 1.0f); // quads in the XY plane
MeshPtr cube(float half = 1.0f);                             // 6 outward quads
MeshPtr ngon(int corners, float radius = 1.0f);              // one planar convex n-gon in XY
MeshPtr twoQuads();                                          // two quads sharing one side
MeshPtr quadWithHole();                                      // a square with a square hole
MeshPtr fold();                                              // one face using a side twice, both ways
MeshPtr nonManifold();                                       // three triangles on one edge
MeshPtr withDegenerate();                                    // two triangles and a two-corner face
MeshPtr mixedPolygons();                                     // triangles, quads and a hexagon, shared sides
// An open tube about Z without caps: `rows` bands of `segments` quads; ring
// r (0 … rows) holds vertices r * segments … r * segments + segments − 1.
MeshPtr openTube(int segments, int rows);

// The elements of `mesh` at the given list positions, or all its faces.
List<Face*> facesAt(const InnerShape& mesh, std::initializer_list<int> positions);
List<Vertex*> verticesAt(const InnerShape& mesh, std::initializer_list<int> positions);
List<Face*> allFaces(const InnerShape& mesh);

// Deletes face `index` of `mesh` the way a deletion leaves a hole: the face
// leaves its edges, which become borders, and the edges and vertices that no
// other face used are released.
void deleteFace(InnerShape& mesh, int index);

// The items of a list, for comparing whole lists in one expectation.
template <class T>
std::vector<T> listed(const List<T>& list)
{
    return {list.begin(), list.end()};
}

// The list positions of the selected elements.
template <class T>
std::vector<int> selectedOf(const List<T*>& list)
{
    std::vector<int> out;
    for (int i = 0; i < list.count(); ++i)
        if (list[i]->isSelected())
            out.push_back(i);
    return out;
}

} // namespace fixtures
