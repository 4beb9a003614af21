// The value tools in a real scene: starting rules and their sentences, the
// value following the mouse without a button, the default amounts, and
// undo leaving the tool and restoring the scene exactly.
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneToolManager.h"
#include "Settings/LengthUnits.h"
#include "Settings/OptionKeys.h"
#include "Settings/SettingsRegistry.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/ManipulatorScene.h"
#include "Tools/ValueToolSet.h"
#include "support/SceneText.h"

namespace {

// Restores a bound default amount when the test ends.
struct AmountGuard {
    float& amount;
    float saved;
    AmountGuard(float& a, float value) : amount(a), saved(a) { amount = value; }
    ~AmountGuard() { amount = saved; }
};

} // namespace

class ValueToolsTest : public ManipulatorScene {
protected:
    ValueToolSet& set() { return tools().valueTools(); }
    bool running(Tool& tool) { return tools().activeTools.contains(&tool); }
    int undoSteps() { return scene.commandManager->geometryUndo.doneCount(); }
    // A grid of 2 × 2 unit quads centred on the origin, facing the camera.
    Shape* centredGrid()
    {
        Shape* grid = add(fixtures::openGrid(2, 2));
        for (Vertex* v : grid->vertices)
            v->setPosition(v->x - 1, v->y - 1, v->z);
        grid->update(true, true, -1);
        return grid;
    }
    void selectFaces(Shape* object, std::initializer_list<int> positions)
    {
        run(CommandId::FaceSelectionMode);
        for (int i : positions)
            object->faces[i]->set(Geometry::Selected);
        scene.selectionManager->refreshDisplay();
    }
    void selectEdges(Shape* object, std::initializer_list<int> positions)
    {
        run(CommandId::EdgeSelectionMode);
        for (int i : positions)
            object->edges[i]->set(Geometry::Selected);
        scene.selectionManager->refreshDisplay();
    }
    int centreX()
    {
        int x, y;
        screenOf(tools().frame.centre, x, y);
        return x;
    }
};

TEST_F(ValueToolsTest, RefusedStartsSayTheirSentenceAndChangeNothing)
{
    Shape* cube = add(fixtures::cube());
    selectEdges(cube, {0});
    const std::string before = sceneAsText(scene);
    run(CommandId::InsetScale);
    EXPECT_EQ(window.statusMessages.back(), "You must select at least one face to use inset scale");
    run(CommandId::Orient);
    EXPECT_EQ(window.statusMessages.back(), "You must select at least one face to use the orient tool");
    run(CommandId::Shell);
    EXPECT_EQ(window.statusMessages.back(), "You must select at least one object to perform a shell operation");
    run(CommandId::Extrude); // a closed cube's edges all have two faces
    EXPECT_EQ(window.statusMessages.back(), "Only edges on a border of the surface can be extruded");
    EXPECT_EQ(sceneAsText(scene), before);
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_EQ(tools().activeToolNames(), "Move");

    run(CommandId::FaceSelectionMode);
    cube->faces[0]->set(Geometry::Selected);
    scene.selectionManager->refreshDisplay();
    run(CommandId::SplitLoop);
    EXPECT_EQ(window.statusMessages.back(), "You must select multiple edges or faces to use the split loop command");
    run(CommandId::Slide);
    EXPECT_EQ(window.statusMessages.back(), "You must select at least one edge to use the slide command");
    EXPECT_EQ(undoSteps(), 0);

    // Local move with nothing selected: no tool, no sentence.
    run(CommandId::VertexSelectionMode);
    const size_t said = window.statusMessages.size();
    run(CommandId::LocalMove);
    EXPECT_EQ(window.statusMessages.size(), said + 1); // only the command's own name
    EXPECT_EQ(window.statusMessages.back(), "Local Move");
    EXPECT_EQ(tools().activeToolNames(), "Move");
    run(CommandId::LocalScale);
    EXPECT_EQ(window.statusMessages.back(),
              "You must select vertices, edges, or faces to perform a local scale operation");
    run(CommandId::Extrude);
    EXPECT_EQ(window.statusMessages.back(), "You must select edges or faces to perform an extrude");
    run(CommandId::Bevel);
    EXPECT_EQ(window.statusMessages.back(), "You must select vertices, edges, faces, or objects to bevel");
}

// Needs the bevel edit: a border edge has one face, so it is left alone.
TEST_F(ValueToolsTest, ABevelThatLeavesBorderEdgesSaysSoAndStillRuns)
{
    Shape* grid = centredGrid();
    Edge* border = nullptr;
    for (Edge* e : grid->edges)
        if (e->faces.count() == 1)
            border = e;
    ASSERT_NE(border, nullptr);
    run(CommandId::EdgeSelectionMode);
    border->set(Geometry::Selected);
    scene.selectionManager->refreshDisplay();
    run(CommandId::Bevel);
    EXPECT_EQ(window.statusMessages.back(),
              "One or more edges doesn't have two adjacent faces to perform the bevel operation.");
    EXPECT_TRUE(running(set().bevel));
}

TEST_F(ValueToolsTest, TheValueFollowsTheMouseWithoutAButtonByTheWorldLengthOfItsTravel)
{
    AmountGuard amount(settingsVariables().localMoveAmount, 0.1f);
    Shape* grid = centredGrid();
    selectFaces(grid, {0, 1, 2, 3});
    const std::vector<Point3D> start = positions(*grid);
    run(CommandId::LocalMove);
    ASSERT_TRUE(running(set().localMove));
    EXPECT_FLOAT_EQ(set().localMove.value(), 0.1f);
    EXPECT_EQ(undoSteps(), 2); // the start, then the points before the default amount

    const int x = centreX(), y = 300;
    const float px = pixel();
    scene.mouseHover(x, y);
    scene.mouseHover(x + 50, y);
    EXPECT_NEAR(set().localMove.value(), 0.1f + 50 * px, 1e-4f);
    for (int i = 0; i < grid->vertices.count(); ++i)
        expectNear(*grid->vertices[i], start[i] + Point3D(0, 0, 0.1f + 50 * px));
    scene.mouseHover(x, y);
    EXPECT_NEAR(set().localMove.value(), 0.1f, 1e-5f);
    EXPECT_EQ(undoSteps(), 3); // one record per run, at its first change

    // Enter keeps the value; undo puts the points where the run's first change found them.
    scene.mouseHover(x + 20, y);
    const std::vector<Point3D> kept = positions(*grid);
    scene.confirm();
    EXPECT_FALSE(running(set().localMove));
    EXPECT_EQ(positions(*grid)[4].z, kept[4].z);
    run(CommandId::Undo);
    expectNear(*grid->vertices[4], start[4] + Point3D(0, 0, 0.1f));
    run(CommandId::Undo);
    expectNear(*grid->vertices[4], start[4]);
}

TEST_F(ValueToolsTest, UndoWhileRunningReadsTheValueBackAndUndoOfTheStartLeavesTheTool)
{
    AmountGuard amount(settingsVariables().localScaleAmount, 0.5f);
    Shape* grid = centredGrid();
    selectFaces(grid, {0, 1, 2, 3});
    run(CommandId::LocalScale);
    ASSERT_TRUE(running(set().localScale));
    expectNear(*grid->vertices[0], Point3D(-1.5f, -1.5f, 0)); // corners scale by 1 + 0.5 about the centre
    run(CommandId::Undo);
    EXPECT_TRUE(running(set().localScale));
    EXPECT_NEAR(set().localScale.value(), 0, 1e-6f);
    expectNear(*grid->vertices[0], Point3D(-1, -1, 0));
    run(CommandId::Undo);
    EXPECT_FALSE(running(set().localScale));
    EXPECT_EQ(tools().activeToolNames(), "Move");
}

TEST_F(ValueToolsTest, ValueTextAndDefaultAmounts)
{
    AmountGuard bevel(settingsVariables().bevelAmount, 0);
    AmountGuard inset(settingsVariables().insetAmount, 0);
    Shape* cube = add(fixtures::cube());
    selectFaces(cube, {0});
    run(CommandId::InsetScale);
    ASSERT_TRUE(running(set().inset));
    EXPECT_EQ(set().inset.valueText(), "Inset Scale: 0");
    EXPECT_EQ(undoSteps(), 1); // no points recorded for an amount of 0
    EXPECT_EQ(validateTopology(*cube), "");
    scene.confirm();

    selectEdges(cube, {0});
    run(CommandId::Bevel);
    ASSERT_TRUE(running(set().bevel));
    EXPECT_EQ(set().bevel.valueText(), "Bevel: 0");
    tools().frame.value = 0.25f;
    EXPECT_EQ(set().bevel.valueText(), "Bevel: 0.250000");
    // Lengths follow the display units once units are chosen.
    SettingsRegistry& registry = scene.applicationManager->registry;
    registry.set(Options::Units, static_cast<int>(LengthUnits::Metric));
    registry.set(Options::UnitScale, 2.0f);
    EXPECT_EQ(set().bevel.valueText(), "Bevel: 0.5 cm");
}

TEST_F(ValueToolsTest, LocalRotateTurnsEachGroupAboutItsOwnCentreAndNormal)
{
    Shape* grid = centredGrid();
    selectFaces(grid, {0});
    run(CommandId::LocalRotate);
    ASSERT_TRUE(running(set().localRotate));
    std::vector<Point3D> start;
    for (const Corner& c : grid->faces[0]->corners)
        start.emplace_back(*c.vertex);
    const Point3D centre = (start[0] + start[1] + start[2] + start[3]) * 0.25f;
    const int x = centreX();
    const float px = pixel();
    scene.mouseHover(x, 300);
    scene.mouseHover(x + 30, 300);
    const float degrees = 30 * px * LocalRotateManipulator::degreesPerUnit;
    const float c = std::cos(degrees * 3.14159265f / 180), s = std::sin(degrees * 3.14159265f / 180);
    int k = 0;
    for (const Corner& corner : grid->faces[0]->corners) {
        const Point3D d = start[k++] - centre;
        expectNear(*corner.vertex, centre + Point3D(d.x * c - d.y * s, d.x * s + d.y * c, 0));
    }
}

TEST_F(ValueToolsTest, OrientMovesTheSelectedFacesAsOneBlock)
{
    Shape* grid = centredGrid();
    selectFaces(grid, {0, 1});
    const std::vector<Point3D> start = positions(*grid);
    run(CommandId::Orient);
    ASSERT_TRUE(running(set().orient));
    int x, y;
    screenOf(tools().frame.centre, x, y);
    const float px = pixel();
    drag(x, y, 21, 0);
    for (const Corner& c : grid->faces[0]->corners)
        EXPECT_NEAR(c.vertex->x, start[c.vertex->index].x + 21 * px, 1e-3f);
    expectNear(*grid->vertices[8], start[8]); // far corner, not in the block
    run(CommandId::Undo);
    for (int i = 0; i < grid->vertices.count(); ++i)
        expectNear(*grid->vertices[i], start[i]);
}

TEST_F(ValueToolsTest, LocalMoveAgainOpensTheMultiManipulatorWhoseHandlesStartTheirMembers)
{
    AmountGuard amount(settingsVariables().localMoveAmount, 0);
    Shape* grid = centredGrid();
    selectFaces(grid, {0, 1, 2, 3});
    run(CommandId::LocalMove);
    run(CommandId::LocalMove);
    ASSERT_TRUE(running(set().multi));
    // Member 1, local scale, stands 0.47 units out along X.
    int x, y;
    handleAt(0, 0.3f + 0.17f, x, y);
    scene.mouseHover(x, y);
    scene.mousePress(x, y, 0, 0);
    EXPECT_EQ(set().multi.member(), &set().localScale);
    scene.mouseDrag(x + 1, y);
    scene.mouseDrag(x + 41, y);
    scene.mouseRelease(x + 41, y);
    EXPECT_EQ(set().multi.member(), nullptr);
    EXPECT_GT(grid->vertices[0]->distance(Point3D(0, 0, 0)), std::sqrt(2.0f) * 1.01f);
    EXPECT_TRUE(running(set().multi));
}

// Every tool started on a cube, moved and ended, then undone to the start:
// the scene is what it was, byte for byte. The rows of the topology tools
// count on their mesh edits (extrusion of regions and edges, inset, bevel,
// shell, split loop) and fail on the counts until those edits exist.
struct RoundTrip {
    const char* name;
    int command;
    int mode;     // the selection mode command
    int element;  // the selected element of that mode (-1: the object)
    int vertices; // after the start
    int faces;
    bool apart = false; // extrude faces one by one
    bool grid = false;  // on the open 2 × 2 grid instead (edge 0 is on its border)
};

void PrintTo(const RoundTrip& row, std::ostream* out) { *out << row.name; }

class ValueToolRoundTrip : public ValueToolsTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ValueToolRoundTrip, UndoingEveryStepOfARunRestoresTheSceneExactly)
{
    const RoundTrip& row = GetParam();
    Shape* cube = row.grid ? centredGrid() : add(fixtures::cube());
    run(row.mode);
    if (row.mode == CommandId::FaceSelectionMode)
        cube->faces[row.element]->set(Geometry::Selected);
    else if (row.mode == CommandId::EdgeSelectionMode)
        cube->edges[row.element]->set(Geometry::Selected);
    else if (row.mode == CommandId::VertexSelectionMode)
        cube->vertices[row.element]->set(Geometry::Selected);
    scene.selectionManager->refreshDisplay();
    const std::string before = sceneAsText(scene);

    bool& together = settingsVariables().extrudeKeepFacesTogether;
    const bool savedTogether = together;
    together = !row.apart;
    run(row.command);
    together = savedTogether;
    EXPECT_EQ(cube->vertices.count(), row.vertices);
    EXPECT_EQ(cube->faces.count(), row.faces);
    EXPECT_EQ(validateTopology(*cube), "");
    int x, y;
    screenOf(tools().frame.centre, x, y);
    scene.mouseHover(x, y);
    scene.mouseHover(x + 30, y);
    drag(x, y, 10, 0);
    scene.confirm();
    EXPECT_EQ(tools().activeToolNames(), "Move");

    while (undoSteps() > 0)
        run(CommandId::Undo);
    EXPECT_EQ(sceneAsText(scene), before);
    EXPECT_EQ(validateTopology(*cube), "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryTool, ValueToolRoundTrip,
    ::testing::Values(RoundTrip{"ExtrudeFacesApart", CommandId::Extrude, CommandId::FaceSelectionMode, 0, 12, 10, true},
                      RoundTrip{"ExtrudeRegion", CommandId::Extrude, CommandId::FaceSelectionMode, 0, 12, 10},
                      RoundTrip{"ExtrudeEdge", CommandId::Extrude, CommandId::EdgeSelectionMode, 0, 9 + 2, 4 + 1, false, true},
                      RoundTrip{"Inset", CommandId::InsetScale, CommandId::FaceSelectionMode, 0, 12, 10},
                      RoundTrip{"Bevel", CommandId::Bevel, CommandId::EdgeSelectionMode, 0, 10, 7},
                      RoundTrip{"Shell", CommandId::Shell, CommandId::ObjectSelectionMode, -1, 16, 12},
                      RoundTrip{"SplitLoop", CommandId::SplitLoop, CommandId::EdgeSelectionMode, 0, 12, 10},
                      RoundTrip{"Slide", CommandId::Slide, CommandId::EdgeSelectionMode, 0, 8, 6},
                      RoundTrip{"LocalMove", CommandId::LocalMove, CommandId::VertexSelectionMode, 0, 8, 6},
                      RoundTrip{"LocalScale", CommandId::LocalScale, CommandId::FaceSelectionMode, 0, 8, 6},
                      RoundTrip{"LocalRotate", CommandId::LocalRotate, CommandId::FaceSelectionMode, 0, 8, 6},
                      RoundTrip{"Orient", CommandId::Orient, CommandId::FaceSelectionMode, 0, 8, 6}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST_F(ValueToolsTest, ExtrudeLiftsTheNewCornersAndStartedAgainKeepsFollowing)
{
    AmountGuard amount(settingsVariables().extrudeAmount, 0.25f);
    bool& together = settingsVariables().extrudeKeepFacesTogether;
    const bool savedTogether = together;
    together = false;
    Shape* grid = centredGrid();
    selectFaces(grid, {0});
    run(CommandId::Extrude);
    together = savedTogether;
    ASSERT_TRUE(running(set().localMove));
    EXPECT_EQ(set().localMove.valueText(), "Extrude: 0.250000");
    EXPECT_EQ(grid->vertices.count(), 9 + 4);
    EXPECT_EQ(validateTopology(*grid), "");
    for (int i = 9; i < 13; ++i)
        EXPECT_FLOAT_EQ(grid->vertices[i]->z, 0.25f);
    EXPECT_EQ(tools().frame.points.count(), 4);
    // The handle rides on the lifted face; the frame centre stays at value 0.
    EXPECT_FLOAT_EQ(set().localMove.handleCentre().z, 0.25f);
    EXPECT_FLOAT_EQ(tools().frame.centre.z, 0.0f);

    // Local move on the lifted face, started while the extrusion runs.
    run(CommandId::Slide); // refused: no edge; the extrusion keeps running
    EXPECT_TRUE(running(set().localMove));
    run(CommandId::LocalScale);
    ASSERT_TRUE(running(set().localScale));
    const int x = centreX();
    scene.mouseHover(x, 300);
    scene.mouseHover(x + 10, 300);
    EXPECT_GT(set().localScale.value(), settingsVariables().localScaleAmount);
}
