// The functions on a flat regular grid, where their results are known
// without a scene.
#include <gtest/gtest.h>

#include <cmath>

#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Tools/Paint/DisplacementFunction.h"
#include "Tools/Paint/LevelAdjacency.h"
#include "support/Fixtures.h"

namespace {

struct GridDab {
    GridDab() : grid(fixtures::openGrid(6, 6)) { adjacency.prepare(*grid); }
    // The vertex nearest the grid's centre.
    int middle() const
    {
        Point3D centre(0, 0, 0);
        for (const Vertex* v : grid->vertices)
            centre += Point3D(v);
        centre = centre * (1.0f / grid->vertices.count());
        int best = 0;
        for (int i = 0; i < grid->vertices.count(); ++i)
            if (Point3D(grid->vertices[i]).distance(centre) < Point3D(grid->vertices[best]).distance(centre))
                best = i;
        return best;
    }
    std::vector<VertexMove> run(DisplacementFunction& fn, float strength, bool second)
    {
        gathered = {{middle(), strength}};
        DabContext dab;
        dab.mesh = grid.get();
        dab.adjacency = &adjacency;
        dab.gathered = gathered;
        dab.direction = Point3D(0, 0, 1);
        dab.second = second;
        std::vector<VertexMove> moves;
        fn.apply(dab, moves);
        return moves;
    }
    MeshPtr grid;
    LevelAdjacency adjacency;
    std::vector<GatheredVertex> gathered;
};

} // namespace

TEST(DisplacementFunction, SmoothLeavesAnInteriorVertexOfAFlatRegularGridWhereItIs)
{
    GridDab d;
    DisplacementSmooth smooth;
    const std::vector<VertexMove> moves = d.run(smooth, 0.9f, false);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_NEAR(moves[0].delta.length(), 0, 1e-6f);
    std::vector<int32_t> around;
    d.adjacency.neighbours(d.middle(), around);
    EXPECT_EQ(around.size(), 4u) << "each neighbour once";
}

TEST(DisplacementFunction, NoiseStaysWithinItsBoundAndTheFactorIsClamped)
{
    GridDab d;
    DisplacementSmooth noise;
    std::vector<int32_t> around;
    d.adjacency.neighbours(d.middle(), around);
    const float side = Point3D(d.grid->vertices[d.middle()]).distance(Point3D(d.grid->vertices[around[0]]));
    float largest = 0;
    for (int i = 0; i < 200; ++i) {
        const std::vector<VertexMove> moves = d.run(noise, 0.5f, true);
        ASSERT_EQ(moves.size(), 1u);
        largest = std::max(largest, moves[0].delta.length());
    }
    EXPECT_LE(largest, 0.1f * std::sqrt(3.0f) * side * 0.5f + 1e-6f);
    EXPECT_GT(largest, 0.01f) << "noise does move";
    for (int i = 0; i < 50; ++i)
        EXPECT_LE(d.run(noise, 40.0f, true)[0].delta.length(), 0.1f * std::sqrt(3.0f) * side + 1e-6f)
            << "f is at most 1";
}

TEST(DisplacementFunction, PushIsNotClampedAndInflateFollowsTheVertexNormal)
{
    GridDab d;
    for (Face* f : d.grid->faces)
        f->computeNormal();
    DisplacementPush push;
    EXPECT_FLOAT_EQ(d.run(push, 3.0f, false)[0].delta.z, 3.0f);
    EXPECT_FLOAT_EQ(d.run(push, 3.0f, true)[0].delta.z, -3.0f);
    DisplacementPinch inflate;
    const Point3D n = d.run(inflate, 3.0f, true)[0].delta;
    EXPECT_FLOAT_EQ(n.z, 1.0f) << "along the normal, factor clamped to 1";
}
