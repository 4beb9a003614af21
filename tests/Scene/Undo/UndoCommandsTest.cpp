// "Undo" and "Redo" as commands: the "Undo Level" setting on both stacks, and
// a tool that undoes its own work.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct UndoCommandsTest : ::testing::Test {
    void push() { s.command->pushUndo(new CountingRecord(&reverts)); }

    DispatchScene s;
    int reverts = 0;
};

} // namespace

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
