// Adding a polygon: its edges linked, its winding set against its
// neighbours, and its mirrored counterpart made with Symmetry on.
#include <gtest/gtest.h>

#include "Mesh/Symmetry.h"
#include "Mesh/Topology/AddPolygon.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

using namespace fixtures;

namespace {

// Two quads side by side with room for a third to their right.
MeshPtr stripWithRoom()
{
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 1, 0}, {3, 0, 0}, {3, 1, 0}},
                    {{0, 1, 4, 3}, {1, 2, 5, 4}});
}

TEST(AddPolygon, LoopAgainstItsNeighbourIsReversed)
{
    for (bool given : {true, false}) {
        MeshPtr m = stripWithRoom();
        // 2 → 6 → 7 → 5 agrees with the quad on side 2-5; its reverse does not.
        Face* f = given ? addPolygon(*m, verticesAt(*m, {2, 6, 7, 5})) : addPolygon(*m, verticesAt(*m, {5, 7, 6, 2}));
        ASSERT_NE(f, nullptr);
        EXPECT_GT(f->normal.z, 0.99f);
        EXPECT_EQ(m->edges.count(), 10);
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(AddPolygon, WithSymmetryTheMirroredCounterpartIsMadeToo)
{
    // Quads at x in [1, 2] and [-2, -1], with room for a quad beside each.
    MeshPtr m = meshFrom({{1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {3, 0, 0}, {3, 1, 0},
                          {-1, 0, 0}, {-2, 0, 0}, {-2, 1, 0}, {-1, 1, 0}, {-3, 0, 0}, {-3, 1, 0}},
                         {{0, 1, 2, 3}, {6, 9, 8, 7}});
    m->setSymmetry(true);
    calculateSymmetry(*m, m->mirrorPlane, MinSymmetryTolerance);
    Face* f = addPolygon(*m, verticesAt(*m, {1, 4, 5, 2}));
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(m->faces.count(), 4);
    Face* counterpart = m->faces[3];
    EXPECT_EQ(f->mirror, counterpart);
    EXPECT_EQ(counterpart->mirror, f);
    EXPECT_NEAR(counterpart->centre().x, -2.5f, 1e-6f);
    EXPECT_GT(counterpart->normal.z, 0.99f);
    EXPECT_EQ(validateTopology(*m), "");
    // A loop on the plane has no counterpart.
    MeshPtr across = meshFrom({{-1, 0, 0}, {1, 0, 0}, {1, 1, 0}, {-1, 1, 0}}, {});
    across->setSymmetry(true);
    calculateSymmetry(*across, across->mirrorPlane, MinSymmetryTolerance);
    ASSERT_NE(addPolygon(*across, verticesAt(*across, {0, 1, 2, 3})), nullptr);
    EXPECT_EQ(across->faces.count(), 1);
}

} // namespace
