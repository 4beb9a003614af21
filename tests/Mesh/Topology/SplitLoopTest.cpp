// Split loop: new edge loops across rings of quads, from edges or through a strip of faces.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/SplitLoop.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// The ends of the new edges, each with the number of new edges it ends.
std::map<const Vertex*, int> endsOf(const List<Edge*>& edges)
{
    std::map<const Vertex*, int> ends;
    for (const Edge* e : edges) {
        ++ends[e->startVertex];
        ++ends[e->endVertex];
    }
    return ends;
}

void expectValid(const Shape& s)
{
    EXPECT_EQ(validateTopology(s), "");
    EXPECT_TRUE(windingConsistent(s));
}

TEST(SplitLoop, AcrossEdgesSplitsTheRingUpToItsEnds)
{
    // Triangle end: a quad 0 1 4 3 beside a triangle 1 2 4.
    auto quadAndTriangle = [] { return meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}}, {{0, 1, 4, 3}, {1, 2, 4}}); };
    const struct {
        const char* name;
        MeshPtr mesh;
        std::initializer_list<std::pair<int, int>> edges;
        int cut;
        EditCounts expected;
    } cases[] = {
        {"cube: the ring closes", cube(), {{0, 1}}, 4, {12, 20, 10, 0}},
        {"cube: two edges of one ring give one loop", cube(), {{0, 1}, {7, 6}}, 4, {12, 20, 10, 0}},
        // The second ring crosses the first loop on top and bottom: 6 more sides split, 6 more quads.
        {"cube: crossing loops", cube(), {{0, 1}, {1, 2}}, 10, {18, 32, 16, 0}},
        {"grid: stops at the borders", openGrid(3, 3), {{1, 5}}, 3, {20, 31, 12, 14}},
        {"triangle end gets a corner", quadAndTriangle(), {{0, 3}}, 1, {7, 9, 3, 6}},
        {"no quad on the ring", quadAndTriangle(), {{2, 4}}, 0, {5, 6, 2, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShapePtr s(take<Shape>(*c.mesh));
        const List<Edge*> edges = edgesBetween(*s, c.edges);
        const int changes = s->changeCount;
        List<Edge*> loop;
        EXPECT_EQ(splitLoopAcrossEdges(*s, edges, &loop), c.cut);
        EXPECT_EQ(countsOf(*s), c.expected);
        EXPECT_EQ(loop.count(), c.cut);
        expectValid(*s);
        if (c.cut == 0)
            EXPECT_EQ(s->changeCount, changes);
    }
}

TEST(SplitLoop, MiddlesCarryPositionsMappingAndCreases)
{
    ShapePtr s(take<Shape>(*cube()));
    Material material;
    for (Face* f : s->faces) {
        f->material = &material;
        for (Corner& k : f->corners)
            std::tie(k.u, k.v, k.w) = std::tuple{k.vertex->x, k.vertex->y, k.vertex->z};
    }
    edgesBetween(*s, {{3, 2}})[0]->set(Geometry::Creased);
    List<Edge*> loop;
    ASSERT_EQ(splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop), 4);
    expectValid(*s);
    // The loop is closed, through the four middles, all at x = 0.
    const auto ends = endsOf(loop);
    EXPECT_EQ(ends.size(), 4u);
    for (const auto& [v, uses] : ends) {
        EXPECT_EQ(uses, 2);
        EXPECT_FLOAT_EQ(v->x, 0.0f);
    }
    for (const Face* f : s->faces) {
        EXPECT_EQ(f->cornerCount(), 4);
        EXPECT_EQ(f->material, &material);
        for (const Corner& k : f->corners) {
            EXPECT_FLOAT_EQ(k.u, k.vertex->x);
            EXPECT_FLOAT_EQ(k.w, k.vertex->z);
        }
    }
    // Both halves of the creased side keep the crease.
    Vertex* middle = nullptr;
    for (Vertex* v : s->vertices)
        if (v->x == 0 && v->y == 1 && v->z == -1)
            middle = v;
    ASSERT_NE(middle, nullptr);
    for (int end : {2, 3})
        EXPECT_TRUE(s->findEdge(s->vertices[end], middle)->has(Geometry::Creased)) << end;
    EXPECT_FALSE(s->findEdge(s->vertices[0], s->vertices[3])->has(Geometry::Creased));
}

TEST(SplitLoop, TorusRingCloses)
{
    ShapePtr s(take<Torus>(1.f, 2.f, 3, 4));
    ASSERT_EQ(countsOf(*s), (EditCounts{12, 24, 12, 0}));
    List<Edge*> loop;
    const int n = splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop);
    ASSERT_TRUE(n == 3 || n == 4) << n;
    EXPECT_EQ(countsOf(*s), (EditCounts{12 + n, 24 + 2 * n, 12 + n, 0}));
    expectValid(*s);
    for (const auto& [v, uses] : endsOf(loop))
        EXPECT_EQ(uses, 2);
}

TEST(SplitLoop, SymmetrySplitsThePartnersRingToo)
{
    // A 2 × 2 grid mirrored across x = 1: the ring up column 0 has its image in column 1.
    ShapePtr s(take<Shape>(*openGrid(2, 2)));
    s->mirrorPlane.set(Point3D(1, 0, 0), Point3D(1, 0, 0));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    List<Edge*> loop;
    EXPECT_EQ(splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop), 4);
    EXPECT_EQ(countsOf(*s), (EditCounts{15, 22, 8, 12}));
    expectValid(*s);
}

TEST(SplitLoop, ThroughFacesRunsAlongTheStrip)
{
    const struct {
        const char* name;
        MeshPtr mesh;
        std::initializer_list<int> faces;
        int cut;
        EditCounts expected;
    } cases[] = {
        {"closed band of a cube", cube(), {2, 3, 4, 5}, 4, {12, 20, 10, 0}},
        {"a row from border to border", openGrid(3, 1), {0, 1, 2}, 3, {12, 17, 6, 10}},
        // The loop reaches the far side of face 4, which face 5 gets as a fifth corner.
        {"an open strip inside a grid", openGrid(3, 3), {3, 4}, 2, {19, 29, 11, 13}},
        {"faces sharing no side", openGrid(3, 1), {0, 2}, 0, {8, 10, 3, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShapePtr s(take<Shape>(*c.mesh));
        List<Edge*> loop;
        EXPECT_EQ(splitLoopThroughFaces(*s, facesAt(*s, c.faces), &loop), c.cut);
        EXPECT_EQ(countsOf(*s), c.expected);
        EXPECT_EQ(loop.count(), c.cut);
        expectValid(*s);
    }
    // The band's loop runs round its middle, at z = 0.
    ShapePtr s(take<Shape>(*cube()));
    List<Edge*> loop;
    splitLoopThroughFaces(*s, facesAt(*s, {2, 3, 4, 5}), &loop);
    for (const auto& [v, uses] : endsOf(loop))
        EXPECT_FLOAT_EQ(v->z, 0.0f);
}

} // namespace
