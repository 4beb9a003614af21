// Deleting elements: holes become borders, what nothing uses goes, and
// dissolving an edge merges its two faces.
#include <gtest/gtest.h>

#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/MergeVertices.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "EditCounts.h"
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
    List<Edge*> inner;
    inner.append(m->findEdge(m->vertices[1], m->vertices[5]));
    inner.append(m->findEdge(m->vertices[2], m->vertices[6]));
    EXPECT_EQ(deleteEdges(*m, inner), 2);
    EXPECT_EQ(countsOf(*m), (EditCounts{8, 8, 1, 8}));
    EXPECT_EQ(m->faces[0]->cornerCount(), 8);
    EXPECT_GT(m->faces[0]->computeNormal().z, 0.99f);
    EXPECT_EQ(validateTopology(*m), "");

    MeshPtr c = cube();
    List<Edge*> border;
    border.append(c->findEdge(c->vertices[4], c->vertices[5]));
    deleteFaces(*c, facesAt(*c, {1}));
    border[0] = c->findEdge(c->vertices[0], c->vertices[1]); // bottom-front: between two faces
    border.append(c->findEdge(c->vertices[4], c->vertices[5])); // rim of the hole: one face
    EXPECT_EQ(deleteEdges(*c, border), 2);
    // Bottom and front merged, then the rim edge took the merged face.
    EXPECT_EQ(countsOf(*c), (EditCounts{8, 10, 3, 8}));
    EXPECT_TRUE(windingConsistent(*c));
    EXPECT_EQ(validateTopology(*c), "");
}

TEST(DeleteElements, DissolvingAnEdgeOfTwoOrientedFacesKeepsTheWinding)
{
    ShapePtr s(take<Shape>(*cube()));
    List<Edge*> e;
    e.append(s->findEdge(s->vertices[4], s->vertices[5]));
    EXPECT_EQ(deleteEdges(*s, e), 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{8, 11, 5, 0}));
    EXPECT_EQ(s->faces[0]->index, 0); // renumbered by the protocol
    EXPECT_TRUE(windingConsistent(*s));
    EXPECT_EQ(validateTopology(*s), "");
}

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

TEST(MergeVertices, EdgesCollapseToMidpointsTouchingOnesTogether)
{
    MeshPtr c = cube();
    List<Edge*> edges;
    edges.append(c->findEdge(c->vertices[4], c->vertices[5]));
    edges.append(c->findEdge(c->vertices[6], c->vertices[7]));
    // Two opposite top edges: the top face becomes a line and goes; the
    // front and back faces become triangles; the box stays closed.
    EXPECT_EQ(collapseEdges(*c, edges), 2);
    EXPECT_EQ(countsOf(*c), (EditCounts{6, 9, 5, 0}));
    EXPECT_FLOAT_EQ(c->vertices[4]->x, 0.0f);
    EXPECT_TRUE(windingConsistent(*c));
    EXPECT_EQ(validateTopology(*c), "");

    MeshPtr g = openGrid(3, 1);
    List<Edge*> chain;
    chain.append(g->findEdge(g->vertices[0], g->vertices[1]));
    chain.append(g->findEdge(g->vertices[1], g->vertices[2]));
    EXPECT_EQ(collapseEdges(*g, chain), 2);
    EXPECT_FLOAT_EQ(g->vertices[0]->x, 1.0f); // centre of 0, 1 and 2
    EXPECT_EQ(countsOf(*g), (EditCounts{6, 8, 3, 6}));
    EXPECT_EQ(validateTopology(*g), "");
}

} // namespace
