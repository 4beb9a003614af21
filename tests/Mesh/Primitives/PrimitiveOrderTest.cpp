// The vertex and face orders, positions and frames that the primitives
// promise, which the file formats and the commands rely on by index.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Mesh/Primitives/ArcSpiral.h"
#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Circle.h"
#include "Mesh/Primitives/Cone.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Grid.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Primitives/Torus.h"
#include "support/ShapeFixtures.h"

namespace {

void expectAt(const Vertex* v, float x, float y, float z)
{
    EXPECT_NEAR(v->distance(Point3D(x, y, z)), 0.0f, 1e-5f) << v->x << ", " << v->y << ", " << v->z;
}

TEST(BoxOrder, FirstSideRunsRowByRowFromTheGroundAndFacesMinusZ)
{
    ShapePtr box(take<Box>(2.f, 3.f, 4.f, 2, 3, 1));
    for (int j = 0; j <= 3; ++j)
        for (int i = 0; i <= 2; ++i)
            expectAt(box->vertices[j * 3 + i], -1.0f + i, static_cast<float>(j), -2.0f);
    const Face* first = box->faces[0];
    // Row 1, column 1: corners (1,1), (0,1), (0,0), (1,0).
    EXPECT_EQ(first->corners[0].vertex, box->vertices[4]);
    EXPECT_EQ(first->corners[1].vertex, box->vertices[1]);
    EXPECT_EQ(first->corners[2].vertex, box->vertices[0]);
    EXPECT_EQ(first->corners[3].vertex, box->vertices[3]);
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(box->faces[k]->normal.z, -1.0f, 1e-6f);
    expectAt(&box->pivot(), 0, 1.5f, 0);
}

TEST(RevolutionOrder, CylinderColumnsRiseAndTurnFromXTowardsZ)
{
    ShapePtr c(take<Cylinder>(1.f, 2.f, 4, 2, false));
    for (int k = 0; k < 3; ++k)
        expectAt(c->vertices[k], 1, static_cast<float>(k), 0);
    expectAt(c->vertices[3], 0, 0, 1); // next column, a quarter turn on
    EXPECT_EQ(c->vertices.count(), 12); // no cap centres without spokes
    // With spokes the cap centres come last, top first.
    ShapePtr spoked(take<Cylinder>(1.f, 2.f, 8, 3, true));
    const int n = spoked->vertices.count();
    ASSERT_EQ(n, 8 * 4 + 2);
    expectAt(spoked->vertices[n - 2], 0, 2, 0);
    expectAt(spoked->vertices[n - 1], 0, 0, 0);
}

TEST(RevolutionOrder, SpherePolesAreTheLastTwoVertices)
{
    ShapePtr s(take<Sphere>(2.f, 12, 6));
    const int n = s->vertices.count();
    ASSERT_EQ(n, 62);
    expectAt(s->vertices[n - 2], 0, 2, 0);
    expectAt(s->vertices[n - 1], 0, -2, 0);
    // The first column descends from just below the top pole.
    const double a = std::numbers::pi / 6;
    expectAt(s->vertices[0], static_cast<float>(2 * std::sin(a)), static_cast<float>(2 * std::cos(a)), 0);
}

TEST(RevolutionOrder, TorusTubeStartsAtItsOuterPointAndRingsSweepAroundY)
{
    ShapePtr t(take<Torus>(1.f, 3.f, 8, 6));
    // Ring radius 2, tube radius 1: the first cross-section starts outside.
    expectAt(t->vertices[0], 3, 0, 0);
    expectAt(t->vertices[2], 2, 1, 0);
    expectAt(t->vertices[8], 1.5f, 0, static_cast<float>(3 * std::sin(std::numbers::pi / 3)));
    for (const Vertex* v : t->vertices) {
        const float fromRing = std::hypot(std::hypot(v->x, v->z) - 2.0f, v->y);
        EXPECT_NEAR(fromRing, 1.0f, 1e-5f);
    }
}

TEST(GridOrder, StartsAtTheMinusCornerStepsAlongXFirstAndStacksSheetsUpward)
{
    ShapePtr g(take<Grid>(4.f, 2.f, 0.f, 4, 2, 0));
    expectAt(g->vertices[0], -2, 0, -1);
    expectAt(g->vertices[1], -1, 0, -1);
    expectAt(g->vertices[5], -2, 0, 0);
    EXPECT_EQ(std::hypot(g->pivot().x, g->pivot().z), 0.0f);
    ShapePtr stacked(take<Grid>(1.f, 1.f, 3.f, 1, 1, 3));
    ASSERT_EQ(stacked->vertices.count(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(stacked->vertices[i]->y, static_cast<float>(i / 4));
}

TEST(CircleOrder, RingStartsOnXAndStepsAboutMinusYWithTheCentreLast)
{
    ShapePtr c(take<Circle>(2.f, 4, false, false));
    expectAt(c->vertices[0], 2, 0, 0);
    expectAt(c->vertices[1], 0, 0, 2);
    ShapePtr spoked(take<Circle>(1.f, 5, true, true));
    expectAt(spoked->vertices[5], 0, 0, 0);
    for (const Face* f : spoked->faces)
        EXPECT_EQ(f->corners[0].vertex, spoked->vertices[5]);
}

TEST(ArcOrder, RunsFromTheRadiusInwardAndUpWhileTurning)
{
    ShapePtr a(take<ArcSpiral>(2.f, 1.f, 4.f, 90.f, 2));
    ASSERT_EQ(a->vertices.count(), 3);
    expectAt(a->vertices[0], 2, 0, 0);
    const float r1 = 1.5f, c = static_cast<float>(std::cos(std::numbers::pi / 4));
    expectAt(a->vertices[1], r1 * c, 2, r1 * c);
    expectAt(a->vertices[2], 0, 4, 1);
    EXPECT_EQ(a->edges[0]->startVertex, a->vertices[0]);
    EXPECT_EQ(a->edges[1]->endVertex, a->vertices[2]);
    // Zero sections count as one.
    EXPECT_EQ(ShapePtr(take<ArcSpiral>(1.f, 1.f, 1.f, 360.f, 0))->edges.count(), 1);
}

// The area of a regular n-gon of circumradius r.
double ngonArea(int n, double r)
{
    return n / 2.0 * r * r * std::sin(2 * std::numbers::pi / n);
}

TEST(EnclosedVolume, MatchesTheSolidWorkedOutByHand)
{
    struct Row {
        const char* what;
        ShapePtr shape;
        double volume;
    };
    const double a1 = ngonArea(8, 1.0), a2 = ngonArea(8, 0.5);
    Row rows[] = {
        {"box", ShapePtr(take<Box>(2.f, 3.f, 4.f, 2, 1, 3)), 24.0},
        {"cylinder", ShapePtr(take<Cylinder>(1.f, 2.f, 12, 4, true)), ngonArea(12, 1.0) * 2.0},
        {"cone", ShapePtr(take<Cone>(0.f, 1.f, 3.f, 10, 3, false)), ngonArea(10, 1.0) * 3.0 / 3.0},
        {"frustum", ShapePtr(take<Cone>(0.5f, 1.f, 2.f, 8, 2, true)), 2.0 / 3.0 * (a1 + a2 + std::sqrt(a1 * a2))},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(signedVolume(*row.shape), row.volume, 1e-4) << row.what;
}

} // namespace
