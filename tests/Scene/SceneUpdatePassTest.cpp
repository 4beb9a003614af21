// Command execution and the update pass that follows every event.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SceneUpdatePassTest, ExecuteDispatchesThenTellsEveryManagerThenUpdates)
{
    RecordedScene s;
    s.command->dispatchResult = 7;
    EXPECT_EQ(s.scene->executeCommand(37, "arg", 0, 3, 4), 7);
    EXPECT_THAT(s.log.only({"dispatch", "commandExecuted", "toolsHook"}),
                ElementsAre("command.dispatch(37,0,3,4)", "display.commandExecuted(37,0)",
                            "command.commandExecuted(37,0)", "object.commandExecuted(37,0)",
                            "selection.commandExecuted(37,0)", "tool.commandExecuted(37,0)",
                            "application.commandExecuted(37,0)", "tool.toolsHook()"));
    EXPECT_THAT(s.command->arguments, ElementsAre("arg"));
    // The application checks the autosave after every command.
    s.scene->executeCommand(150, "", 0, 0, 0);
    EXPECT_EQ(s.log.only({"autosaveCheck"}).size(), 2u);
}

TEST(SceneUpdatePassTest, ManyRequestsGiveOneRedrawAndClearEveryFlag)
{
    RecordedScene s;
    RecordingTool tool(s.log, "move");
    s.tool->activeTools.append(&tool);
    s.display->redrawRequested = true;
    s.selection->redrawRequested = true;
    s.application->redrawRequested = true;
    tool.redrawNeeded = true;
    s.scene->mouseHover(1, 1);
    EXPECT_EQ(s.window.redrawCount, 1);
    EXPECT_THAT(s.log.only({"sceneChangedNotify"}), IsEmpty()) << "a redraw is no scene change";
    for (SceneManager* m : s.scene->managerList)
        EXPECT_FALSE(m->isRedrawRequested());
    EXPECT_FALSE(tool.redrawNeeded);
    s.scene->mouseHover(1, 1);
    EXPECT_EQ(s.window.redrawCount, 1);
}

TEST(SceneUpdatePassTest, SceneChangeNotifiesEveryPeerInPeerOrderAndRedraws)
{
    RecordedScene s;
    s.object->sceneChanged = true;
    s.log.clear();
    s.scene->mouseHover(1, 1);
    EXPECT_THAT(s.log.only({"sceneChangedNotify", "clearSceneChanged"}),
                ElementsAre("application.sceneChangedNotify()", "application.clearSceneChanged()",
                            "command.sceneChangedNotify()", "command.clearSceneChanged()",
                            "display.sceneChangedNotify()", "display.clearSceneChanged()",
                            "object.sceneChangedNotify()", "object.clearSceneChanged()",
                            "selection.sceneChangedNotify()", "selection.clearSceneChanged()",
                            "tool.sceneChangedNotify()", "tool.clearSceneChanged()"));
    EXPECT_FALSE(s.object->sceneChanged);
    EXPECT_EQ(s.window.redrawCount, 1);
}

TEST(SceneUpdatePassTest, DisplayIsNotNotifiedDuringAToolDragButItsFlagIsCleared)
{
    RecordedScene s;
    RecordingTool tool(s.log, "move");
    tool.results["mousePress"] = true;
    s.tool->activeTools.append(&tool);
    s.scene->mousePress(1, 1, 0, 0);
    ASSERT_TRUE(s.tool->isDragInProgress());
    s.display->sceneChanged = true;
    s.log.clear();
    s.scene->mouseDrag(2, 2);
    EXPECT_THAT(s.log.only({"sceneChangedNotify"}),
                ElementsAre("application.sceneChangedNotify()", "command.sceneChangedNotify()",
                            "object.sceneChangedNotify()", "selection.sceneChangedNotify()",
                            "tool.sceneChangedNotify()"));
    EXPECT_FALSE(s.display->sceneChanged);
    s.scene->mouseRelease(2, 2);
    s.selection->sceneChanged = true;
    s.log.clear();
    s.scene->mouseHover(2, 2);
    EXPECT_EQ(s.log.only({"sceneChangedNotify"}).size(), 6u);
}

TEST(SceneUpdatePassTest, ToolUpdateRequestCountsAsASceneChange)
{
    RecordedScene s;
    RecordingTool tool(s.log, "move");
    s.tool->activeTools.append(&tool);
    tool.updateNeeded = true;
    s.scene->mouseHover(1, 1);
    EXPECT_EQ(s.log.only({"sceneChangedNotify"}).size(), 6u);
    EXPECT_THAT(s.log.only({"notify"}), ElementsAre("move.notify()"));
    EXPECT_FALSE(tool.updateNeeded);
    EXPECT_EQ(s.window.redrawCount, 1);
    // Every pass steps the active tools.
    s.scene->keyPress(1, 0);
    EXPECT_EQ(s.log.only({"frameStep"}).size(), 2u);
}

TEST(SceneUpdatePassTest, OnlyADirectCommandEndsAToolDragAndFirst)
{
    RecordedScene s;
    RecordingTool tool(s.log, "move");
    tool.results["mousePress"] = true;
    s.tool->activeTools.append(&tool);
    s.scene->mousePress(1, 1, 0, 0);
    s.scene->executeCommand(37, "", SceneManager::ModePress, 0, 0);
    EXPECT_TRUE(s.tool->isDragInProgress()) << "only a direct command ends the drag";
    s.log.clear();
    s.scene->executeCommand(37, "", SceneManager::ModeDirect, 0, 0);
    EXPECT_THAT(s.log.only({"mouseRelease", "commandExecuted"}),
                ElementsAre("display.commandExecuted(37,0)", "command.commandExecuted(37,0)",
                            "object.commandExecuted(37,0)", "selection.commandExecuted(37,0)",
                            "tool.commandExecuted(37,0)", "tool.mouseRelease(-1,-1) -> 0",
                            "move.mouseRelease(-1,-1) -> 0", "move.commandExecuted(37,0)",
                            "application.commandExecuted(37,0)"));
    EXPECT_FALSE(s.tool->isDragInProgress());
}

TEST(SceneUpdatePassTest, RefreshNowRedrawsAndClearsAtOnce)
{
    RecordedScene s;
    s.selection->redrawRequested = true;
    s.log.clear();
    s.application->refreshNow();
    EXPECT_THAT(s.log.only({"sceneChangedNotify"}), ElementsAre("display.sceneChangedNotify()"));
    EXPECT_EQ(s.window.redrawCount, 1);
    EXPECT_FALSE(s.selection->redrawRequested);
    // A resize keeps the size and asks for a redraw.
    s.scene->resize(300, 200);
    EXPECT_EQ(s.display->viewportWidth, 300);
    EXPECT_EQ(s.display->viewportHeight, 200);
    EXPECT_TRUE(s.display->redrawRequested);
}
