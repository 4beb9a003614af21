// Slide directions: the ends of edges travel along the sides beside them.
#include <gtest/gtest.h>

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

// Slides `edges` of `s` and records the vertices the points reach at value +1 and −1.
struct Slid : PointDirections {
    Slid(Shape& s, const List<Edge*>& edges) : shape(s) { count = slideDirections(s, edges, *this); }
    void addPoint(Vertex* v, const Point3D& positive, const Point3D& negative, float) override
    {
        moved.insert(v);
        plus.insert(vertexAt(*v + positive));
        minus.insert(vertexAt(*v - negative));
        if (!shape.findEdge(v, vertexAt(*v + positive)) && positive.length() > 0)
            ++offSides;
    }
    void finishObject(InnerShape&) override {}
    const Vertex* vertexAt(const Point3D& p) const
    {
        for (const Vertex* v : shape.vertices)
            if (p.distance(*v) < 1e-5f)
                return v;
        return nullptr;
    }
    Shape& shape;
    int count = 0, offSides = 0; // offSides: points not sliding along a side of theirs
    std::set<const Vertex*> moved, plus, minus;
};

using Set = std::set<const Vertex*>;

TEST(SlideDirections, EndsReachTheFarEndsOfTheSidesBeside)
{
    // Edge 0-1 of a cube lies between the bottom (z = −1) and the front (y = −1).
    ShapePtr s(take<Shape>(*cube()));
    const List<Vertex*>& v = s->vertices;
    Slid cube(*s, edgesBetween(*s, {{0, 1}, {1, 0}}));
    EXPECT_EQ(cube.count, 2);
    EXPECT_TRUE((cube.plus == Set{v[3], v[2]} && cube.minus == Set{v[4], v[5]}) ||
                (cube.plus == Set{v[4], v[5]} && cube.minus == Set{v[3], v[2]}));

    // A border edge does not move on its open side.
    ShapePtr grid(take<Shape>(*openGrid(1, 1)));
    Slid border(*grid, edgesBetween(*grid, {{0, 1}}));
    const Set ends{grid->vertices[0], grid->vertices[1]}, across{grid->vertices[2], grid->vertices[3]};
    EXPECT_TRUE((border.plus == across && border.minus == ends) || (border.plus == ends && border.minus == across));
}

// A chain of edges slides to one side as a whole: a loop made by a split on
// a cube or a torus, and a row of a grid whose faces are listed in an order
// that alternates which face its edges list first.
TEST(SlideDirections, AChainSlidesToOneSide)
{
    std::vector<Point> points;
    for (int j = 0; j <= 2; ++j)
        for (int i = 0; i <= 3; ++i)
            points.push_back({float(i), float(j), 0});
    auto quad = [](int i, int j) { return std::vector<int>{j * 4 + i, j * 4 + i + 1, j * 4 + i + 5, j * 4 + i + 4}; };
    const std::vector<std::vector<int>> faces{quad(0, 0), quad(1, 1), quad(2, 0), quad(0, 1), quad(1, 0), quad(2, 1)};
    ShapePtr grid(take<Shape>(*meshFrom(points, faces)));
    const List<Vertex*>& v = grid->vertices;
    Slid row(*grid, edgesBetween(*grid, {{4, 5}, {5, 6}, {6, 7}}));
    EXPECT_EQ(row.count, 4);
    const Set bottom{v[0], v[1], v[2], v[3]}, top{v[8], v[9], v[10], v[11]};
    EXPECT_TRUE((row.plus == bottom && row.minus == top) || (row.plus == top && row.minus == bottom));

    for (bool torus : {false, true}) {
        SCOPED_TRACE(torus ? "torus" : "cube");
        ShapePtr s(torus ? take<Torus>(1.f, 2.f, 3, 4) : take<Shape>(*cube()));
        List<Edge*> loop;
        const int n = splitLoopAcrossEdges(*s, edgesBetween(*s, {{0, 1}}), &loop);
        ASSERT_EQ(validateTopology(*s), "");
        Slid slid(*s, loop);
        EXPECT_EQ(slid.count, n);
        EXPECT_EQ(slid.offSides, 0);
        EXPECT_EQ(slid.plus.size(), size_t(n));
        EXPECT_EQ(slid.minus.size(), size_t(n));
        for (const Vertex* end : slid.plus)
            EXPECT_EQ(slid.minus.count(end), 0u);
    }
}

TEST(SlideDirections, MirrorPartnersSlideAsTheReflection)
{
    ShapePtr s(take<Shape>(*openGrid(2, 1)));
    s->mirrorPlane.set(Point3D(1, 0, 0), Point3D(1, 0, 0));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    const List<Vertex*>& v = s->vertices;
    // The left border 0-3, whose image is the right border 2-5: both slide inward.
    Slid slid(*s, edgesBetween(*s, {{0, 3}}));
    EXPECT_EQ(slid.count, 4);
    EXPECT_EQ(slid.moved, (Set{v[0], v[3], v[2], v[5]}));
    EXPECT_EQ(slid.plus, (Set{v[1], v[4]}));
}

} // namespace
