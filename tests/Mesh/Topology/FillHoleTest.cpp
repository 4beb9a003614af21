// Filling holes: the wave search finds the shortest border path and the new
// face closes the surface, run against its neighbours.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "Mesh/Pool.h"
#include "Mesh/Topology/FillHole.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

// A grid of quads in the XY plane without the faces whose numbers are listed.
MeshPtr gridWithout(int columns, int rows, std::set<int> missing)
{
    MeshPtr grid = openGrid(columns, rows);
    std::vector<Point> points;
    for (const Vertex* v : grid->vertices)
        points.push_back({v->x, v->y, v->z});
    std::vector<std::vector<int>> faces;
    for (int i = 0; i < grid->faces.count(); ++i)
        if (!missing.count(i)) {
            faces.emplace_back();
            for (const Corner& c : grid->faces[i]->corners)
                faces.back().push_back(grid->vertices.indexOf(c.vertex));
        }
    return meshFrom(points, faces);
}

// The new face goes over the whole hole, facing as its neighbours do; where
// two holes touch at a vertex, the shortest path is taken.
TEST(FillHole, TheNewFaceClosesTheHoleFacingOut)
{
    struct Case {
        const char* what;
        std::function<MeshPtr()> make;
        int a, b;                 // the border edge clicked
        std::set<int> corners;    // the new face's vertices
        int bordersLeft;
    };
    const Case cases[] = {
        {"open tube rim", [] { return openTube(8, 1); }, 8, 9, {8, 9, 10, 11, 12, 13, 14, 15}, 8},
        // Faces 5 and 10 of a 4 × 4 grid touch at vertex 12, (2, 2): 24 border edges.
        {"two holes meeting", [] { return gridWithout(4, 4, {5, 10}); }, 6, 7, {6, 7, 11, 12}, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MeshPtr m = c.make();
        Edge* e = m->findEdge(m->vertices[c.a], m->vertices[c.b]);
        ASSERT_TRUE(fillHole(*m, e, -1));
        const Face* f = m->faces.last();
        std::set<int> corners;
        for (const Corner& k : f->corners)
            corners.insert(m->vertices.indexOf(k.vertex));
        EXPECT_EQ(f->cornerCount(), int(c.corners.size()));
        EXPECT_EQ(corners, c.corners);
        EXPECT_GT(f->normal.z, 0.99f);
        EXPECT_EQ(countsOf(*m).borders, c.bordersLeft);
        EXPECT_TRUE(windingConsistent(*m));
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(FillHole, RefusesWithoutAPathOrOverTheLimitChangingNoElement)
{
    MeshPtr m = gridWithout(3, 3, {4});
    const int faces = m->faces.count(), edges = m->edges.count();
    for (Vertex* v : m->vertices)
        v->id = 7;
    Edge* e = m->findEdge(m->vertices[5], m->vertices[6]);
    List<Vertex*> loop;
    EXPECT_FALSE(findHoleLoop(*m, e, 3, loop));
    EXPECT_TRUE(loop.empty());
    EXPECT_FALSE(fillHole(*m, e, 3));
    // An inner edge is no border.
    EXPECT_FALSE(fillHole(*m, m->findEdge(m->vertices[1], m->vertices[5]), -1));
    EXPECT_EQ(m->faces.count(), faces);
    EXPECT_EQ(m->edges.count(), edges);
    for (const Vertex* v : m->vertices)
        EXPECT_EQ(v->id, 7);
    // Within the limit: the loop runs from the end vertex back to the start.
    ASSERT_TRUE(findHoleLoop(*m, e, 4, loop));
    ASSERT_EQ(loop.count(), 4);
    EXPECT_EQ(loop[0], e->endVertex);
    EXPECT_EQ(loop[3], e->startVertex);
    // A wire edge alone leads nowhere.
    MeshPtr wire = meshFrom({{0, 0, 0}, {1, 0, 0}}, {});
    Edge* lone = take<Edge>(wire->vertices[0], wire->vertices[1]);
    wire->addEdge(lone);
    EXPECT_FALSE(fillHole(*wire, lone, -1));
}

} // namespace
