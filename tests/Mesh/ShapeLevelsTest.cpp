// The object's level stack: levels are made by a stand-in builder that copies
// the level below with one-to-one stencils, so the object-level rules (update
// and shading over the levels, copies, rebuilds) can be checked on their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Mesh/DisplaySettings.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"
#include "support/ShapeFixtures.h"

namespace {

class ShapeLevels : public ::testing::Test {
protected:
    void SetUp() override { savedSmoothFrom = meshDisplaySettings().smoothShadeAtSubdLevel; }
    void TearDown() override { meshDisplaySettings().smoothShadeAtSubdLevel = savedSmoothFrom; }

    static ShapePtr shapeWithLevels(const InnerShape& mesh, int count)
    {
        ShapePtr s(take<Shape>(mesh));
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(s->levelStack.stepUp());
        return s;
    }
    static void displace(InnerShape* level, int vertex, float dx, float dy, float dz)
    {
        const float offset[3] = {dx, dy, dz};
        std::copy(offset, offset + 3, level->vertices[vertex]->ensureDisplacement());
    }

    fixtures::CopyLevelBuilder builder;
    MeshPtr cube = fixtures::cube();
    int savedSmoothFrom = 0;
};

TEST_F(ShapeLevels, NoLevelIsBuiltWithoutABuilder)
{
    LevelStack::builder = nullptr;
    ShapePtr s(take<Shape>());
    EXPECT_FALSE(s->levelStack.stepUp());
    EXPECT_EQ(s->levelStack.levelCount(), 1);
    EXPECT_EQ(s->currentLevel(), 0);
}

TEST_F(ShapeLevels, NewLevelTakesTheObjectsMirrorPlane)
{
    ShapePtr s(take<Shape>(*cube));
    s->mirrorPlane.set(Point3D(0, 3, 0), Point3D(0, 1, 0));
    ASSERT_TRUE(s->levelStack.stepUp());
    EXPECT_FLOAT_EQ(s->levelStack.levelMesh(1)->mirrorPlane.point.y, 3.0f);
    EXPECT_FLOAT_EQ(s->levelStack.levelMesh(1)->mirrorPlane.normal.y, 1.0f);
}

TEST_F(ShapeLevels, UpdateCarriesControlPositionsUpToTheCurrentLevelOnly)
{
    ShapePtr s = shapeWithLevels(*cube, 2);
    s->levelStack.currentLevel = 1;
    s->vertices[0]->setPosition(-3, -1, -1);
    s->update(true, true, -1);
    EXPECT_FLOAT_EQ(s->vertices[0]->x, -3.0f);
    EXPECT_FLOAT_EQ(s->levelStack.levelMesh(1)->vertices[0]->x, -3.0f);
    EXPECT_FLOAT_EQ(s->levelStack.levelMesh(2)->vertices[0]->x, -1.0f);
}

// Flat objects shade their levels smooth from the setting's level on; below
// it, or with the setting off, the levels follow the object.
TEST_F(ShapeLevels, LevelShadingFollowsTheSmoothShadeSetting)
{
    struct Row {
        int smoothFrom, current, shading;
        int expectedLevelShading;
    };
    const Row rows[] = {
        {2, 3, InnerShape::FlatShade, InnerShape::SmoothShade},
        {0, 3, InnerShape::FlatShade, InnerShape::FlatShade},
        {2, 1, InnerShape::FlatShade, InnerShape::FlatShade},
        {2, 1, InnerShape::Wireframe, InnerShape::Wireframe},
    };
    for (const Row& row : rows) {
        ShapePtr s = shapeWithLevels(*cube, 3);
        s->setShadingMode(InnerShape::SmoothShade);
        s->levelStack.currentLevel = row.current;
        meshDisplaySettings().smoothShadeAtSubdLevel = row.smoothFrom;
        s->setShadingMode(row.shading);
        EXPECT_EQ(s->shadingMode(), row.shading);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(s->levelStack.levelMesh(i)->shadingMode(), row.expectedLevelShading)
                << "level " << i << ", setting " << row.smoothFrom << ", current " << row.current;
    }
}

TEST_F(ShapeLevels, UpdateAtTheSmoothLevelComputesVertexNormals)
{
    ShapePtr s = shapeWithLevels(*cube, 2);
    meshDisplaySettings().smoothShadeAtSubdLevel = 2;
    s->update(true, false, -1);
    const float* n = s->levelStack.levelMesh(2)->vertices[6]->normal;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(n[k], 1.0f / std::sqrt(3.0f), 1e-5f);
}

// Without displacement a copy starts at the control mesh; with it, the copy
// rebuilds the levels and keeps the source's current level.
TEST_F(ShapeLevels, CopyWithDisplacementRebuildsTheLevelsAndTakesItOver)
{
    ShapePtr source = shapeWithLevels(*cube, 2);
    EXPECT_EQ(ShapePtr(take<Shape>(*source))->levelStack.levelCount(), 1);
    displace(source->levelStack.levelMesh(1), 2, 0, 0.25f, 0);
    displace(source->levelStack.levelMesh(2), 6, 0.5f, 0, 0);
    source->levelStack.currentLevel = 1;
    ShapePtr copy(take<Shape>(*source));
    source.reset();
    ASSERT_EQ(copy->levelStack.maxBuiltLevel(), 2);
    EXPECT_EQ(copy->currentLevel(), 1);
    const Vertex* v1 = copy->levelStack.levelMesh(1)->vertices[2];
    const Vertex* v2 = copy->levelStack.levelMesh(2)->vertices[6];
    ASSERT_TRUE(v1->displacement);
    ASSERT_TRUE(v2->displacement);
    EXPECT_FLOAT_EQ(v1->displacement[1], 0.25f);
    EXPECT_FLOAT_EQ(v2->displacement[0], 0.5f);
    EXPECT_FLOAT_EQ(v2->x, 1.5f);
    EXPECT_FALSE(copy->levelStack.levelMesh(2)->vertices[5]->hasNonZeroDisplacement());
    EXPECT_EQ(validateTopology(*copy->levelStack.levelMesh(2)), "");
}

TEST_F(ShapeLevels, RebuildKeepsDisplacementAcrossAFlipOfMostFaces)
{
    // Flipping reorders corners but no vertex: offsets must stay on their vertices.
    ShapePtr s = shapeWithLevels(*cube, 1);
    InnerShape* old = s->levelStack.levelMesh(1);
    displace(old, 4, 0, 0, 0.5f);
    List<Face*> all;
    for (Face* f : s->faces)
        all.append(f);
    s->flipFaces(all);
    InnerShape* level = s->levelStack.levelMesh(1);
    ASSERT_EQ(s->levelStack.maxBuiltLevel(), 1);
    EXPECT_EQ(s->currentLevel(), 1);
    ASSERT_TRUE(level->vertices[4]->displacement);
    EXPECT_FLOAT_EQ(level->vertices[4]->displacement[2], 0.5f);
    EXPECT_FLOAT_EQ(level->vertices[4]->z, 1.5f);
    EXPECT_FLOAT_EQ(level->faces[1]->normal.z, -1.0f);
}

TEST_F(ShapeLevels, TopologyChangeRestoresDisplacementFaceByFace)
{
    // A loose vertex at the front of the list goes: vertex positions shift,
    // faces do not, so the offsets must follow the faces' corners.
    MeshPtr grid = fixtures::meshFrom({{9, 9, 9}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{1, 2, 3, 4}});
    ShapePtr s = shapeWithLevels(*grid, 1);
    displace(s->levelStack.levelMesh(1), 3, 0, 0, 0.75f);
    Vertex* loose = s->vertices[0];
    s->vertices.removeAt(0);
    loose->release();
    s->touch();
    s->topologyChanged();
    InnerShape* level = s->levelStack.levelMesh(1);
    ASSERT_EQ(level->vertices.count(), 4);
    ASSERT_TRUE(level->vertices[2]->displacement);
    EXPECT_FLOAT_EQ(level->vertices[2]->displacement[2], 0.75f);
    EXPECT_FALSE(level->vertices[1]->hasNonZeroDisplacement());
    EXPECT_FALSE(level->vertices[3]->hasNonZeroDisplacement());
}

TEST_F(ShapeLevels, CopyFromRebuildsTheLevelsBeforeTheyAreUsed)
{
    MeshPtr grid = fixtures::openGrid(1, 1);
    ShapePtr s = shapeWithLevels(*cube, 1);
    const List<Vertex*> oldVertices = s->vertices;
    const List<Edge*> oldEdges = s->edges;
    const List<Face*> oldFaces = s->faces;
    s->copyFrom(*grid);
    EXPECT_TRUE(s->levelStack.dirty);
    InnerShape* level = s->currentLevelMesh();
    EXPECT_FALSE(s->levelStack.dirty);
    EXPECT_EQ(level->vertices.count(), 4);
    EXPECT_EQ(level->vertices[0]->stencil[0].source, grid->vertices[0]);
    // The grid's elements are shared now; the grid releases them, and the
    // cube's elements, which an undo record would hold, are released here.
    s->vertices = oldVertices;
    s->edges = oldEdges;
    s->faces = oldFaces;
    s->levelStack.clearLevels();
}

TEST_F(ShapeLevels, RenumberAndFaceListsReachEveryLevel)
{
    ShapePtr s = shapeWithLevels(*cube, 2);
    InnerShape* top = s->levelStack.levelMesh(2);
    std::swap(top->faces[0], top->faces[5]);
    top->vertices[1]->faces.append(top->faces[0]);
    s->renumber();
    EXPECT_EQ(top->faces[0]->index, 0);
    EXPECT_EQ(top->faces[5]->index, 5);
    s->clearVertexFaceLists();
    EXPECT_TRUE(top->vertices[1]->faces.empty());
}

TEST_F(ShapeLevels, SymmetryReachesEveryLevel)
{
    ShapePtr s = shapeWithLevels(*cube, 2);
    s->setSymmetry(true);
    s->topologyChanged();
    for (int i = 1; i <= 2; ++i) {
        InnerShape* level = s->levelStack.levelMesh(i);
        EXPECT_TRUE(level->hasSymmetry());
        EXPECT_EQ(level->vertices[0]->mirror, level->vertices[1]) << "level " << i;
    }
    EXPECT_EQ(s->vertices[0]->mirror, s->vertices[1]);
}

TEST_F(ShapeLevels, ClearingOrReleasingGivesTheLevelsBack)
{
    const long meshesFree = Pool<InnerShape>::freeCount();
    ShapePtr s = shapeWithLevels(*cube, 3);
    EXPECT_EQ(Pool<InnerShape>::freeCount(), meshesFree - 3);
    s->levelStack.clearLevels();
    EXPECT_EQ(Pool<InnerShape>::freeCount(), meshesFree);
    EXPECT_EQ(s->levelStack.levelCount(), 1);
    EXPECT_EQ(s->currentLevel(), 0);
    EXPECT_EQ(s->currentLevelMesh(), s.get());
    EXPECT_EQ(s->levelStack.segmentsPerEdge(), 1);
    ASSERT_TRUE(s->levelStack.stepUp());
    s.reset();
    EXPECT_EQ(Pool<InnerShape>::freeCount(), meshesFree);
}

} // namespace
