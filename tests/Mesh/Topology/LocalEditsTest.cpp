// Unify normals, spin edge and break: local rewiring that keeps the
// element counts or adds only the vertices a cut needs.
#include <gtest/gtest.h>

#include <set>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/BreakEdges.h"
#include "Mesh/Topology/SpinEdge.h"
#include "Mesh/Topology/UnifyNormals.h"
#include "EditCounts.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

List<Edge*> edgesBetween(const InnerShape& m, std::initializer_list<std::pair<int, int>> pairs)
{
    List<Edge*> out;
    for (auto [a, b] : pairs)
        out.append(m.findEdge(m.vertices[a], m.vertices[b]));
    return out;
}

std::set<Vertex*> cornersOf(const Face& f)
{
    std::set<Vertex*> out;
    for (const Corner& c : f.corners)
        out.insert(c.vertex);
    return out;
}

TEST(UnifyNormals, TheLargerAgreeingSetWinsPerPart)
{
    struct Case {
        std::initializer_list<int> flippedFirst; // faces reversed before the run
        int expectedTurned;
        float topNormalZ;                        // where face 1 (the top) ends up facing
    } cases[] = {
        {{}, 0, 1},
        {{1}, 1, 1},
        {{0, 1}, 2, 1},
        {{0, 1, 2, 3}, 2, -1}, // four of six turned in: the cube ends up facing in
    };
    for (const Case& c : cases) {
        ShapePtr s(take<Shape>(*cube()));
        s->InnerShape::flipFaces(facesAt(*s, c.flippedFirst));
        EXPECT_EQ(unifyNormals(*s, allFaces(*s)), c.expectedTurned);
        EXPECT_TRUE(windingConsistent(*s));
        EXPECT_FLOAT_EQ(s->faces[1]->normal.z, c.topNormalZ);
        EXPECT_EQ(validateTopology(*s), "");
    }
    // Only listed faces count: a flipped face outside the list stays.
    MeshPtr m = openGrid(3, 1);
    m->flipFaces(facesAt(*m, {1}));
    EXPECT_EQ(unifyNormals(*m, facesAt(*m, {0, 2})), 0);
    EXPECT_EQ(unifyNormals(*m, facesAt(*m, {0, 1})), 1);
    EXPECT_TRUE(windingConsistent(*m));
}

TEST(SpinEdge, TrianglesSwapDiagonalsAndPolygonsKeepTheirCornerCounts)
{
    MeshPtr t = meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 3}});
    Edge* diagonal = t->findEdge(t->vertices[0], t->vertices[2]);
    diagonal->set(Geometry::Selected);
    List<Edge*> one;
    one.append(diagonal);
    EXPECT_EQ(spinEdges(*t, one), 1);
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

TEST(BreakEdges, CutsOpenAlongTheEdgesWhereTheirEndsComeApart)
{
    struct Case {
        int size;
        std::initializer_list<std::pair<int, int>> cut;
        int expectedVertices;
        EditCounts expected;
    } cases[] = {
        // 2 × 2 grid: the middle column from border to border.
        {2, {{1, 4}, {4, 7}}, 3, {12, 14, 4, 12}},
        // from the border to the centre: a slit, only the border end splits.
        {2, {{1, 4}}, 1, {10, 13, 4, 10}},
        // a corner of two cut edges at the centre: the centre splits too.
        {2, {{1, 4}, {3, 4}}, 3, {12, 14, 4, 12}},
        // 3 × 3 grid: one edge between two inner vertices cannot open.
        {3, {{5, 6}}, 0, {16, 24, 9, 12}},
    };
    for (const Case& c : cases) {
        MeshPtr m = openGrid(c.size, c.size);
        EXPECT_EQ(breakEdges(*m, edgesBetween(*m, c.cut)), c.expectedVertices);
        EXPECT_EQ(countsOf(*m), c.expected);
        EXPECT_TRUE(windingConsistent(*m));
        EXPECT_EQ(validateTopology(*m), "");
    }
    // A ring round a cube cuts it into two open boxes.
    ShapePtr s(take<Shape>(*cube()));
    EXPECT_EQ(breakEdges(*s, edgesBetween(*s, {{4, 5}, {5, 6}, {6, 7}, {7, 4}})), 4);
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 16, 6, 8}));
    EXPECT_EQ(validateTopology(*s), "");
}

} // namespace
