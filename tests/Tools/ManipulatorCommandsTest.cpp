// The manipulator choice, constraints, orientation and display toggles as
// commands run them, and picking at constant screen size.
#include "Scene/SceneApplicationManager.h"
#include "Scene/Input/MouseBindings.h"
#include "Tools/ManipulatorScene.h"

class ManipulatorCommandsTest : public ManipulatorScene {
protected:
    Shape* selectedGrid()
    {
        Shape* grid = add(fixtures::openGrid(2, 2));
        for (Vertex* v : grid->vertices)
            v->setPosition(v->x - 1, v->y - 1, v->z);
        selectVertices(grid, {0, 1, 2, 3, 4, 5, 6, 7, 8});
        return grid;
    }
};

TEST_F(ManipulatorCommandsTest, TheHandleIsAboutSixtyFourPixelsLongAtAnyZoom)
{
    selectedGrid();
    for (float distance : {3.0f, 10.0f, 60.0f}) {
        lookDownZ(distance);
        Manipulator& m = tools().currentManipulator();
        EXPECT_EQ(m.pickHandle(460, 300, nullptr), 0) << distance;
        EXPECT_EQ(m.pickHandle(500, 300, nullptr), -1) << distance;
        int x, y;
        screenOf(tools().frame.centre + Point3D(0.8f * m.scale, 0, 0), x, y);
        EXPECT_NEAR(x - 400, 64, 1) << distance;
    }
}

TEST_F(ManipulatorCommandsTest, HoveringHighlightsAHandleUntilTheMouseLeavesIt)
{
    selectedGrid();
    Manipulator& m = tools().currentManipulator();
    scene.mouseHover(400, 360);
    EXPECT_EQ(m.activeHandle, 1);
    EXPECT_TRUE(m.hasHotHandle());
    scene.mouseHover(600, 500);
    EXPECT_FALSE(m.hasHotHandle());
}

TEST_F(ManipulatorCommandsTest, NoManipulatorToolShowsNothingAndOnlyTweakMoves)
{
    Shape* grid = selectedGrid();
    run(CommandId::NoManipulatorTool);
    EXPECT_EQ(tools().activeToolNames(), "None");
    const std::vector<Point3D> before = positions(*grid);
    drag(464, 300, 41, 0);
    for (int i = 0; i < grid->vertices.count(); ++i)
        EXPECT_EQ(Point3D(grid->vertices[i]).distance(before[i]), 0.0f);
    scene.applicationManager->setMouseBinding(MouseBindings::index(0, 0), CommandId::Tweak);
    const float px = pixel();
    drag(464, 300, 41, 0);
    expectNear(*grid->vertices[0], before[0] + Point3D(40 * px, 0, 0), 2e-3f);
}

TEST_F(ManipulatorCommandsTest, EscapeKeepsTheLoneManipulatorAndAHeldChoiceComesBack)
{
    scene.cancel();
    EXPECT_EQ(tools().activeToolNames(), "Move");
    run(CommandId::RotateManipulatorTool, SceneManager::ModePress);
    EXPECT_EQ(tools().activeToolNames(), "Rotate");
    run(CommandId::RotateManipulatorTool, SceneManager::ModeReleaseAfterHold);
    EXPECT_EQ(tools().activeToolNames(), "Move");
    run(CommandId::SnapManipulatorTool);
    scene.cancel();
    EXPECT_EQ(tools().activeToolNames(), "Snap");
}

TEST_F(ManipulatorCommandsTest, AConstraintKeyDragsItsHandleWhileHeld)
{
    Shape* grid = selectedGrid();
    const std::vector<Point3D> before = positions(*grid);
    const float px = pixel();
    scene.mouseHover(300, 300);
    run(CommandId::ConstrainToXAxis, SceneManager::ModePress);
    scene.mouseHover(301, 300);
    scene.mouseHover(331, 350);
    scene.executeCommand(CommandId::ConstrainToXAxis, "", SceneManager::ModeReleaseAfterHold, 331, 350);
    expectNear(*grid->vertices[4], before[4] + Point3D(30 * px, 0, 0), 2e-3f);
    scene.mouseHover(400, 200);
    expectNear(*grid->vertices[4], before[4] + Point3D(30 * px, 0, 0), 2e-3f);
}

TEST_F(ManipulatorCommandsTest, OrientationCommandsTurnTheAxes)
{
    Shape* cube = add(fixtures::cube());
    run(CommandId::FaceSelectionMode);
    Face* f = cube->faces[0];
    f->set(Geometry::Selected);
    scene.selectionManager->refreshDisplay();
    run(CommandId::OrientManipulatorToNormal);
    expectNear(tools().frame.axes[1], f->normal, 1e-5f);
    EXPECT_NEAR(tools().frame.axes[0].dot(f->normal), 0.0f, 1e-5f);
    run(CommandId::OrientManipulatorToWorld);
    expectNear(tools().frame.axes[1], {0, 1, 0}, 0);
    run(CommandId::AutoOrientManipToNormal);
    expectNear(tools().frame.axes[1], f->normal, 1e-5f);
}

TEST_F(ManipulatorCommandsTest, HiddenManipulatorsTakeNoPressAndRepositioningMovesTheCentre)
{
    Shape* grid = selectedGrid();
    run(CommandId::ShowManipulatorToggle);
    EXPECT_FALSE(tools().showManipulators);
    const std::vector<Point3D> before = positions(*grid);
    drag(464, 300, 41, 0);
    EXPECT_EQ(Point3D(grid->vertices[0]).distance(before[0]), 0.0f);
    run(CommandId::ShowManipulatorToggle);
    run(CommandId::EnableManipRepositioningToggle);
    const float px = pixel();
    scene.mouseHover(300, 250);
    scene.mousePress(300, 250, 0, 0);
    scene.mouseRelease(300, 250);
    expectNear(tools().frame.centre, {-100 * px, -50 * px, 0}, 2e-3f);
    EXPECT_EQ(Point3D(grid->vertices[0]).distance(before[0]), 0.0f);
}

// With nothing selected, Tweak picks what is under the mouse, drags it in
// the screen plane and lets it go on release: one undo step, no selection left.
TEST_F(ManipulatorCommandsTest, TweakWithNothingSelectedMovesWhatIsUnderTheMouseForOneDrag)
{
    const struct {
        const char* what;
        int mode;
        int movedVertices;
    } rows[] = {{"vertex", CommandId::VertexSelectionMode, 1}, {"object", CommandId::ObjectSelectionMode, 9}};
    scene.applicationManager->setMouseBinding(MouseBindings::index(0, 0), CommandId::Tweak);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Shape* grid = selectedGrid();
        run(row.mode);
        run(CommandId::Deselect);
        ASSERT_FALSE(tools().frame.hasTarget());
        const std::vector<Point3D> before = positions(*grid);
        const float px = pixel();
        drag(400, 300, 41, 0); // from the centre vertex
        int moved = 0;
        for (int i = 0; i < grid->vertices.count(); ++i)
            moved += Point3D(*grid->vertices[i]).distance(before[i] + Point3D(40 * px, 0, 0)) < 2e-3f;
        EXPECT_EQ(moved, row.movedVertices);
        EXPECT_FALSE(tools().frame.hasTarget());
        EXPECT_FALSE(grid->isSelected() && row.mode == CommandId::ObjectSelectionMode);
        run(CommandId::Undo);
        for (int i = 0; i < grid->vertices.count(); ++i)
            EXPECT_EQ(Point3D(*grid->vertices[i]).distance(before[i]), 0.0f);
        EXPECT_FALSE(tools().frame.hasTarget());
        scene.objectManager->clearObjects();
        scene.selectionManager->refreshDisplay();
    }
}
