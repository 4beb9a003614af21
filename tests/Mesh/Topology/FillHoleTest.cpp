// Filling holes: the wave search finds the shortest border path and the new
// face closes the surface, run against its neighbours.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/FillHole.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// A grid of quads in the XY plane without the faces whose numbers are listed.
MeshPtr gridWithout(int columns, int rows, std::set<int> missing)
{
    std::vector<Point> points;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            points.push_back({float(i), float(j), 0});
    std::vector<std::vector<int>> faces;
    const int stride = columns + 1;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            if (!missing.count(j * columns + i))
                faces.push_back({j * stride + i, j * stride + i + 1, (j + 1) * stride + i + 1, (j + 1) * stride + i});
    return meshFrom(points, faces);
}

Edge* borderEdgeBetween(const InnerShape& m, int a, int b)
{
    Edge* e = m.findEdge(m.vertices[a], m.vertices[b]);
    EXPECT_NE(e, nullptr);
    return e;
}

int borderCount(const InnerShape& m)
{
    return static_cast<int>(std::count_if(m.edges.begin(), m.edges.end(), [](const Edge* e) { return e->faces.count() < 2; }));
}

// Every edge with two faces must be run both ways by them.
void expectConsistentWinding(const InnerShape& m)
{
    for (const Edge* e : m.edges) {
        if (e->faces.count() != 2)
            continue;
        int forward = 0;
        for (const Face* f : e->faces)
            for (const Corner& c : f->corners)
                if (c.edge == e && c.vertex == e->startVertex)
                    ++forward;
        EXPECT_EQ(forward, 1);
    }
}

TEST(FillHole, CubeWithoutAFaceIsClosedAgainFacingOut)
{
    // The cube of the fixtures without its top face.
    MeshPtr m = meshFrom({{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
                         {{0, 3, 2, 1}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}});
    ASSERT_EQ(borderCount(*m), 4);
    Edge* e = borderEdgeBetween(*m, 4, 5);
    ASSERT_TRUE(fillHole(*m, e, -1));
    ASSERT_EQ(m->faces.count(), 6);
    const Face* top = m->faces[5];
    EXPECT_EQ(top->cornerCount(), 4);
    EXPECT_GT(top->normal.z, 0.99f);
    EXPECT_EQ(borderCount(*m), 0);
    EXPECT_EQ(m->edges.count(), 12);
    expectConsistentWinding(*m);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(FillHole, OpenCylinderRimGetsOneFaceOverTheWholeRim)
{
    MeshPtr m = openTube(8, 1);
    Edge* e = borderEdgeBetween(*m, 8, 9);
    ASSERT_TRUE(fillHole(*m, e, -1));
    const Face* cap = m->faces.last();
    EXPECT_EQ(cap->cornerCount(), 8);
    for (const Corner& c : cap->corners)
        EXPECT_EQ(c.vertex->z, 1.0f);
    EXPECT_GT(cap->normal.z, 0.99f);
    EXPECT_EQ(borderCount(*m), 8); // the other rim stays open
    expectConsistentWinding(*m);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(FillHole, WhereTwoHolesMeetTheShortestPathIsTaken)
{
    // Faces 5 and 10 of a 4 × 4 grid touch at vertex (2, 2).
    MeshPtr m = gridWithout(4, 4, {5, 10});
    Vertex* shared = m->vertices[2 * 5 + 2];
    Edge* e = borderEdgeBetween(*m, 6, 7);
    const int bordersBefore = borderCount(*m);
    ASSERT_TRUE(fillHole(*m, e, -1));
    const Face* f = m->faces.last();
    ASSERT_EQ(f->cornerCount(), 4);
    std::set<Vertex*> corners;
    for (const Corner& c : f->corners)
        corners.insert(c.vertex);
    EXPECT_EQ(corners, (std::set<Vertex*>{m->vertices[6], m->vertices[7], m->vertices[12], m->vertices[11]}));
    EXPECT_TRUE(corners.count(shared));
    EXPECT_EQ(borderCount(*m), bordersBefore - 4);
    expectConsistentWinding(*m);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(FillHole, RefusesWithoutAPathOrOverTheLimitChangingNoElement)
{
    MeshPtr m = gridWithout(3, 3, {4});
    const int faces = m->faces.count(), edges = m->edges.count();
    for (Vertex* v : m->vertices)
        v->id = 7;
    List<Vertex*> loop;
    EXPECT_FALSE(findHoleLoop(*m, borderEdgeBetween(*m, 5, 6), 3, loop));
    EXPECT_TRUE(loop.empty());
    EXPECT_FALSE(fillHole(*m, borderEdgeBetween(*m, 5, 6), 3));
    // An inner edge is no border.
    EXPECT_FALSE(fillHole(*m, borderEdgeBetween(*m, 1, 5), -1));
    EXPECT_EQ(m->faces.count(), faces);
    EXPECT_EQ(m->edges.count(), edges);
    for (const Vertex* v : m->vertices)
        EXPECT_EQ(v->id, 7);
    // Within the limit: the loop runs from the end vertex back to the start.
    Edge* e = borderEdgeBetween(*m, 5, 6);
    ASSERT_TRUE(findHoleLoop(*m, e, 4, loop));
    ASSERT_EQ(loop.count(), 4);
    EXPECT_EQ(loop[0], e->endVertex);
    EXPECT_EQ(loop[3], e->startVertex);
    // A lone triangle's sides lead round; a wire edge alone does not.
    MeshPtr wire = meshFrom({{0, 0, 0}, {1, 0, 0}}, {});
    Edge* lone = take<Edge>(wire->vertices[0], wire->vertices[1]);
    wire->addEdge(lone);
    EXPECT_FALSE(fillHole(*wire, lone, -1));
}

TEST(FillHole, ObjectLevelFillsOrLeavesTheObjectAlone)
{
    ShapePtr s(take<Shape>(*gridWithout(3, 3, {4})));
    const int before = s->changeCount;
    EXPECT_FALSE(fillHole(*s, s->findEdge(s->vertices[1], s->vertices[5]), -1));
    EXPECT_EQ(s->changeCount, before);
    EXPECT_TRUE(fillHole(*s, s->findEdge(s->vertices[5], s->vertices[6]), -1));
    EXPECT_GT(s->changeCount, before);
    EXPECT_EQ(s->faces.last()->index, s->faces.count() - 1);
    EXPECT_EQ(validateTopology(*s), "");
}

} // namespace
