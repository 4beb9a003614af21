// The routes: every command reaches its handler, and the handlers pass
// the per-command values the managers expect.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;

// Click selections and commands that change the selection record it first; the others do not.
TEST(DispatchRoutesTest, HandlersPassTheirValuesAndOnlySelectionChangesAreRecorded)
{
    DispatchScene s;
    s.run(9010, SceneManager::ModePress, "", 5, 6);
    s.run(9003, SceneManager::ModePress, "", 7, 8);
    EXPECT_THAT(s.routed({"clickSelect"}),
                ElementsAre("selection.clickSelect(5,6,1,0)", "selection.clickSelect(7,8,4,1)"));
    EXPECT_EQ(s.command->selectionUndo.doneCount(), 2);
    // View drags start where the press was.
    s.run(9013, SceneManager::ModePress, "", 40, 50);
    EXPECT_THAT(s.routed({"startRotate"}), ElementsAre("display.startRotate(40,50)"));
    s.run(14); // "Select All"
    s.run(11); // "Hide Selection"
    s.run(17); // "Convert To Faces"
    s.run(185); // "Paint-Style Selection"
    EXPECT_THAT(s.routed({"selectAll", "hideSelection", "convertTo", "setStyle"}),
                ElementsAre("selection.selectAll()", "selection.hideSelection()", "selection.convertTo(2)",
                            "selection.setStyle(1)"));
    EXPECT_EQ(s.command->selectionUndo.doneCount(), 4);
    // A few rows of each table, for the values the handlers pass on.
    s.log.clear();
    for (int id : {31, 261, 91, 255, 159, 52, 304, 209, 212})
        s.run(id);
    EXPECT_THAT(s.routed({"setView", "setLayout", "setButtonPage", "chooseManipulator", "setConstraint"}),
                ElementsAre("display.setView(6)", "display.setView(9)", "display.setLayout(1)", "display.setLayout(4)",
                            "display.setButtonPage(8)", "tool.chooseManipulator(3)", "tool.chooseManipulator(4)",
                            "tool.setConstraint(4)", "tool.setConstraint(3)"));
    s.log.clear();
    s.run(37);
    EXPECT_EQ(s.application->toolOptionsGroup, -1) << "a hidden window stays hidden";
    s.run(140);
    EXPECT_EQ(s.application->toolOptionsGroup, 140);
    EXPECT_TRUE(s.application->toolOptionsVisible);
    EXPECT_THAT(s.window.calls, Contains("showOptions:140")) << "the window is told";
    s.run(242);
    EXPECT_EQ(s.application->toolOptionsGroup, 139);
    EXPECT_THAT(s.routed({"activateTool"}), ElementsAre("tool.activateTool(37)", "tool.activateTool(242)"));
}

TEST(DispatchRoutesTest, FileShadingAndDisplayCommands)
{
    DispatchScene s;
    s.run(96, SceneManager::ModeDirect, "/tmp/scene.tvb");
    EXPECT_THAT(s.routed({"fileCommand"}), ElementsAre("application.fileCommand(96)"));
    EXPECT_EQ(s.application->lastArgument, "/tmp/scene.tvb");
    // UV recreation brings the UV views first.
    s.run(278);
    EXPECT_THAT(s.routed({"showUVViews", "recreateUVs"}),
                ElementsAre("display.showUVViews()", "object.recreateUVs(278)"));
    // Custom primitives load the file the window names.
    s.run(200005);
    EXPECT_THAT(s.routed({"loadIntoScene"}), ::testing::IsEmpty()) << "no file behind the id";
    struct PrimitiveWindow : RecordingWindow {
        std::string customPrimitiveFile(int commandId) override { return "prim" + std::to_string(commandId) + ".tvb"; }
    };
    PrimitiveWindow window;
    s.application->window = &window;
    s.run(200005);
    EXPECT_THAT(s.routed({"loadIntoScene"}), ElementsAre("application.loadIntoScene()"));
    EXPECT_EQ(s.application->lastArgument, "prim200005.tvb");
    s.application->window = &s.window;
    Shape* chosen = s.addCube(true);
    Shape* other = s.addCube(false);
    s.run(80);
    s.run(83);
    s.run(89);
    s.run(137);
    // (shading, wire on shaded, normals shown, texture shown)
    auto state = [](const Shape* s) {
        const int d = s->displayFlags;
        return std::tuple(s->shadingMode(), bool(d & InnerShape::WireOnShaded), bool(d & InnerShape::ShowNormals),
                          bool(s->textureFlags & InnerShape::ShowTexture));
    };
    EXPECT_EQ(state(chosen), std::tuple(InnerShape::Wireframe, false, true, false));
    EXPECT_EQ(state(other), std::tuple(InnerShape::FlatShade, true, false, true));
}

