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

// Each end of the new edges with the number of them it ends.
std::map<const Vertex*, int> endsOf(const List<Edge*>& edges)
{
    std::map<const Vertex*, int> ends;
    for (const Edge* e : edges) {
        ++ends[e->startVertex];
        ++ends[e->endVertex];
    }
    return ends;
}

struct Case {
    const char* name;
    ShapePtr shape;
    std::initializer_list<std::pair<int, int>> edges; // listed edges, or
    std::initializer_list<int> faces;                 // listed faces
    int cut, loopEdges;
    EditCounts expected;
};

ShapePtr of(MeshPtr m) { return ShapePtr(take<Shape>(*m)); }

ShapePtr mirroredGrid() // 2 × 2 quads, mirrored across x = 1
{
    ShapePtr s = of(openGrid(2, 2));
    s->mirrorPlane.set(Point3D(1, 0, 0), Point3D(1, 0, 0));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    return s;
}

TEST(SplitLoop, RingsEndAtBordersNonQuadsOrWhereTheyClose)
{
    auto quadAndTriangle = [] {
        return of(meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}}, {{0, 1, 4, 3}, {1, 2, 4}}));
    };
    Case cases[] = {
        {"cube: the ring closes", of(cube()), {{0, 1}}, {}, 4, 4, {12, 20, 10, 0}},
        {"cube: two edges of one ring give one loop", of(cube()), {{0, 1}, {7, 6}}, {}, 4, 4, {12, 20, 10, 0}},
        // The second ring crosses the first loop on top and bottom: 6 sides split
        // (two of them loop edges, whose halves both stay in the loop), 6 quads cut.
        {"cube: crossing loops", of(cube()), {{0, 1}, {1, 2}}, {}, 10, 12, {18, 32, 16, 0}},
        {"torus: the ring closes", ShapePtr(take<Torus>(1.f, 2.f, 3, 4)), {{0, 1}}, {}, 4, 4, {16, 32, 16, 0}},
        {"grid: stops at the borders", of(openGrid(3, 3)), {{1, 5}}, {}, 3, 3, {20, 31, 12, 14}},
        {"a triangle end gets a corner", quadAndTriangle(), {{0, 3}}, {}, 1, 1, {7, 9, 3, 6}},
        {"no quad on the ring", quadAndTriangle(), {{2, 4}}, {}, 0, 0, {5, 6, 2, 5}},
        {"symmetry: the partner's ring too", mirroredGrid(), {{0, 1}}, {}, 4, 4, {15, 22, 8, 12}},
        {"faces: a closed band", of(cube()), {}, {2, 3, 4, 5}, 4, 4, {12, 20, 10, 0}},
        {"faces: a row from border to border", of(openGrid(3, 1)), {}, {0, 1, 2}, 3, 3, {12, 17, 6, 10}},
        // The loop reaches the far side of face 4; face 5 beyond gets a fifth corner.
        {"faces: an open strip inside a grid", of(openGrid(3, 3)), {}, {3, 4}, 2, 2, {19, 29, 11, 13}},
        {"faces sharing no side", of(openGrid(3, 1)), {}, {0, 2}, 0, 0, {8, 10, 3, 8}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Shape& s = *c.shape;
        const int changes = s.changeCount;
        List<Edge*> loop;
        const int cut = c.faces.size() ? splitLoopThroughFaces(s, facesAt(s, c.faces), &loop)
                                       : splitLoopAcrossEdges(s, edgesBetween(s, c.edges), &loop);
        EXPECT_EQ(cut, c.cut);
        EXPECT_EQ(countsOf(s), c.expected);
        EXPECT_EQ(loop.count(), c.loopEdges);
        EXPECT_EQ(validateTopology(s), "");
        EXPECT_TRUE(windingConsistent(s));
        if (c.cut == 0)
            EXPECT_EQ(s.changeCount, changes);
        if (c.expected.borders == 0)
            for (const auto& [v, uses] : endsOf(loop))
                EXPECT_TRUE(uses == 2 || uses == 4) << uses; // 4 where loops cross
    }
}

TEST(SplitLoop, MiddlesCarryPositionsMappingAndCreases)
{
    for (bool throughFaces : {false, true}) {
        ShapePtr s = of(cube());
        Material material;
        for (Face* f : s->faces) {
            f->material = &material;
            for (Corner& k : f->corners)
                std::tie(k.u, k.v, k.w) = std::tuple{k.vertex->x, k.vertex->y, k.vertex->z};
        }
        edgesBetween(*s, {{3, 2}})[0]->set(Geometry::Creased);
        // Both ways the loop runs round the middle of the band around X.
        List<Edge*> loop;
        ASSERT_EQ(throughFaces ? splitLoopThroughFaces(*s, facesAt(*s, {0, 2, 1, 4}), &loop)
                               : splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop),
                  4);
        ASSERT_EQ(validateTopology(*s), "");
        for (const auto& [v, uses] : endsOf(loop))
            EXPECT_FLOAT_EQ(v->x, 0.0f);
        for (const Face* f : s->faces) {
            EXPECT_EQ(f->material, &material);
            for (const Corner& k : f->corners) {
                EXPECT_FLOAT_EQ(k.u, k.vertex->x);
                EXPECT_FLOAT_EQ(k.w, k.vertex->z);
            }
        }
        const Vertex* middle = s->vertices[8];
        for (const Vertex* v : s->vertices)
            if (v->x == 0 && v->y == 1 && v->z == -1)
                middle = v;
        EXPECT_TRUE(s->findEdge(s->vertices[2], middle)->has(Geometry::Creased));
        EXPECT_TRUE(s->findEdge(s->vertices[3], middle)->has(Geometry::Creased));
        EXPECT_FALSE(s->findEdge(s->vertices[0], s->vertices[3])->has(Geometry::Creased));
    }
}

} // namespace
