// Snapping a drag of the X handle: to the grid, to a vertex of another
// object under the mouse, and with the snapping manipulator's handle 100.
#include "Scene/SceneApplicationManager.h"
#include "Tools/ManipulatorScene.h"

class ManipulatorSnappingTest : public ManipulatorScene {};

TEST_F(ManipulatorSnappingTest, TheCentreLandsOnTheGridOrOnTheVertexUnderTheMouse)
{
    const struct {
        const char* what;
        int manipulator;
        int snapping;
        float expectedX; // of the grid's centre vertex, which starts at 0
    } rows[] = {
        {"grid", CommandId::MoveManipulatorTool, SceneApplicationManager::GridSnapping, 0.5f},
        {"component", CommandId::MoveManipulatorTool, SceneApplicationManager::ComponentSnapping, 1.5f},
        {"handle 100", CommandId::SnapManipulatorTool, SceneApplicationManager::NoSnapping, 1.5f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Shape* target = add(fixtures::openGrid(1, 1, 0.2f));
        target->set(Geometry::Selected, false);
        for (Vertex* v : target->vertices)
            v->setPosition(v->x + 1.5f, v->y, v->z - 0.5f);
        Shape* grid = add(fixtures::openGrid(2, 2));
        for (Vertex* v : grid->vertices)
            v->setPosition(v->x - 1, v->y - 1, v->z);
        selectVertices(grid, {0, 1, 2, 3, 4, 5, 6, 7, 8});
        run(row.manipulator);
        scene.applicationManager->snappingMode = row.snapping;
        int vx, vy;
        screenOf(*target->vertices[0], vx, vy);
        drag(464, 300, vx - 464, 0); // the X handle, or handle 100, to the target's corner
        EXPECT_NEAR(grid->vertices[4]->x, row.expectedX, 1e-5f);
        EXPECT_NEAR(grid->vertices[4]->y, 0.0f, 1e-6f);
        run(CommandId::Undo);
        EXPECT_EQ(grid->vertices[4]->x, 0.0f);
        scene.objectManager->clearObjects();
        scene.selectionManager->refreshDisplay();
    }
}

// The dragged vertex drops along its view ray onto the plane behind it,
// and not onto the faces it moves with.
TEST_F(ManipulatorSnappingTest, SurfaceSnappingDropsTheDraggedVertexOntoTheSurfaceBehindIt)
{
    Shape* target = add(fixtures::openGrid(1, 1, 2.0f));
    target->set(Geometry::Selected, false);
    for (Vertex* v : target->vertices)
        v->setPosition(v->x + 0.5f, v->y - 1, -1);
    Shape* grid = add(fixtures::openGrid(2, 2));
    for (Vertex* v : grid->vertices)
        v->setPosition(v->x - 1, v->y - 1, v->z);
    selectVertices(grid, {4});
    scene.applicationManager->snappingMode = SceneApplicationManager::SurfaceSnapping;
    int tx, ty;
    screenOf(Point3D(1.5f, 0, 0), tx, ty);
    drag(464, 300, tx - 400, 0); // the X handle, until the vertex is over x = 1.5
    // The ray from the eye at z = 10 through (1.5, 0, 0) meets z = -1 at x = 1.65.
    expectNear(*grid->vertices[4], Point3D(1.65f, 0, -1), 0.02f);
    run(CommandId::Undo);
    expectNear(*grid->vertices[4], Point3D(0, 0, 0));
}
