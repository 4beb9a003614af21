// Shell: the surface copied facing inwards, joined at open borders.
#include <gtest/gtest.h>

#include "Mesh/Topology/Shell.h"
#include "ExtrusionSupport.h"

using namespace fixtures;

namespace {

TEST(Shell, OpenGridBecomesOneClosedSlab)
{
    ShapePtr s(take<Shape>(*openGrid(2, 2)));
    RecordingDirections rec;
    EXPECT_TRUE(shellObject(*s, &rec));
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{18, 24 + 8, 8 + 8, 0}));
    EXPECT_TRUE(windingConsistent(*s));
    ASSERT_EQ(rec.points.size(), 9u);
    rec.apply(0.25f);
    s->update(true, false, -1);
    for (int i = 9; i < 18; ++i)
        EXPECT_NEAR(s->vertices[i]->z, -0.25f, 1e-6f);
    for (int i = 4; i < 8; ++i)
        EXPECT_NEAR(s->faces[i]->normal.z, -1.0f, 1e-6f);
}

TEST(Shell, ClosedSurfacesGetADisjointInnerCopy)
{
    ShapePtr cubeShape(take<Shape>(*cube()));
    RecordingDirections rec;
    EXPECT_TRUE(shellObject(*cubeShape, &rec));
    EXPECT_EQ(validateTopology(*cubeShape), "");
    EXPECT_EQ(countsOf(*cubeShape), (EditCounts{16, 24, 12, 0}));
    EXPECT_TRUE(windingConsistent(*cubeShape));
    rec.apply(std::sqrt(3.0f) * 0.5f); // half a unit in from every corner
    cubeShape->update(true, false, -1);
    for (int i = 8; i < 16; ++i)
        EXPECT_NEAR(std::abs(cubeShape->vertices[i]->x), 0.5f, 1e-5f);
    for (int i = 6; i < 12; ++i)
        EXPECT_LT(cubeShape->faces[i]->normal.dot(cubeShape->faces[i]->centre()), 0.0f);

    ShapePtr torus = subdividedTorus();
    EXPECT_TRUE(shellObject(*torus, nullptr));
    EXPECT_EQ(validateTopology(*torus), "");
    EXPECT_EQ(countsOf(*torus), (EditCounts{96, 192, 96, 0}));

    ShapePtr empty(take<Shape>());
    EXPECT_FALSE(shellObject(*empty, nullptr));
}

TEST(Shell, SymmetryPairsCopiesAndRims)
{
    ShapePtr s = symmetricPair();
    RecordingDirections rec;
    EXPECT_TRUE(shellObject(*s, &rec));
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_EQ(countsOf(*s), (EditCounts{12, 14 + 6, 4 + 6, 0}));
    rec.apply(0.3f);
    expectMirrored(*s);
}

} // namespace
