// Bevel with one segment: counts, face sizes and where the new points go
// once the value moves them along the directions the edit handed out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/Bevel.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// Records the points and applies a value to them, as the value tool would.
struct Recorder : PointDirections {
    void addPoint(Vertex* v, const Point3D& direction, const Point3D&, float) override
    {
        points.push_back({v, direction});
    }
    void finishObject(InnerShape&) override { ++finished; }
    void apply(Shape& s, float value)
    {
        for (auto& [v, d] : points)
            v->setPosition(v->x + d.x * value, v->y + d.y * value, v->z + d.z * value);
        s.update(true, false, -1);
    }
    std::vector<std::pair<Vertex*, Point3D>> points;
    int finished = 0;
};

ShapePtr cubeShape() { return ShapePtr(take<Shape>(*cube())); }

// How many faces have each corner count.
std::map<int, int> faceSizes(const InnerShape& m)
{
    std::map<int, int> sizes;
    for (const Face* f : m.faces)
        ++sizes[f->cornerCount()];
    return sizes;
}

// Old faces keep their winding, so consistent winding means every new face
// faces the same way as its neighbours.
void expectSound(const InnerShape& m)
{
    EXPECT_EQ(validateTopology(m), "");
    EXPECT_TRUE(windingConsistent(m));
}

// Every vertex lies on the cube's surface, `inset` in from its edges.
void expectChamferedCube(const InnerShape& m, float inset)
{
    for (const Vertex* v : m.vertices) {
        std::vector<float> c{std::fabs(v->x), std::fabs(v->y), std::fabs(v->z)};
        std::sort(c.begin(), c.end());
        EXPECT_NEAR(c[0], 1 - inset, 1e-5f);
        EXPECT_NEAR(c[1], 1 - inset, 1e-5f);
        EXPECT_NEAR(c[2], 1, 1e-5f);
    }
}

TEST(Bevel, AllCubeEdgesGiveTheChamferedCube)
{
    ShapePtr s = cubeShape();
    Recorder rec;
    const BevelResult r = bevelObject(*s, &rec);
    EXPECT_EQ(r.bevelled, 12);
    EXPECT_EQ(r.skippedEdges, 0);
    EXPECT_EQ(countsOf(*s), (EditCounts{24, 48, 26, 0}));
    EXPECT_EQ(faceSizes(*s), (std::map<int, int>{{3, 8}, {4, 18}}));
    expectSound(*s);
    ASSERT_EQ(rec.points.size(), 24u);
    EXPECT_EQ(rec.finished, 1);
    rec.apply(*s, 0.1f);
    expectChamferedCube(*s, 0.1f);
}

TEST(Bevel, OneCreasedCubeEdgeOpensBetweenTwoCreasedBorders)
{
    ShapePtr s = cubeShape();
    Edge* e = s->findEdge(s->vertices[5], s->vertices[6]); // x = 1, z = 1, along y
    e->set(Geometry::Creased);
    Material other;
    Material* first = e->faces[0]->material = &other;
    Recorder rec;
    EXPECT_EQ(bevelEdges(*s, edgesBetween(*s, {{5, 6}}), &rec).bevelled, 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{10, 15, 7, 0}));
    EXPECT_EQ(faceSizes(*s), (std::map<int, int>{{4, 5}, {5, 2}}));
    expectSound(*s);
    const Face* strip = s->faces.last();
    EXPECT_EQ(strip->material, first);
    int creased = 0;
    for (const Corner& c : strip->corners)
        creased += c.edge->has(Geometry::Creased);
    EXPECT_EQ(creased, 2);
    rec.apply(*s, 0.1f);
    // The strip runs from (1, y, 0.9) to (0.9, y, 1).
    for (const Corner& c : strip->corners) {
        EXPECT_NEAR(std::fabs(c.vertex->y), 1, 1e-5f);
        EXPECT_NEAR(c.vertex->x + c.vertex->z, 1.9f, 1e-5f);
    }
}

TEST(Bevel, EdgesWithoutTwoFacesAreSkippedAndCounted)
{
    ShapePtr s(take<Shape>(*openGrid(2, 2)));
    const EditCounts before = countsOf(*s);
    const int changes = s->changeCount;
    const BevelResult r = bevelEdges(*s, edgesBetween(*s, {{0, 1}}), nullptr);
    EXPECT_EQ(r.bevelled, 0);
    EXPECT_EQ(r.skippedEdges, 1);
    EXPECT_EQ(countsOf(*s), before);
    EXPECT_EQ(s->changeCount, changes);
    // The grid's middle edge reaches the border at both ends: the ends slide
    // along the border, which stays open.
    const BevelResult inner = bevelEdges(*s, edgesBetween(*s, {{1, 4}, {0, 1}}), nullptr);
    EXPECT_EQ(inner.bevelled, 1);
    EXPECT_EQ(inner.skippedEdges, 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 17, 6, 9}));
    expectSound(*s);
}

// Two trapezoids on the edge (0,0)-(2,0) whose sides leave it at 45°: the
// ends slide faster along them, so both borders of the strip stay 0.1 away.
TEST(Bevel, SlantedSidesKeepTheWidth)
{
    ShapePtr s(take<Shape>(*meshFrom({{0, 0, 0}, {2, 0, 0}, {3, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {3, -1, 0}},
                                     {{0, 1, 2, 3}, {4, 5, 1, 0}})));
    Recorder rec;
    EXPECT_EQ(bevelEdges(*s, edgesBetween(*s, {{0, 1}}), &rec).bevelled, 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{8, 10, 3, 8}));
    expectSound(*s);
    rec.apply(*s, 0.1f);
    for (const Corner& c : s->faces.last()->corners)
        EXPECT_NEAR(std::fabs(c.vertex->y), 0.1f, 1e-5f);
}

TEST(Bevel, CubeCornerIsCutOffAlongItsEdges)
{
    ShapePtr s = cubeShape();
    Recorder rec;
    EXPECT_EQ(bevelVertices(*s, verticesAt(*s, {6}), &rec).bevelled, 1);
    EXPECT_EQ(countsOf(*s), (EditCounts{10, 15, 7, 0}));
    EXPECT_EQ(faceSizes(*s), (std::map<int, int>{{3, 1}, {4, 3}, {5, 3}}));
    expectSound(*s);
    ASSERT_EQ(rec.points.size(), 3u);
    rec.apply(*s, 0.25f);
    for (auto& [v, d] : rec.points)
        EXPECT_NEAR(v->distance(Point3D(1, 1, 1)), 0.25f, 1e-5f);
}

TEST(Bevel, CubeFaceOutlineShrinksTheFace)
{
    ShapePtr s = cubeShape();
    Face* top = s->faces[1];
    Recorder rec;
    EXPECT_EQ(bevelFaces(*s, facesAt(*s, {1}), &rec).bevelled, 4);
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 20, 10, 0}));
    expectSound(*s);
    rec.apply(*s, 0.2f);
    for (const Corner& c : top->corners) {
        EXPECT_NEAR(std::fabs(c.vertex->x), 0.8f, 1e-5f);
        EXPECT_NEAR(std::fabs(c.vertex->y), 0.8f, 1e-5f);
        EXPECT_NEAR(c.vertex->z, 1, 1e-5f);
    }
}

// Every catalogue shape stays sound whatever is bevelled: holes, n-gons,
// borders, folds and edges of three faces included.
TEST(Bevel, EveryFixtureStaysValid)
{
    using Make = MeshPtr (*)();
    const std::pair<const char*, Make> shapes[] = {
        {"cube", [] { return cube(); }},           {"grid", [] { return openGrid(3, 2); }},
        {"ngon", [] { return ngon(6); }},          {"two quads", twoQuads},
        {"quad with hole", quadWithHole},          {"fold", fold},
        {"non-manifold", nonManifold},             {"mixed polygons", mixedPolygons},
        {"tube", [] { return openTube(5, 2); }},
    };
    for (auto [name, make] : shapes) {
        SCOPED_TRACE(name);
        ShapePtr edges(take<Shape>(*make()));
        Recorder rec;
        bevelObject(*edges, &rec);
        EXPECT_EQ(validateTopology(*edges), "");
        rec.apply(*edges, 0.05f);
        ShapePtr vertices(take<Shape>(*make()));
        bevelVertices(*vertices, allVertices(*vertices), nullptr);
        EXPECT_EQ(validateTopology(*vertices), "");
    }
}

// Walks the loop of edges through `e` on a mesh whose vertices all have four
// edges: at each vertex the loop goes on along the edge sharing no face with
// the one it came by.
List<Edge*> edgeLoop(const InnerShape& m, Edge* e)
{
    List<Edge*> loop;
    Edge* at = e;
    Vertex* v = e->endVertex;
    do {
        loop.append(at);
        Edge* next = nullptr;
        for (Edge* g : m.edges)
            if (g != at && (g->startVertex == v || g->endVertex == v) &&
                !g->faces.contains(at->faces[0]) && !g->faces.contains(at->faces[1]))
                next = g;
        at = next;
        v = at->otherVertex(v);
    } while (at != e);
    return loop;
}

TEST(Bevel, TorusRingOpensIntoABandOfQuads)
{
    ShapePtr s(take<Torus>(1.f, 2.f, 3, 4));
    s->subdivide();
    s->refineControlMesh();
    const List<Edge*> ring = edgeLoop(*s, s->edges[0]);
    const int n = ring.count();
    ASSERT_TRUE(n == 6 || n == 8);
    EXPECT_EQ(bevelEdges(*s, ring, nullptr).bevelled, n);
    EXPECT_EQ(countsOf(*s), (EditCounts{48 + n, 96 + 2 * n, 48 + n, 0}));
    EXPECT_EQ(faceSizes(*s), (std::map<int, int>{{4, 48 + n}}));
    expectSound(*s);
}

// Every vertex and face has a partner where the reflection puts it.
void expectPairedAcross(const Shape& s)
{
    for (const Vertex* v : s.vertices) {
        ASSERT_NE(v->mirror, nullptr);
        EXPECT_LT(v->mirror->distance(s.mirrorPlane.reflect(*v)), 1e-5f);
    }
    for (const Face* f : s.faces) {
        ASSERT_NE(f->mirror, nullptr);
        EXPECT_LT(f->mirror->centre().distance(s.mirrorPlane.reflect(f->centre())), 1e-5f);
    }
}

// With Symmetry on partners open too, and every new point pairs with the one
// across the plane x = 0 wherever the value takes them: off the plane (a
// cube edge and its partner) and on it (a torus vertex, its own partner).
TEST(Bevel, MirrorPartnersOpenAndStayPaired)
{
    ShapePtr s = cubeShape();
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    Recorder rec;
    EXPECT_EQ(bevelEdges(*s, edgesBetween(*s, {{5, 6}}), &rec).bevelled, 2);
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 18, 8, 0}));
    expectSound(*s);
    rec.apply(*s, 0.1f);
    expectPairedAcross(*s);

    ShapePtr t(take<Torus>(1.f, 2.f, 3, 4));
    t->subdivide();
    t->refineControlMesh();
    t->setSymmetry(true);
    calculateSymmetry(*t, t->mirrorPlane, MinSymmetryTolerance);
    Vertex* onPlane = *std::find_if(t->vertices.begin(), t->vertices.end(), [](Vertex* v) { return v->mirror == v; });
    Recorder corner;
    List<Vertex*> one;
    one.append(onPlane);
    EXPECT_EQ(bevelVertices(*t, one, &corner).bevelled, 1);
    EXPECT_EQ(countsOf(*t), (EditCounts{51, 100, 49, 0}));
    expectSound(*t);
    corner.apply(*t, 0.05f);
    expectPairedAcross(*t);
}

} // namespace
