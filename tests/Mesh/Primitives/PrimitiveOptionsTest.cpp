// Each primitive built from its option group: the registry's values reach
// the constructor, and "Layout Spacing" sets the texture margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Mesh/DisplaySettings.h"
#include "Mesh/Primitives/Lineseg.h"
#include "Mesh/Primitives/PrimitiveOptions.h"
#include "Mesh/Primitives/SPolygon.h"
#include "Mesh/Validate.h"
#include "Settings/BuildRegistry.h"
#include "Settings/SettingsVariables.h"
#include "support/ShapeFixtures.h"

namespace {

class PrimitiveOptions : public ::testing::Test {
protected:
    void SetUp() override { buildRegistry(registry, variables, meshDisplay); }

    SettingsVariables variables;
    MeshDisplaySettings meshDisplay;
    SettingsRegistry registry;
};

TEST_F(PrimitiveOptions, ChangedOptionsReachTheConstructor)
{
    const int cube = 164;
    ASSERT_TRUE(registry.setFloat(cube, "Height", 4.0f));
    ASSERT_TRUE(registry.setInt(cube, "Width Sections", 3));
    ShapePtr s(makeCubeFromOptions(registry));
    EXPECT_EQ(s->faces.count(), 2 * (3 + 1 + 3));
    EXPECT_FLOAT_EQ(s->pivot().y, 2.0f);
    const int circle = 174;
    ASSERT_TRUE(registry.setBool(circle, "Fill", true));
    ASSERT_TRUE(registry.setBool(circle, "Spokes", true));
    ShapePtr c(makeCircleFromOptions(registry));
    EXPECT_EQ(c->name, "Polygon");
    EXPECT_EQ(c->faces.count(), 5);
}

TEST_F(PrimitiveOptions, LayoutSpacingSetsTheTextureMargin)
{
    ASSERT_TRUE(registry.setFloat(284, "Layout Spacing", 0.25f));
    ShapePtr s(makeCubeFromOptions(registry));
    float widest = 0;
    for (const Face* f : s->faces)
        for (const Corner& c : f->corners)
            widest = std::max(widest, std::fabs(c.u - 0.5f));
    EXPECT_NEAR(widest, 0.5f / 1.25f, 1e-5f);
}

TEST_F(PrimitiveOptions, LatheTurnsTheProfileAboutTheChosenAxis)
{
    const int lathe = 169;
    ASSERT_TRUE(registry.setFloat(lathe, "Degrees", 360.0f));
    ASSERT_TRUE(registry.setInt(lathe, "Sections", 8));
    ASSERT_TRUE(registry.setFloat(lathe, "Merge Tolerance", 0.001f));
    ASSERT_TRUE(registry.setBool(lathe, "Cap Ends", true));
    ShapePtr profile(take<Lineseg>(Point3D(1, 0, 0), Point3D(1, 2, 0), 2));
    ShapePtr s(makeLatheFromOptions(registry, *profile));
    EXPECT_EQ(s->name, "Lathe");
    EXPECT_EQ(s->vertices.count(), 24);
    EXPECT_GT(signedVolume(*s), 0.0);
    // About World X the points sweep circles in planes x = 1.
    ASSERT_TRUE(registry.setChoice(lathe, "Axis", 0));
    ShapePtr aboutX(makeLatheFromOptions(registry, *profile));
    for (const Vertex* v : aboutX->vertices)
        EXPECT_NEAR(v->x, 1.0f, 1e-5f);
}

TEST_F(PrimitiveOptions, ExtrusionAlongTheProfileNormal)
{
    const int extrusion = 170;
    ASSERT_TRUE(registry.setChoice(extrusion, "Axis", 3));
    ASSERT_TRUE(registry.setFloat(extrusion, "Height", 2.0f));
    const std::vector<Point3D> square = {Point3D(0, 0, 0), Point3D(1, 0, 0), Point3D(1, 1, 0), Point3D(0, 1, 0)};
    ShapePtr polygon(take<SPolygon>(square));
    ShapePtr s(makeExtrusionFromOptions(registry, *polygon));
    EXPECT_EQ(s->name, "Extrusion");
    EXPECT_NEAR(signedVolume(*s), 2.0, 1e-5);
    EXPECT_NEAR(s->pivot().z, 1.0f, 1e-5f);
}

} // namespace
