// Slide directions: the ends of edges travel along the sides beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/ComponentDirections.h"
#include "Mesh/Topology/SplitLoop.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

struct Recorded : PointDirections {
    struct Point {
        Vertex* v;
        Point3D positive, negative;
    };
    void addPoint(Vertex* v, const Point3D& direction, const Point3D& negative, float) override
    {
        points.push_back({v, direction, negative});
    }
    void finishObject(InnerShape&) override { ++finished; }
    // Where each point is at value `value`, in entry order.
    std::vector<Point3D> at(float value) const
    {
        std::vector<Point3D> out;
        for (const Point& p : points)
            out.push_back(*p.v + (value < 0 ? p.negative : p.positive) * value);
        return out;
    }
    // Where `v` is at `value`.
    Point3D at(const Vertex* v, float value) const
    {
        for (const Point& p : points)
            if (p.v == v)
                return *p.v + (value < 0 ? p.negative : p.positive) * value;
        return Point3D(NAN, NAN, NAN);
    }
    std::vector<Point> points;
    int finished = 0;
};

void expectAt(const Point3D& p, const Point3D& expected)
{
    EXPECT_NEAR(p.distance(expected), 0.0f, 1e-5f) << p.x << " " << p.y << " " << p.z;
}

// The vertices of `s` at these positions, for points slid to their value ±1.
std::set<const Vertex*> reached(const Shape& s, const std::vector<Point3D>& positions)
{
    std::set<const Vertex*> out;
    for (const Point3D& p : positions)
        for (const Vertex* v : s.vertices)
            if (p.distance(*v) < 1e-5f)
                out.insert(v);
    return out;
}

TEST(SlideDirections, EndsReachTheFarEndsOfTheSidesBeside)
{
    ShapePtr s(take<Shape>(*cube()));
    Recorded r;
    // Edge 0-1 lies between the bottom (z = −1) and the front (y = −1).
    EXPECT_EQ(slideDirections(*s, edgesBetween(*s, {{0, 1}, {1, 0}}), r), 2);
    EXPECT_EQ(r.finished, 1);
    const List<Vertex*>& v = s->vertices;
    expectAt(r.at(v[0], 1), *v[3]);
    expectAt(r.at(v[1], 1), *v[2]);
    expectAt(r.at(v[0], -1), *v[4]);
    expectAt(r.at(v[1], -1), *v[5]);

    // A border edge has nothing on its open side.
    ShapePtr grid(take<Shape>(*openGrid(1, 1)));
    Recorded b;
    EXPECT_EQ(slideDirections(*grid, edgesBetween(*grid, {{0, 1}}), b), 2);
    expectAt(b.at(grid->vertices[1], 1), *grid->vertices[3]);
    expectAt(b.at(grid->vertices[1], -1), *grid->vertices[1]);
}

// After a split the new loop slides as one: its points reach the two
// neighbouring loops, one on each side, and never both sides at one value.
TEST(SlideDirections, ANewLoopSlidesToOneSide)
{
    for (bool torus : {false, true}) {
        SCOPED_TRACE(torus ? "torus" : "cube");
        ShapePtr s(torus ? take<Torus>(1.f, 2.f, 3, 4) : take<Shape>(*cube()));
        List<Edge*> loop;
        const int n = splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop);
        ASSERT_GT(n, 0);
        ASSERT_EQ(validateTopology(*s), "");
        Recorded r;
        EXPECT_EQ(slideDirections(*s, loop, r), n);
        const std::set<const Vertex*> plus = reached(*s, r.at(1)), minus = reached(*s, r.at(-1));
        EXPECT_EQ(plus.size(), static_cast<size_t>(n));
        EXPECT_EQ(minus.size(), static_cast<size_t>(n));
        for (const Vertex* v : plus)
            EXPECT_EQ(minus.count(v), 0u);
        // Each point moves along a side of the mesh.
        for (const Recorded::Point& p : r.points)
            for (const Vertex* end : reached(*s, {r.at(p.v, 1)}))
                EXPECT_NE(s->findEdge(p.v, end), nullptr);
    }
}

// Which face an edge lists first follows the face order; a chain of edges
// still slides to one side when that order alternates along it.
TEST(SlideDirections, AChainSlidesToOneSideWhateverTheFaceOrder)
{
    std::vector<Point> points;
    for (int j = 0; j <= 2; ++j)
        for (int i = 0; i <= 3; ++i)
            points.push_back({float(i), float(j), 0});
    auto quad = [](int i, int j) { return std::vector<int>{j * 4 + i, j * 4 + i + 1, j * 4 + i + 5, j * 4 + i + 4}; };
    ShapePtr s(take<Shape>(*meshFrom(points, {quad(0, 0), quad(1, 1), quad(2, 0), quad(0, 1), quad(1, 0), quad(2, 1)})));
    Recorded r;
    EXPECT_EQ(slideDirections(*s, edgesBetween(*s, {{4, 5}, {5, 6}, {6, 7}}), r), 4);
    const std::set<const Vertex*> plus = reached(*s, r.at(1)), minus = reached(*s, r.at(-1));
    const List<Vertex*>& v = s->vertices;
    const std::set<const Vertex*> bottom{v[0], v[1], v[2], v[3]}, top{v[8], v[9], v[10], v[11]};
    EXPECT_TRUE((plus == bottom && minus == top) || (plus == top && minus == bottom));
}

TEST(SlideDirections, MirrorPartnersSlideAsTheReflection)
{
    ShapePtr s(take<Shape>(*openGrid(2, 1)));
    s->mirrorPlane.set(Point3D(1, 0, 0), Point3D(1, 0, 0));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    Recorded r;
    // The left border 0-3; its image is the right border 2-5.
    EXPECT_EQ(slideDirections(*s, edgesBetween(*s, {{0, 3}}), r), 4);
    std::set<const Vertex*> moved;
    for (const Recorded::Point& p : r.points)
        moved.insert(p.v);
    EXPECT_EQ(moved, (std::set<const Vertex*>{s->vertices[0], s->vertices[3], s->vertices[2], s->vertices[5]}));
    const std::set<const Vertex*> plus = reached(*s, r.at(1));
    EXPECT_EQ(plus, (std::set<const Vertex*>{s->vertices[1], s->vertices[4]}));
}

} // namespace
