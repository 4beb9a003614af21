// Flatten: vertices onto an axis plane or their best-fit plane, through
// their centroid.
#include <gtest/gtest.h>

#include <cmath>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/Flatten.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

float spreadAlong(const InnerShape& m, const Point3D& n)
{
    float lo = 1e30f, hi = -1e30f;
    for (const Vertex* v : m.vertices) {
        lo = std::min(lo, v->dot(n));
        hi = std::max(hi, v->dot(n));
    }
    return hi - lo;
}

TEST(Flatten, EveryAxisChoiceLeavesTheVerticesOnOnePlaneThroughTheirCentroid)
{
    // A grid tilted about X by atan(0.5), with bumps well below the tilt.
    const Point3D tilted = Point3D(0, -0.5f, 1).normalized();
    struct Case {
        FlattenAxis axis;
        Point3D normal;
    } cases[] = {
        {FlattenAxis::WorldX, {1, 0, 0}},
        {FlattenAxis::WorldZ, {0, 0, 1}},
        {FlattenAxis::LocalY, {0, 0.6f, 0.8f}},
        {FlattenAxis::SelectionNormal, tilted},
    };
    for (const Case& c : cases) {
        ShapePtr s(take<Shape>(*openGrid(4, 4)));
        for (Vertex* v : s->vertices)
            v->z = 0.5f * v->y + 0.01f * std::sin(7.0f * v->x + 3.0f * v->y);
        s->yAxis().setPosition(0, 0.6f, 0.8f);
        const float meanBefore = [&] {
            float sum = 0;
            for (const Vertex* v : s->vertices)
                sum += v->dot(c.normal);
            return sum / float(s->vertices.count());
        }();
        // The best fit leans a little with the bumps.
        const Point3D n = c.axis == FlattenAxis::SelectionNormal ? bestFitNormal(allVertices(*s)) : c.normal;
        EXPECT_NEAR(std::abs(n.dot(c.normal)), 1.0f, 1e-3f);
        EXPECT_EQ(flattenVertices(*s, allVertices(*s), c.axis), 25);
        EXPECT_NEAR(spreadAlong(*s, n), 0.0f, 1e-5f);
        EXPECT_NEAR(s->vertices[12]->dot(n), meanBefore, 2e-3f);
    }
    MeshPtr line = openGrid(1, 1);
    List<Vertex*> two = verticesAt(*line, {0, 2});
    EXPECT_FLOAT_EQ(bestFitNormal(two).z, 1.0f);
    EXPECT_EQ(flattenVertices(two, Point3D(0, 0, 0)), 0);
}

} // namespace
