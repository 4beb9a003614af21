// "Undo", "Redo", "Undo Selection" and "Redo Selection" as commands: which
// stack each drives, the unsaved-change count and the window title.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct UndoCommandsTest : ::testing::Test {
    UndoCommandsTest() { s.application->currentFile = "robot.tvb"; }
    void push() { s.command->pushUndo(new CountingRecord(&reverts)); }

    DispatchScene s;
    int reverts = 0;
};

} // namespace

TEST_F(UndoCommandsTest, SelectionUndoRestoresTheRecordedModeAndLeavesGeometryAlone)
{
    push();
    s.selection->mode = SceneSelectionManager::FaceMode;
    s.run(14);
    EXPECT_EQ(s.command->selectionUndo.doneCount(), 1);
    s.selection->mode = SceneSelectionManager::EdgeMode;
    s.run(233);
    EXPECT_EQ(s.selection->mode, SceneSelectionManager::FaceMode);
    EXPECT_EQ(s.command->selectionUndo.undoneCount(), 1);
    EXPECT_EQ(s.command->geometryUndo.doneCount(), 1);
    EXPECT_EQ(reverts, 0);
    s.run(234);
    EXPECT_EQ(s.selection->mode, SceneSelectionManager::EdgeMode);
    s.run(68);
    EXPECT_EQ(s.command->selectionUndo.doneCount(), 1) << "geometry undo does not touch the selection stack";
}

TEST_F(UndoCommandsTest, TitleCarriesAStarWhileChangesAreUnsaved)
{
    push();
    push();
    EXPECT_THAT(s.window.titles, ElementsAre("robot.tvb*"));
    s.run(68);
    s.run(68);
    EXPECT_THAT(s.window.titles, ElementsAre("robot.tvb*", "robot.tvb"));
    s.run(69);
    s.command->markSaved();
    EXPECT_EQ(s.window.titles.back(), "robot.tvb");
    s.run(68);
    s.run(69);
    EXPECT_TRUE(s.command->hasUnsavedChanges()) << "save, undo, redo";
    EXPECT_EQ(s.window.titles.back(), "robot.tvb*");
    s.run(14);
    s.command->clearUndo();
    EXPECT_FALSE(s.command->hasUnsavedChanges());
    EXPECT_FALSE(s.command->selectionUndo.canUndo());
    EXPECT_EQ(s.window.titles.back(), "robot.tvb");
}

TEST_F(UndoCommandsTest, UndoLevelSettingLimitsBothStacks)
{
    ASSERT_TRUE(s.application->registry.setInt(113, "Undo Level", 2));
    for (int i = 0; i < 3; ++i) {
        push();
        s.run(14);
    }
    EXPECT_EQ(s.command->geometryUndo.doneCount(), 2);
    EXPECT_EQ(s.command->selectionUndo.doneCount(), 2);
    s.application->registry.setInt(113, "Undo Level", 10);
}

TEST_F(UndoCommandsTest, ToolThatUndoesItselfKeepsTheStack)
{
    push();
    CommandTakingTool tool(s.log, "tool1");
    tool.takesUndo = true;
    s.tool->activeTools.append(&tool);
    s.log.clear();
    s.run(68);
    EXPECT_EQ(reverts, 0);
    EXPECT_THAT(s.routed({"refreshDisplay"}), IsEmpty()) << "undo refreshes only after the stack undid";
    s.run(69);
    EXPECT_THAT(s.routed({"refreshDisplay"}), ElementsAre("selection.refreshDisplay()"))
        << "redo refreshes in both branches";
    s.tool->activeTools.clear();
}

TEST_F(UndoCommandsTest, UndoRedrawsOnThisPassAndTheNext)
{
    push();
    int redraws = s.window.redrawCount;
    s.run(68);
    EXPECT_EQ(s.window.redrawCount, redraws + 2);
}

TEST_F(UndoCommandsTest, CreationPushesOneRecordUnlessNothingWasMade)
{
    s.run(108);
    EXPECT_EQ(s.command->geometryUndo.doneCount(), 0);
    s.object->creates = 2;
    s.run(102);
    EXPECT_EQ(s.object->objects.count(), 2);
    EXPECT_EQ(s.command->geometryUndo.doneCount(), 1);
    s.run(68);
    EXPECT_EQ(s.object->objects.count(), 0);
    s.run(69);
    EXPECT_EQ(s.object->objects.count(), 2);
    s.object->creates = 1;
    s.run(192); // "Add Light"
    EXPECT_EQ(s.object->objects.count(), 3);
    EXPECT_EQ(s.command->geometryUndo.doneCount(), 2);
}
