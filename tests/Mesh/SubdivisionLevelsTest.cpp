// The object's level operations: stepping, toggling, clearing, pushing
// displacement down and refining the control mesh.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Mesh/DisplaySettings.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/SubdivisionSettings.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

class SubdivisionLevels : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = subdivisionSettings();
        MeshPtr cube = fixtures::cube();
        s.reset(take<Shape>(*cube));
    }
    void TearDown() override { subdivisionSettings() = saved; }

    InnerShape* level(int i) { return s->levelStack.levelMesh(i); }
    // Level 1's vertex point of control vertex 0 (after 6 face and 12 edge points).
    static constexpr int VertexPoint0 = 18;

    static void displace(Vertex* v, float dx, float dy, float dz)
    {
        const float offset[3] = {dx, dy, dz};
        std::copy(offset, offset + 3, v->ensureDisplacement());
    }
    static std::vector<Point3D> positions(const InnerShape& mesh)
    {
        std::vector<Point3D> out;
        for (const Vertex* v : mesh.vertices)
            out.emplace_back(v->x, v->y, v->z);
        return out;
    }
    static void expectPositions(const InnerShape& mesh, const std::vector<Point3D>& expected)
    {
        ASSERT_EQ(mesh.vertices.count(), static_cast<int>(expected.size()));
        for (int i = 0; i < mesh.vertices.count(); ++i)
            EXPECT_NEAR(expected[i].distance(*mesh.vertices[i]), 0.0f, 1e-5f) << "vertex " << i;
    }
    // Shows level `at` with every level up to it evaluated.
    void show(int at)
    {
        s->levelStack.currentLevel = at;
        s->update(true, true, -1);
    }

    SubdivisionSettings saved;
    ShapePtr s;
};

// Toggling a fresh object steps up; stepping down keeps the levels above
// until they are cleared, and stepping back up reuses them.
TEST_F(SubdivisionLevels, LevelsStepBetweenZeroAndTheMaximumAndStayBuiltUntilCleared)
{
    EXPECT_FALSE(s->unsubdivide());
    ShapePtr fresh(take<Shape>(*s));
    fresh->toggleCurrentLevel();
    EXPECT_EQ(fresh->currentLevel(), 1);
    subdivisionSettings().maxLevel = 3;
    EXPECT_TRUE(s->subdivide());
    InnerShape* built = level(1);
    EXPECT_TRUE(s->unsubdivide());
    s->vertices[0]->setPosition(-2, -2, -2);
    EXPECT_TRUE(s->subdivide());
    EXPECT_EQ(level(1), built);
    EXPECT_LT(built->vertices[VertexPoint0]->x, -0.6f) << "the reused level follows the control mesh";
    s->setLevel(5, true);
    EXPECT_EQ(s->currentLevel(), 3);
    EXPECT_FALSE(s->subdivide());
    s->setLevel(1, true);
    EXPECT_EQ(s->levelStack.maxBuiltLevel(), 3);
    const long meshesFree = Pool<InnerShape>::freeCount();
    s->clearHigherLevels();
    EXPECT_EQ(Pool<InnerShape>::freeCount(), meshesFree + 2);
}

TEST_F(SubdivisionLevels, SubdivideRefreshesShadingAndSymmetryOfTheLevels)
{
    const int savedSmoothFrom = meshDisplaySettings().smoothShadeAtSubdLevel;
    meshDisplaySettings().smoothShadeAtSubdLevel = 2;
    s->setSymmetry(true);
    s->subdivide();
    EXPECT_EQ(level(1)->shadingMode(), InnerShape::FlatShade);
    EXPECT_TRUE(level(1)->hasSymmetry());
    EXPECT_NE(level(1)->vertices[VertexPoint0]->mirror, nullptr);
    s->subdivide();
    EXPECT_EQ(level(1)->shadingMode(), InnerShape::SmoothShade);
    EXPECT_EQ(level(2)->shadingMode(), InnerShape::SmoothShade);
    meshDisplaySettings().smoothShadeAtSubdLevel = savedSmoothFrom;
}

TEST_F(SubdivisionLevels, WithoutPropagationTheLowerLevelStaysUnchanged)
{
    subdivisionSettings().propagateToLower = false;
    s->setLevel(2, true);
    const std::vector<Point3D> before = positions(*level(1));
    displace(level(2)->vertices[90], 0.3f, 0, 0);
    s->unsubdivide();
    expectPositions(*level(1), before);
    EXPECT_TRUE(level(2)->vertices[90]->hasNonZeroDisplacement());
    // Not even to the base, when asked explicitly.
    subdivisionSettings().propagateToBase = true;
    displace(level(1)->vertices[VertexPoint0], 0.25f, 0, 0);
    s->levelStack.propagateDisplacement(1, 0);
    EXPECT_FLOAT_EQ(s->vertices[0]->x, -1.0f);
}

TEST_F(SubdivisionLevels, SteppingDownPushesDisplacementIntoTheLevelBelow)
{
    s->setLevel(2, true);
    InnerShape* top = level(2);
    // The vertex point at level 2 of level 1's vertex point of control vertex 0.
    const int parent = VertexPoint0;
    const int child = s->levelStack.levels[2]->vertexMap[0].vertexPoint;
    ASSERT_EQ(top->vertices[child]->stencil[0].source, level(1)->vertices[parent]);
    displace(top->vertices[child], 0, 0, -0.5f);
    show(2);
    const std::vector<Point3D> look = positions(*top);
    const std::vector<Point3D> control = positions(*s);
    EXPECT_TRUE(s->unsubdivide());
    EXPECT_EQ(s->currentLevel(), 1);
    EXPECT_NEAR(level(1)->vertices[parent]->z, look[child].z, 1e-6f);
    // Measured against the unchanged control mesh, the move is level 1's
    // displacement now, and it stays there when stepping on down to the base.
    expectPositions(*s, control);
    s->unsubdivide();
    expectPositions(*s, control);
    EXPECT_TRUE(level(1)->vertices[parent]->hasNonZeroDisplacement());
    show(2);
    expectPositions(*top, look);
}

TEST_F(SubdivisionLevels, PropagationToTheBaseMovesTheControlMeshAndKeepsTheLook)
{
    subdivisionSettings().propagateToBase = true;
    s->setLevel(2, true);
    displace(level(1)->vertices[VertexPoint0], 0.25f, 0, 0);
    displace(level(2)->vertices[10], 0, 0.1f, 0);
    show(2);
    const std::vector<Point3D> look = positions(*level(2));
    s->unsubdivide();
    // Vertex points hand their positions down the chain to the control mesh.
    const int child = s->levelStack.levels[2]->vertexMap[0].vertexPoint;
    EXPECT_NEAR(level(1)->vertices[VertexPoint0]->x, look[child].x, 1e-6f);
    EXPECT_NEAR(s->vertices[0]->x, look[child].x, 1e-6f);
    show(2);
    expectPositions(*level(2), look);
}

TEST_F(SubdivisionLevels, RefineControlMeshKeepsTheDisplacedShape)
{
    s->setLevel(1, true);
    displace(level(1)->vertices[VertexPoint0], 0, 0.5f, 0);
    show(1);
    const std::vector<Point3D> look = positions(*level(1));
    s->refineControlMesh();
    EXPECT_EQ(s->levelStack.levelCount(), 1);
    EXPECT_EQ(s->faces.count(), 24);
    EXPECT_EQ(validateTopology(*s), "");
    EXPECT_FALSE(s->displayFlags & InnerShape::SubdivisionLevel);
    expectPositions(*s, look);
    // The refined mesh subdivides like any control mesh.
    EXPECT_TRUE(s->subdivide());
    EXPECT_EQ(level(1)->faces.count(), 96);
}

} // namespace
