// Break: the surface is cut open where the ends of the edges come apart.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/BreakEdges.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

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
