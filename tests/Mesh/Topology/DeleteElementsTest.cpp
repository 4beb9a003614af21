// Deleting elements: holes become borders, what nothing uses goes, and
// dissolving an edge merges its two faces.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/DeleteElements.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

TEST(DeleteElements, FacesLeaveBordersAndDropWhatOnlyTheyUsed)
{
    struct Case {
        std::initializer_list<int> faces;
        EditCounts expected;
    } cases[] = {
        {{1}, {8, 12, 5, 4}},           // cube top: a square hole
        {{1, 0}, {8, 12, 4, 8}},        // top and bottom: an open tube
        {{1, 2}, {8, 11, 4, 6}},        // two neighbours: their shared edge goes
        {{0, 1, 2, 3, 4, 5}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        MeshPtr m = cube();
        EXPECT_EQ(deleteFaces(*m, facesAt(*m, c.faces)), int(c.faces.size()));
        EXPECT_EQ(countsOf(*m), c.expected);
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(DeleteElements, VerticesTakeTheirFacesAndEdges)
{
    MeshPtr m = openGrid(2, 2);
    // The centre vertex of a 2 × 2 grid is used by all four faces.
    EXPECT_EQ(deleteVertices(*m, verticesAt(*m, {4})), 1);
    EXPECT_EQ(countsOf(*m), (EditCounts{0, 0, 0, 0}));
    MeshPtr c = cube();
    EXPECT_EQ(deleteVertices(*c, verticesAt(*c, {6, 6})), 1);
    EXPECT_EQ(countsOf(*c), (EditCounts{7, 9, 3, 6}));
    EXPECT_EQ(validateTopology(*c), "");
}

TEST(DeleteElements, DissolvedEdgesMergeFacesAndBorderEdgesTakeTheirFace)
{
    MeshPtr m = openGrid(3, 1);
    // Inner edges 1-5 and 2-6: the three quads become one 8-gon.
    EXPECT_EQ(deleteEdges(*m, edgesBetween(*m, {{1, 5}, {2, 6}})), 2);
    EXPECT_EQ(countsOf(*m), (EditCounts{8, 8, 1, 8}));
    EXPECT_EQ(m->faces[0]->cornerCount(), 8);
    EXPECT_GT(m->faces[0]->computeNormal().z, 0.99f);
    EXPECT_EQ(validateTopology(*m), "");

    MeshPtr c = cube();
    deleteFaces(*c, facesAt(*c, {1}));
    // Bottom-front lies between two faces; 4-5, the rim of the hole, has one.
    EXPECT_EQ(deleteEdges(*c, edgesBetween(*c, {{0, 1}, {4, 5}})), 2);
    // Bottom and front merged, then the rim edge took the merged face.
    EXPECT_EQ(countsOf(*c), (EditCounts{8, 10, 3, 8}));
    EXPECT_TRUE(windingConsistent(*c));
    EXPECT_EQ(validateTopology(*c), "");
}

TEST(DeleteElements, DissolvingAnEdgeOfTwoOrientedFacesKeepsTheWinding)
{
    ShapePtr s(take<Shape>(*cube()));
    EXPECT_EQ(deleteEdges(*s, edgesBetween(*s, {{4, 5}})), 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{8, 11, 5, 0}));
    EXPECT_EQ(s->faces[0]->index, 0); // renumbered by the protocol
    EXPECT_TRUE(windingConsistent(*s));
    EXPECT_EQ(validateTopology(*s), "");
}

} // namespace
