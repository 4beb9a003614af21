// Smooth: inner vertices relax towards their neighbours, borders stay.
#include <gtest/gtest.h>

#include "Mesh/Topology/Smooth.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

TEST(Smooth, InnerVerticesRelaxTowardsTheirNeighboursBordersStay)
{
    MeshPtr m = openGrid(4, 4);
    Vertex* centre = m->vertices[12];
    centre->z = 1.0f;
    m->vertices[0]->z = 1.0f; // a border corner: pinned
    // Strength 0.5, one pass: halfway to the mean of its four neighbours (0).
    EXPECT_EQ(smoothVertices(*m, allVertices(*m), 1, 0.5f), 9);
    EXPECT_FLOAT_EQ(centre->z, 0.5f);
    EXPECT_FLOAT_EQ(m->vertices[0]->z, 1.0f);
    EXPECT_FLOAT_EQ(centre->x, 2.0f);
    // Passes read the previous pass: the bump spreads to the neighbours.
    smoothVertices(*m, allVertices(*m), 1, 1.0f);
    EXPECT_FLOAT_EQ(m->vertices[7]->z, 0.125f);
    EXPECT_FLOAT_EQ(centre->z, 0.125f);
    // Strength 0 and no passes move nothing; many passes flatten the bump.
    smoothVertices(*m, allVertices(*m), 10, 0.0f);
    EXPECT_FLOAT_EQ(m->vertices[7]->z, 0.125f);
    smoothVertices(*m, allVertices(*m), 200, 1.0f);
    EXPECT_NEAR(m->vertices[7]->z, 0.0f, 1e-3f);
}

} // namespace
