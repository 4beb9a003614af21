// Merging: vertices and edges collapse to centres, degenerate faces go and
// duplicate sides join.
#include <gtest/gtest.h>

#include "Mesh/Topology/MergeVertices.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

TEST(MergeVertices, VerticesCollapseToTheirCentreAndDegenerateFacesGo)
{
    MeshPtr m = openGrid(2, 1);
    // Merging the two ends of the shared side: both quads become triangles.
    EXPECT_EQ(mergeVertices(*m, verticesAt(*m, {1, 4})), 1);
    EXPECT_EQ(countsOf(*m), (EditCounts{5, 6, 2, 6}));
    EXPECT_FLOAT_EQ(m->vertices[1]->y, 0.5f);
    for (const Face* f : m->faces)
        EXPECT_EQ(f->cornerCount(), 3);
    EXPECT_EQ(validateTopology(*m), "");

    // A whole triangle merged: it and its neighbours go, and what they used.
    MeshPtr t = meshFrom({{0, 0, 0}, {1, 0, 0}, {0.5f, 1, 0}, {0.5f, -1, 0}, {2, 0.5f, 0}},
                         {{0, 1, 2}, {1, 0, 3}, {1, 4, 2}});
    EXPECT_EQ(mergeVertices(*t, verticesAt(*t, {0, 1, 2})), 2);
    EXPECT_EQ(countsOf(*t), (EditCounts{0, 0, 0, 0}));
    EXPECT_EQ(mergeVertices(*m, verticesAt(*m, {0})), 0);
}

TEST(MergeVertices, NearbyVerticesWeldInClustersByTolerance)
{
    // Two quads whose facing sides lie 0.004 apart, a third vertex 0.008
    // along: a chain within 0.005 welds as one cluster at its centre.
    auto twoApart = [] {
        return meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1.004f, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1.004f, 1, 0}},
                        {{0, 1, 2, 3}, {4, 5, 6, 7}});
    };
    struct Case {
        float tolerance;
        int released;
        EditCounts expected;
    } cases[] = {
        {0.005f, 2, {6, 7, 2, 6}}, // the two sides weld into one shared edge
        {0.003f, 0, {8, 8, 2, 8}},
        {1.5f, 7, {0, 0, 0, 0}},   // everything one point: both faces degenerate
    };
    for (const Case& c : cases) {
        MeshPtr m = twoApart();
        EXPECT_EQ(mergeNearbyVertices(*m, allVertices(*m), c.tolerance), c.released) << c.tolerance;
        EXPECT_EQ(countsOf(*m), c.expected) << c.tolerance;
        EXPECT_TRUE(windingConsistent(*m));
        EXPECT_EQ(validateTopology(*m), "");
    }
    MeshPtr m = twoApart();
    mergeNearbyVertices(*m, verticesAt(*m, {1, 4}), 0.005f);
    EXPECT_FLOAT_EQ(m->vertices[1]->x, 1.002f);
}

TEST(MergeVertices, EdgesCollapseToMidpointsTouchingOnesTogether)
{
    MeshPtr c = cube();
    // Two opposite top edges: the top face becomes a line and goes; the
    // front and back faces become triangles; the box stays closed.
    EXPECT_EQ(collapseEdges(*c, edgesBetween(*c, {{4, 5}, {6, 7}})), 2);
    EXPECT_EQ(countsOf(*c), (EditCounts{6, 9, 5, 0}));
    EXPECT_FLOAT_EQ(c->vertices[4]->x, 0.0f);
    EXPECT_TRUE(windingConsistent(*c));
    EXPECT_EQ(validateTopology(*c), "");

    MeshPtr g = openGrid(3, 1);
    EXPECT_EQ(collapseEdges(*g, edgesBetween(*g, {{0, 1}, {1, 2}})), 2);
    EXPECT_FLOAT_EQ(g->vertices[0]->x, 1.0f); // centre of 0, 1 and 2
    EXPECT_EQ(countsOf(*g), (EditCounts{6, 8, 3, 6}));
    EXPECT_EQ(validateTopology(*g), "");
}

} // namespace
