// Insetting faces: an inner copy of each face and a ring of quads.
#include <gtest/gtest.h>

#include "Mesh/Material.h"
#include "Mesh/Topology/InsetFaces.h"
#include "ExtrusionSupport.h"

using namespace fixtures;

namespace {

TEST(InsetFaces, QuadGetsARingAndItsCornersMoveToTheCentre)
{
    ShapePtr s(take<Shape>(*openGrid(1, 1, 2.0f)));
    Material red;
    Face* f = s->faces[0];
    f->material = &red;
    f->corners[2].u = 1;
    RecordingDirections rec;
    EXPECT_EQ(insetFaces(*s, allFaces(*s), &rec), 1);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{8, 12, 5, 4}));
    EXPECT_TRUE(windingConsistent(*s));
    EXPECT_EQ(s->faces[0], f);
    ASSERT_EQ(rec.points.size(), 4u);
    rec.apply(std::sqrt(2.0f) * 0.5f); // half a unit in x and y
    s->update(true, false, -1);
    for (const Corner& c : f->corners) {
        EXPECT_NEAR(std::abs(c.vertex->x - 1), 0.5f, 1e-5f);
        EXPECT_NEAR(std::abs(c.vertex->y - 1), 0.5f, 1e-5f);
    }
    EXPECT_EQ(f->corners[2].u, 1);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(s->faces[i]->material, &red);
        EXPECT_NEAR(s->faces[i]->normal.z, 1.0f, 1e-6f);
    }
}

TEST(InsetFaces, NeighboursInsetApartHolesSkippedTorusStaysClosed)
{
    MeshPtr two = twoQuads();
    EXPECT_EQ(insetFaces(*two, allFaces(*two), nullptr), 2);
    EXPECT_EQ(validateTopology(*two), "");
    EXPECT_EQ(countsOf(*two), (EditCounts{6 + 8, 7 + 16, 2 + 8, 6}));

    MeshPtr holed = quadWithHole();
    EXPECT_EQ(insetFaces(*holed, allFaces(*holed), nullptr), 0);
    EXPECT_EQ(countsOf(*holed), (EditCounts{8, 8, 1, 8}));

    ShapePtr torus = subdividedTorus();
    EXPECT_EQ(insetFaces(*torus, allFaces(*torus), nullptr), 48);
    EXPECT_EQ(validateTopology(*torus), "");
    EXPECT_EQ(countsOf(*torus), (EditCounts{48 + 192, 96 + 384, 48 + 192, 0}));
    EXPECT_TRUE(windingConsistent(*torus));
}

TEST(InsetFaces, SymmetryInsetsThePartnerAndPairsTheNewElements)
{
    ShapePtr s = symmetricPair();
    RecordingDirections rec;
    EXPECT_EQ(insetFaces(*s, facesAt(*s, {0}), &rec), 2);
    EXPECT_EQ(validateTopology(*s), "");
    rec.apply(0.2f);
    expectMirrored(*s);
}

} // namespace
