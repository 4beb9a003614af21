// The primitives built from profiles: lathe, straight and path extrusion,
// polygons and line segments, checked against volumes and areas worked out
// by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Mesh/Primitives/Lathe.h"
#include "Mesh/Primitives/Lineseg.h"
#include "Mesh/Primitives/PathExtrude.h"
#include "Mesh/Primitives/SPolygon.h"
#include "Mesh/Primitives/StraightExtrude.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

int boundaryEdges(const Shape& s)
{
    int n = 0;
    for (const Edge* e : s.edges)
        n += e->has(Geometry::Boundary);
    return n;
}

// A unit square in y = 0, counter-clockwise seen from above.
const std::vector<Point3D> Square = {Point3D(0, 0, 0), Point3D(0, 0, 1), Point3D(1, 0, 1), Point3D(1, 0, 0)};

// The volume of a regular n-sided prism of circumradius r and height h.
double prismVolume(int n, double r, double h)
{
    return n / 2.0 * r * r * std::sin(2 * std::numbers::pi / n) * h;
}

// Closed solids from a line (capped), a half circle from pole to pole (its
// ends merged into poles) and a square turned a quarter (one more column,
// capped ends).
TEST(Lathe, ProfilesBecomeClosedSolids)
{
    std::vector<Point3D> arc;
    for (int j = 0; j <= 4; ++j) {
        const double a = std::numbers::pi * j / 4;
        arc.emplace_back(static_cast<float>(std::sin(a)), static_cast<float>(-std::cos(a)), 0.0f);
    }
    const std::vector<Point3D> line = {Point3D(1, 0, 0), Point3D(1, 2, 0)};
    struct Case {
        ShapePtr shape;
        int vertices, faces;
        double volume; // 0: only positive
    };
    Case cases[] = {
        {ShapePtr(take<Lathe>(line, false, Point3D(0, 0, 0), Point3D(0, 1, 0), 360.f, 16, true, 0.001f)), 32, 18,
         prismVolume(16, 1, 2)},
        {ShapePtr(take<Lathe>(arc, false, Point3D(0, 0, 0), Point3D(0, 1, 0), 360.f, 8, false, 0.001f)), 8 * 3 + 2,
         8 * 4, 0},
        {ShapePtr(take<Lathe>(Square, true, Point3D(-1, 0, 0), Point3D(0, 0, 1), 90.f, 3, true, 0.001f)), 16, 14, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.shape->name, "Lathe");
        EXPECT_EQ(validateTopology(*c.shape), "");
        EXPECT_EQ(c.shape->vertices.count(), c.vertices);
        EXPECT_EQ(c.shape->faces.count(), c.faces);
        EXPECT_EQ(boundaryEdges(*c.shape), 0);
        const double volume = signedVolume(*c.shape);
        EXPECT_GT(volume, 0.0);
        if (c.volume > 0) {
            EXPECT_NEAR(volume, c.volume, 1e-4);
        }
    }
}

TEST(Lathe, ProfileRunningDownwardAboutAnOffsetAxisStillFacesOutward)
{
    const std::vector<Point3D> line = {Point3D(3, 2, 5), Point3D(3, 0, 5)};
    ShapePtr s(take<Lathe>(line, false, Point3D(2, 0, 5), Point3D(0, 2, 0), 360.f, 8, false, 0.001f));
    EXPECT_EQ(boundaryEdges(*s), 16);
    for (const Vertex* v : s->vertices)
        EXPECT_NEAR(std::hypot(v->x - 2.0f, v->z - 5.0f), 1.0f, 1e-5f);
    for (const Face* f : s->faces)
        EXPECT_GT(f->normal.dot(Point3D(f->centre().x - 2, 0, f->centre().z - 5)), 0.0f);
}

TEST(StraightExtrude, SquareLoopBecomesAClosedBoxOfItsVolume)
{
    ShapePtr s(take<StraightExtrude>(Square, true, Point3D(0, 1, 0), 2.f, 2));
    EXPECT_EQ(s->name, "Extrusion");
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(s->vertices.count(), 12);
    EXPECT_EQ(s->faces.count(), 8 + 2);
    EXPECT_EQ(boundaryEdges(*s), 0);
    EXPECT_NEAR(signedVolume(*s), 2.0, 1e-5);
    // A loop wound the other way, extruded downward, still encloses positively.
    std::vector<Point3D> reversed(Square.rbegin(), Square.rend());
    EXPECT_NEAR(signedVolume(*ShapePtr(take<StraightExtrude>(reversed, true, Point3D(0, -3, 0), 1.f, 1))), 1.0, 1e-5);
}

TEST(PathExtrude, RingsStandAcrossThePathAndFollowItsTurns)
{
    // Along +X, then +Z: the rings start in the YZ plane and end in the XY plane.
    const std::vector<Point3D> path = {Point3D(0, 0, 0), Point3D(5, 0, 0), Point3D(5, 0, 5)};
    ShapePtr s(take<PathExtrude>(Square, true, path, false, 1.f, 0.f));
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(s->vertices[j]->x, 0.0f, 1e-5f);
        EXPECT_NEAR(s->vertices[8 + j]->z, 5.0f, 1e-5f);
    }
    EXPECT_EQ(boundaryEdges(*s), 8);
    for (const Face* f : s->faces)
        EXPECT_NEAR(f->normal.length(), 1.0f, 1e-4f);
}

TEST(PathExtrude, ScaleAndTwistGrowWithTheDistanceTravelled)
{
    const std::vector<Point3D> path = {Point3D(0, 0, 0), Point3D(0, 1, 0), Point3D(0, 3, 0)};
    ShapePtr s(take<PathExtrude>(Square, true, path, true, 3.f, 90.f));
    auto radius = [&](int ring) {
        const Vertex* v = s->vertices[ring * 4];
        return std::hypot(v->x - 0.0f, v->z - 0.0f);
    };
    const float start = radius(0);
    EXPECT_NEAR(radius(1) / start, 1.0f + 2.0f / 3.0f, 1e-4f);
    EXPECT_NEAR(radius(2) / start, 3.0f, 1e-4f);
    const Vertex* first = s->vertices[0];
    const Vertex* last = s->vertices[8];
    EXPECT_NEAR(first->x * last->x + first->z * last->z, 0.0f, 1e-4f);
    EXPECT_GT(signedVolume(*s), 0.0);
}

TEST(Lineseg, PolylineClosedLoopAndSectionedSegment)
{
    ShapePtr open(take<Lineseg>(Square));
    EXPECT_EQ(open->name, "Line Segment");
    EXPECT_EQ(open->edges.count(), 3);
    EXPECT_TRUE(open->faces.empty());
    ShapePtr loop(take<Lineseg>(Square, true));
    EXPECT_EQ(loop->edges.count(), 4);
    EXPECT_EQ(loop->edges[3]->endVertex, loop->vertices[0]);
    EXPECT_EQ(validateTopology(*loop), "");
    ShapePtr s(take<Lineseg>(Point3D(0, 0, 0), Point3D(4, 0, 0), 4));
    ASSERT_EQ(s->vertices.count(), 5);
    EXPECT_FLOAT_EQ(s->vertices[1]->x, 1.0f);
    EXPECT_FLOAT_EQ(s->pivot().x, 2.0f);
}

TEST(ProfileChain, FollowsWireEdgesFromAnEnd)
{
    // Vertices listed out of chain order: the edges decide.
    MeshPtr m = fixtures::meshFrom({{0, 0, 0}, {2, 0, 0}, {1, 0, 0}}, {}, false);
    m->addEdge(take<Edge>(m->vertices[1], m->vertices[2]));
    m->addEdge(take<Edge>(m->vertices[2], m->vertices[0]));
    bool closed = true;
    const std::vector<Point3D> chain = profileChain(*m, closed);
    EXPECT_FALSE(closed);
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_FLOAT_EQ(chain[0].x, 0.0f);
    EXPECT_FLOAT_EQ(chain[1].x, 1.0f);
    EXPECT_FLOAT_EQ(chain[2].x, 2.0f);
    // A loop and a face outline are closed.
    EXPECT_EQ(profileChain(*ShapePtr(take<Lineseg>(Square, true)), closed).size(), 4u);
    EXPECT_TRUE(closed);
    closed = false;
    EXPECT_EQ(profileChain(*ShapePtr(take<SPolygon>(Square)), closed).size(), 4u);
    EXPECT_TRUE(closed);
}

} // namespace
