// Every primitive over a range of parameters: its name, its counts, closed
// where it should be, faces wound outward, the protocol's pivot and state,
// and default texture coordinates that fit the unit square with the margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "Mesh/Primitives/ArcSpiral.h"
#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Circle.h"
#include "Mesh/Primitives/Cone.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Grid.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

struct Expected {
    int vertices, edges, faces;
};

enum Closure { Open, Closed, Wire };

struct Case {
    const char* label;
    std::function<Shape*()> make;
    const char* name;
    Expected counts;
    Closure closure;
    bool convex; // every face looks away from the pivot
};

int boxVertices(int a, int b, int c)
{
    return (a + 1) * (b + 1) * (c + 1) - (a - 1) * (b - 1) * (c - 1);
}

// Euler's formula for a closed surface of genus 0.
Expected sphereLike(int v, int f)
{
    return {v, v + f - 2, f};
}

const Case Cases[] = {
    {"UnitBox", [] { return take<Box>(1.f, 1.f, 1.f, 1, 1, 1); }, "Cube", {8, 12, 6}, Closed, true},
    {"SectionedBox", [] { return take<Box>(2.f, 3.f, 4.f, 2, 3, 4); }, "Cube",
     sphereLike(boxVertices(2, 3, 4), 2 * (2 * 3 + 3 * 4 + 4 * 2)), Closed, true},
    {"Cylinder", [] { return take<Cylinder>(1.f, 2.f, 12, 4, false); }, "Cylinder", sphereLike(12 * 5, 12 * 4 + 2),
     Closed, true},
    {"CylinderSpokes", [] { return take<Cylinder>(1.f, 2.f, 12, 4, true); }, "Cylinder",
     sphereLike(12 * 5 + 2, 12 * 4 + 24), Closed, true},
    {"ConeApexSpokes", [] { return take<Cone>(0.f, 1.f, 2.f, 12, 3, true); }, "Cone",
     sphereLike(12 * 3 + 1 + 1, 12 * 3 + 12), Closed, true},
    {"Frustum", [] { return take<Cone>(0.5f, 1.f, 2.f, 8, 2, false); }, "Cone", sphereLike(8 * 3, 8 * 2 + 2), Closed,
     true},
    {"Sphere", [] { return take<Sphere>(1.f, 12, 6); }, "Sphere", sphereLike(62, 72), Closed, true},
    {"Torus", [] { return take<Torus>(1.f, 2.f, 10, 10); }, "Torus", {100, 200, 100}, Closed, false},
    {"SectionedGrid", [] { return take<Grid>(4.f, 2.f, 0.f, 4, 2, 0); }, "Grid", {15, 22, 8}, Open, false},
    {"LayeredGrid", [] { return take<Grid>(1.f, 1.f, 2.f, 2, 2, 2); }, "Grid", {27, 36, 12}, Open, false},
    {"Polygon", [] { return take<Circle>(1.f, 5, true, false); }, "Polygon", {5, 5, 1}, Open, false},
    {"PolygonSpokes", [] { return take<Circle>(1.f, 8, true, true); }, "Polygon", {9, 16, 8}, Open, false},
    {"Ring", [] { return take<Circle>(1.f, 7, false, false); }, "Line Segment", {7, 7, 0}, Wire, false},
    {"Spiral", [] { return take<ArcSpiral>(2.f, 1.f, 3.f, 720.f, 40); }, "Line Segment", {41, 40, 0}, Wire, false},
};

class PrimitiveCatalogue : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { shape.reset(GetParam().make()); }
    ShapePtr shape;
};

TEST_P(PrimitiveCatalogue, HasItsNameCountsAndValidTopology)
{
    const Case& c = GetParam();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->name, c.name);
    EXPECT_EQ(shape->vertices.count(), c.counts.vertices);
    EXPECT_EQ(shape->edges.count(), c.counts.edges);
    EXPECT_EQ(shape->faces.count(), c.counts.faces);
    EXPECT_EQ(validateTopology(*shape), "");
}

TEST_P(PrimitiveCatalogue, IsClosedExactlyWhereItShouldBe)
{
    const Closure closure = GetParam().closure;
    int boundary = 0, wire = 0;
    for (const Edge* e : shape->edges) {
        boundary += e->has(Geometry::Boundary);
        wire += e->faces.empty();
        if (closure == Closed) {
            EXPECT_EQ(e->faces.count(), 2);
        }
    }
    // Wire edges have no face at all, so their Boundary bit tells nothing.
    if (closure != Wire) {
        EXPECT_EQ(boundary == 0, closure == Closed);
    }
    EXPECT_EQ(wire == shape->edges.count(), closure == Wire);
}

// Closed objects enclose a positive volume; the flat ones face up, towards
// the default view.
TEST_P(PrimitiveCatalogue, FacesAreWoundOutward)
{
    const bool closed = GetParam().closure == Closed;
    if (closed) {
        EXPECT_GT(signedVolume(*shape), 0.0);
    }
    for (const Face* f : shape->faces) {
        EXPECT_NEAR(f->normal.length(), 1.0f, 1e-4f);
        if (GetParam().convex) {
            const Point3D out = f->centre() - Point3D(&shape->pivot());
            EXPECT_GT(f->normal.dot(out), 0.0f);
        }
        if (!closed) {
            EXPECT_NEAR(f->normal.y, 1.0f, 1e-5f);
        }
    }
}

TEST_P(PrimitiveCatalogue, PivotIsTheCentreOfTheBoundingBox)
{
    float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
    for (const Vertex* v : shape->vertices) {
        const float p[3] = {v->x, v->y, v->z};
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], p[k]);
            hi[k] = std::max(hi[k], p[k]);
        }
    }
    EXPECT_NEAR(shape->pivot().x, (lo[0] + hi[0]) / 2, 1e-5f);
    EXPECT_NEAR(shape->pivot().y, (lo[1] + hi[1]) / 2, 1e-5f);
    EXPECT_NEAR(shape->pivot().z, (lo[2] + hi[2]) / 2, 1e-5f);
}

TEST_P(PrimitiveCatalogue, TextureFitsTheUnitSquareWithTheMargin)
{
    const float half = 0.5f / (1.0f + DefaultLayoutSpacing);
    float widest = 0;
    for (const Face* f : shape->faces)
        for (const Corner& c : f->corners) {
            EXPECT_GE(c.u, 0.5f - half - 1e-5f);
            EXPECT_LE(c.u, 0.5f + half + 1e-5f);
            EXPECT_GE(c.v, 0.5f - half - 1e-5f);
            EXPECT_LE(c.v, 0.5f + half + 1e-5f);
            widest = std::max({widest, std::fabs(c.u - 0.5f), std::fabs(c.v - 0.5f)});
        }
    if (!shape->faces.empty()) {
        EXPECT_NEAR(widest, half, 1e-4f);
    }
}

INSTANTIATE_TEST_SUITE_P(Primitives, PrimitiveCatalogue, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.label); });

} // namespace
