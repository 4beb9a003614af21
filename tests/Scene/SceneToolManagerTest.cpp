// How the tool manager hands events and draw passes to the active tools.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A tool that, when told to, exits every tool on a drag, as a tool
// finishing itself from an event would.
class ExitingTool : public RecordingTool {
public:
    using RecordingTool::RecordingTool;
    bool mouseDrag(int x, int y, Camera* camera) override
    {
        bool taken = RecordingTool::mouseDrag(x, y, camera);
        if (exits)
            scene->toolManager->exitTools();
        return taken;
    }
    bool exits = false;
};

struct ToolScene {
    ToolScene()
        : a(log, "a"), b(log, "b"), manipulator(log, "move", true)
    {
        scene = std::make_unique<Scene>(&window, "");
        tools = scene->toolManager;
        tools->activeTools.clear();
        for (Tool* t : {static_cast<Tool*>(&a), static_cast<Tool*>(&b), static_cast<Tool*>(&manipulator)})
            tools->activeTools.append(t);
    }
    CallLog log;
    RecordingWindow window;
    ExitingTool a;
    RecordingTool b, manipulator;
    std::unique_ptr<Scene> scene;
    SceneToolManager* tools = nullptr;
};

} // namespace

TEST(SceneToolManagerTest, EventsStopAtTheFirstToolThatTakesThem)
{
    ToolScene s;
    s.b.results = {{"mouseDrag", true}, {"mouseHover", true}, {"mouseRelease", true}, {"commandKey", true}};
    EXPECT_TRUE(s.tools->mouseDrag(1, 2));
    EXPECT_TRUE(s.tools->mouseHover(1, 2));
    EXPECT_TRUE(s.tools->mouseRelease(1, 2));
    EXPECT_TRUE(s.tools->commandKey(69, 0, 1, 37));
    EXPECT_THAT(s.log.only({"mouseDrag", "mouseHover", "mouseRelease", "commandKey"}),
                ElementsAre("a.mouseDrag(1,2) -> 0", "b.mouseDrag(1,2) -> 1", "a.mouseHover(1,2) -> 0",
                            "b.mouseHover(1,2) -> 1", "a.mouseRelease(1,2) -> 0", "b.mouseRelease(1,2) -> 1",
                            "a.commandKey(69,0,1,37) -> 0", "b.commandKey(69,0,1,37) -> 1"));
    // Events nobody takes visit every tool.
    EXPECT_FALSE(s.tools->deleteKey());
    EXPECT_THAT(s.log.only({"deleteKey"}),
                ElementsAre("a.deleteKey() -> 0", "b.deleteKey() -> 0", "move.deleteKey() -> 0"));
}

TEST(SceneToolManagerTest, ToolsThatLeftTheListMidEventAreNotAsked)
{
    ToolScene s;
    s.a.exits = true;
    s.tools->mouseDrag(1, 2);
    EXPECT_THAT(s.log.only({"mouseDrag"}), ElementsAre("a.mouseDrag(1,2) -> 0", "move.mouseDrag(1,2) -> 0"));
}

TEST(SceneToolManagerTest, TransformManipulatorsDrawInTheOverlayOthersWithTheScene)
{
    ToolScene s;
    s.tools->drawActiveViewport();
    EXPECT_THAT(s.log.only({"draw"}), ElementsAre("a.draw()", "b.draw()"));
    s.log.clear();
    s.tools->drawOverlay();
    EXPECT_THAT(s.log.only({"draw"}), ElementsAre("move.draw()"));
    s.log.clear();
    s.tools->showManipulators = false;
    s.tools->drawOverlay();
    EXPECT_THAT(s.log.only({"draw"}), IsEmpty());
    // The unlit pass gives every tool its after-draw.
    s.tools->drawActiveViewportUnlit();
    EXPECT_THAT(s.log.only({"afterDraw"}), ElementsAre("a.afterDraw()", "b.afterDraw()", "move.afterDraw()"));
}

TEST(SceneToolManagerTest, ExitKeepsOnlyTheTransformManipulator)
{
    ToolScene s;
    s.tools->exitTools();
    EXPECT_THAT(s.log.only({"deactivate"}), ElementsAre("a.deactivate()", "b.deactivate()"));
    ASSERT_EQ(s.tools->activeTools.count(), 1);
    EXPECT_EQ(s.tools->activeTools[0], &s.manipulator);
    EXPECT_TRUE(s.tools->redrawRequested);
    EXPECT_TRUE(s.tools->sceneChanged);
}

namespace {

// A tool whose start the test allows or refuses.
class StartingTool : public RecordingTool {
public:
    using RecordingTool::RecordingTool;
    bool activate() override { return accepts; }
    bool accepts = false;
};

} // namespace

TEST(SceneToolManagerTest, AStartedToolReplacesTheManipulatorUntilUndoOrReturnEndsIt)
{
    RecordingWindow window;
    Scene scene(&window, "");
    window.scene = &scene;
    SceneToolManager& tools = *scene.toolManager;
    CallLog log;
    StartingTool bevel(log, "bevel");
    EXPECT_FALSE(tools.startTool(bevel, true));
    EXPECT_EQ(tools.activeToolNames(), "Move") << "a refused start changes nothing";

    bevel.accepts = true;
    scene.executeCommand(CommandId::RotateManipulatorTool, "", 0, 0, 0);
    ASSERT_TRUE(tools.startTool(bevel, true));
    EXPECT_EQ(tools.activeToolNames(), "Tool");
    scene.executeCommand(CommandId::Undo, "", 0, 0, 0);
    EXPECT_EQ(tools.activeToolNames(), "Rotate") << "undo of the start leaves the tool";

    ASSERT_TRUE(tools.startTool(bevel, false));
    scene.confirm();
    EXPECT_THAT(log.only({"enterKey"}), ElementsAre("bevel.enterKey() -> 0"));
    EXPECT_EQ(tools.activeToolNames(), "Rotate");
}
