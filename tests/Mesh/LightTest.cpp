// Lights: defaults from the bound light settings, the position and target
// vertices of the light's mesh, and the type rules.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Light.h"
#include "Mesh/Pool.h"
#include "support/Fixtures.h"

namespace {

using LightPtr = std::unique_ptr<Light, ReleaseGeometry>;

class LightTest : public ::testing::Test {
protected:
    void SetUp() override { saved = lightDefaults(); }
    void TearDown() override { lightDefaults() = saved; }
    LightDefaults saved;
};

TEST_F(LightTest, NewLightsTakeTheCurrentSettingsExceptAnInvalidType)
{
    EXPECT_EQ(LightPtr(take<Light>(Point3D(1, 4, 2)))->w, 0.0f) << "directional by default";
    lightDefaults().type = 7;
    EXPECT_EQ(LightPtr(take<Light>())->lightType, Light::DirectionalLight);
    lightDefaults().type = Light::SpotLight;
    lightDefaults().diffuse[0] = 0.25f;
    LightPtr light(take<Light>());
    EXPECT_EQ(light->lightType, Light::SpotLight);
    EXPECT_EQ(light->w, 1.0f);
    EXPECT_FLOAT_EQ(light->diffuse[0], 0.25f);
}

TEST_F(LightTest, MeshHoldsThePositionAndATargetTwoUnitsBelow)
{
    LightPtr light(take<Light>(Point3D(1, 4, 2), Light::SpotLight));
    ASSERT_EQ(light->vertices.count(), 2);
    EXPECT_EQ(light->vertices[0], &light->pivot());
    EXPECT_EQ(light->vertices[1], &light->target);
    EXPECT_FLOAT_EQ(light->position().y, 4.0f);
    EXPECT_FLOAT_EQ(light->target.x, 1.0f);
    EXPECT_FLOAT_EQ(light->target.y, 2.0f);
    EXPECT_FLOAT_EQ(light->target.z, 2.0f);
    EXPECT_FLOAT_EQ(light->direction().y, -1.0f);
}

TEST_F(LightTest, TypeSetterRulesAndAPointLightHasNoTarget)
{
    LightPtr light(take<Light>(Point3D(0, 0, 0), Light::PointLight));
    ASSERT_EQ(light->vertices.count(), 1);
    EXPECT_EQ(light->w, 1.0f);
    light->spotCutoff = 120.0f;
    EXPECT_FALSE(light->setLightType(3));
    EXPECT_FALSE(light->setLightType(-1));
    EXPECT_EQ(light->lightType, Light::PointLight);
    EXPECT_TRUE(light->setLightType(Light::SpotLight));
    EXPECT_EQ(light->vertices.count(), 2);
    EXPECT_FLOAT_EQ(light->spotCutoff, 45.0f);
    light->spotCutoff = 89.999f;
    light->setLightType(Light::SpotLight);
    EXPECT_FLOAT_EQ(light->spotCutoff, 89.999f);
    light->setLightType(Light::DirectionalLight);
    EXPECT_EQ(light->w, 0.0f);
    light->setLightType(Light::PointLight);
    EXPECT_EQ(light->vertices.count(), 1);
}

} // namespace
