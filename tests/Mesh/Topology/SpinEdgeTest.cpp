// Spin edge: the edge steps on to the next corners; the faces keep their
// corner counts.
#include <gtest/gtest.h>

#include <set>

#include "Mesh/Topology/SpinEdge.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

std::set<Vertex*> cornersOf(const Face& f)
{
    std::set<Vertex*> out;
    for (const Corner& c : f.corners)
        out.insert(c.vertex);
    return out;
}

TEST(SpinEdge, TrianglesSwapDiagonalsAndPolygonsKeepTheirCornerCounts)
{
    MeshPtr t = meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 3}});
    Edge* diagonal = t->findEdge(t->vertices[0], t->vertices[2]);
    diagonal->set(Geometry::Selected);
    EXPECT_EQ(spinEdges(*t, edgesBetween(*t, {{0, 2}})), 1);
    EXPECT_TRUE(diagonal->joins(t->vertices[1], t->vertices[3]));
    EXPECT_TRUE(diagonal->isSelected());
    EXPECT_EQ(countsOf(*t), (EditCounts{4, 5, 2, 4}));
    for (const Face* f : t->faces)
        EXPECT_GT(f->normal.z, 0.99f);
    EXPECT_TRUE(windingConsistent(*t));
    EXPECT_EQ(validateTopology(*t), "");

    // The shared side 1-4 of two quads steps on to join 2 and 3.
    MeshPtr q = twoQuads();
    EXPECT_EQ(spinEdges(*q, edgesBetween(*q, {{1, 4}})), 1);
    EXPECT_EQ(q->faces[0]->cornerCount(), 4);
    EXPECT_EQ(q->faces[1]->cornerCount(), 4);
    EXPECT_EQ(cornersOf(*q->faces[0]), (std::set<Vertex*>{q->vertices[0], q->vertices[1], q->vertices[2], q->vertices[3]}));
    EXPECT_EQ(countsOf(*q), (EditCounts{6, 7, 2, 6}));
    EXPECT_TRUE(windingConsistent(*q));
    EXPECT_EQ(validateTopology(*q), "");

    // Borders, and a second edge of a face already spun, are left alone.
    EXPECT_EQ(spinEdges(*q, edgesBetween(*q, {{0, 1}})), 0);
    MeshPtr g = openGrid(3, 1);
    EXPECT_EQ(spinEdges(*g, edgesBetween(*g, {{1, 5}, {2, 6}})), 1);
    EXPECT_EQ(validateTopology(*g), "");
}

} // namespace
