// The point-move record: swaps positions of control points, free points and
// level points, the last through their displacement.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Undo/URmovePoints.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"
#include "support/ShapeFixtures.h"

namespace {

void expectAt(const Point3D& p, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

} // namespace

TEST(URmovePoints, SwapsControlPointsThroughSuccessiveMoves)
{
    MeshPtr mesh = fixtures::openGrid(1, 1);
    UndoStack stack;
    for (float z : {1.0f, 2.0f}) {
        auto* record = new URmovePoints;
        record->addPoint(*mesh, 2);
        mesh->vertices[2]->z = z;
        stack.push(record);
    }
    stack.undo();
    expectAt(*mesh->vertices[2], 0, 1, 1);
    stack.undo();
    expectAt(*mesh->vertices[2], 0, 1, 0);
    stack.redo();
    stack.redo();
    expectAt(*mesh->vertices[2], 0, 1, 2);
}

TEST(URmovePoints, UpdatesTheObjectAndRefreshesProxiesAfterEachSwap)
{
    MeshPtr mesh = fixtures::openGrid(1, 1);
    URmovePoints record;
    int refreshes = 0;
    record.refreshProxies = [&] { ++refreshes; };
    record.addPoint(*mesh, 2);
    // Lifting one corner tilts the face.
    mesh->vertices[2]->z = 1.0f;
    mesh->update(true, false, -1);
    const float tilted = mesh->faces[0]->normal.z;
    record.revert();
    EXPECT_FLOAT_EQ(mesh->faces[0]->normal.z, 1.0f);
    record.reapply();
    EXPECT_FLOAT_EQ(mesh->faces[0]->normal.z, tilted);
    EXPECT_EQ(refreshes, 2);
}

TEST(URmovePoints, LevelPointsMoveThroughTheirDisplacement)
{
    fixtures::CopyLevelBuilder builder;
    MeshPtr mesh = fixtures::openGrid(1, 1);
    ShapePtr shape(take<Shape>(*mesh));
    ASSERT_TRUE(shape->levelStack.stepUp());
    InnerShape* level = shape->levelStack.levelMesh(1);
    shape->update(true, true, -1);
    URmovePoints record;
    record.addLevelPoint(*shape, 1, 3);
    // A brush stroke: the offset grows and the level follows.
    level->vertices[3]->ensureDisplacement()[2] = 0.5f;
    shape->update(true, true, -1);
    expectAt(*level->vertices[3], 1, 1, 0.5f);
    record.revert();
    EXPECT_FLOAT_EQ(level->vertices[3]->displacement[2], 0.0f);
    expectAt(*level->vertices[3], 1, 1, 0);
    record.reapply();
    EXPECT_FLOAT_EQ(level->vertices[3]->displacement[2], 0.5f);
    expectAt(*level->vertices[3], 1, 1, 0.5f);
}

TEST(URmovePoints, SkipsPointsThatAreGone)
{
    MeshPtr mesh = fixtures::openGrid(1, 1);
    URmovePoints record;
    record.addPoint(*mesh, 7);
    EXPECT_EQ(record.pointCount(), 0);
    record.addPoint(*mesh, 3);
    mesh->vertices[3]->x = 9.0f;
    Vertex* gone = mesh->vertices[3];
    mesh->vertices.truncate(3);
    EXPECT_TRUE(record.revert());
    mesh->vertices.append(gone);
    EXPECT_FLOAT_EQ(gone->x, 9.0f);
}

TEST(URmovePoints, SwapsFreePoints)
{
    Point3D pivot(1, 2, 3);
    URmovePoints record;
    record.addPoint(pivot);
    pivot.setPosition(4, 5, 6);
    record.revert();
    expectAt(pivot, 1, 2, 3);
    record.reapply();
    expectAt(pivot, 4, 5, 6);
}
