// "Repeat" and the first step of every dispatch: the last repeatable
// command, its name in the status bar and the window told it started.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DispatchRepeatTest, RepeatableCommandsAreShownAnnouncedRememberedAndRepeated)
{
    DispatchScene s;
    // "Repeat" before any repeatable command runs "No Function" the full way, which does nothing.
    s.run(181);
    EXPECT_THAT(s.window.calls, ::testing::Contains("execute:150/0"));
    EXPECT_THAT(s.window.statusMessages, IsEmpty());
    EXPECT_EQ(s.command->lastCommand, 150);
    s.run(47);
    EXPECT_EQ(s.command->lastCommand, 47);
    EXPECT_THAT(s.window.statusMessages, ElementsAre("Subdivide"));
    EXPECT_THAT(s.window.startedCommands, ElementsAre(47));
    // "Undo", "Redo" and "No Function" are neither shown nor announced.
    for (int id : {68, 69, 150})
        s.run(id);
    EXPECT_EQ(s.command->lastCommand, 47);
    EXPECT_EQ(s.window.statusMessages.size(), 1u);
    EXPECT_EQ(s.window.startedCommands.size(), 1u);
    s.run(46, SceneManager::ModePress, "", 30, 40);
    s.run(68);
    s.log.clear();
    s.window.calls.clear();
    s.window.statusMessages.clear();
    s.run(181);
    s.run(181);
    EXPECT_THAT(s.window.statusMessages, ElementsAre("Triangulate", "Triangulate"));
    EXPECT_THAT(s.routed({"editTopology"}), ElementsAre("command.editTopology(46)", "command.editTopology(46)"));
    EXPECT_THAT(s.window.calls, ::testing::Contains("execute:46/0"));
    EXPECT_EQ(s.command->lastCommand, 46);
    s.log.clear();
    CommandTakingTool tool(s.log, "extrudeTool");
    tool.takes = 46;
    s.tool->activeTools.append(&tool);
    s.run(46);
    EXPECT_EQ(s.command->lastCommand, 46);
    EXPECT_THAT(s.routed({"editTopology"}), IsEmpty());
    // A tapped command the tool takes does not keep the tool active either.
    tool.takes = 37;
    s.run(37, SceneManager::ModeReleaseAfterTap);
    EXPECT_THAT(s.routed({"commandHook", "keepToolActive"}),
                ElementsAre("extrudeTool.commandHook(46,0)", "extrudeTool.commandHook(37,4)"));
    s.tool->activeTools.clear();
}

