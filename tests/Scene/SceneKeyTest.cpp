// Keys: taps, holds, tools that take keys, and Return, Escape and Delete.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

constexpr int keyE = 69;
constexpr int keyW = 87;
constexpr int extrude = 37;
constexpr int noFunction = CommandId::NoFunction;

struct KeyScene : RecordedScene {
    KeyScene() { application->addKeyBinding(keyE, 0, extrude); }
};

} // namespace

TEST(SceneKeyTest, TapRunsPressThenTapReleaseAndHoldRunsPressHoldAndRelease)
{
    KeyScene s;
    s.scene->keyPress(keyE, 0);
    EXPECT_EQ(s.scene->pressedKeyCommand, extrude);
    s.scene->keyReleaseAfterTap(keyE);
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(extrude, 1), Pair(extrude, 4)));
    EXPECT_EQ(s.scene->pressedKeyCommand, noFunction);
    s.command->executed.clear();
    s.log.clear();
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    EXPECT_EQ(s.scene->heldKeyCommand, extrude);
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(extrude, 1), Pair(extrude, 2), Pair(extrude, 3)));
    // Tools are offered every phase with the bound command.
    EXPECT_THAT(s.log.only({"commandKey"}), ElementsAre("tool.commandKey(69,0,1,37) -> 0",
                                                        "tool.commandKey(69,0,2,37) -> 0",
                                                        "tool.commandKey(69,0,3,37) -> 0"));
}

TEST(SceneKeyTest, HoldTakenByAToolFinishesThePressAsATap)
{
    KeyScene s;
    RecordingTool tool(s.log, "tool1");
    s.tool->activeTools.append(&tool);
    s.scene->keyPress(keyE, 0);
    tool.results["commandKey"] = true;
    s.scene->keyHold(keyE, 0);
    EXPECT_EQ(s.scene->heldKeyCommand, noFunction);
    tool.results.clear();
    s.log.clear();
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_THAT(s.log.only({"commandKey", "dispatch"}),
                ElementsAre("tool.commandKey(69,0,4,37) -> 0", "tool1.commandKey(69,0,4,37) -> 0",
                            "command.dispatch(37,4,0,0)", "tool.commandKey(69,0,3,150) -> 0",
                            "tool1.commandKey(69,0,3,150) -> 0", "command.dispatch(150,3,0,0)"));
    EXPECT_EQ(s.scene->pressedKeyCommand, noFunction);
}

TEST(SceneKeyTest, APressOrAReleaseAfterHoldThatAToolTakesRunsNothing)
{
    KeyScene s;
    s.tool->results["commandKey"] = true;
    s.scene->keyPress(keyE, 0);
    s.scene->keyReleaseAfterTap(keyE);
    EXPECT_THAT(s.command->executed, IsEmpty());
    EXPECT_EQ(s.scene->pressedKeyCommand, noFunction);
    s.tool->results.clear();
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    s.tool->results["commandKey"] = true;
    s.log.clear();
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_THAT(s.log.only({"commandKey", "dispatch"}), ElementsAre("tool.commandKey(69,0,3,37) -> 1"));
}

TEST(SceneKeyTest, UnboundKeyIsOfferedToToolsAndDoesNotRepeatTheLastHeldCommand)
{
    KeyScene s;
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    s.scene->keyReleaseAfterHold(keyE);
    s.command->executed.clear();
    s.log.clear();
    s.scene->keyPress(keyW, 0);
    EXPECT_THAT(s.command->executed, IsEmpty());
    EXPECT_THAT(s.log.only({"commandKey"}), ElementsAre("tool.commandKey(87,0,1,-1) -> 0"));
    s.scene->keyReleaseAfterTap(keyW);
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(noFunction, 4)));
}

TEST(SceneKeyTest, ModifiersSelectTheBindingAndCommandsRunWhereTheMouseLastWas)
{
    KeyScene s;
    s.application->addKeyBinding(keyE, ModifierCode::TabHeld, 47);
    s.application->addKeyBinding(keyE, 4, 39);
    s.scene->mouseHover(40, 50);
    s.scene->keyPress(keyE, ModifierCode::TabHeld);
    s.scene->keyReleaseAfterTap(keyE);
    s.log.clear();
    s.scene->keyPress(keyE, 4);
    s.scene->keyReleaseAfterTap(keyE);
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(47, 1), Pair(47, 4), Pair(39, 1), Pair(39, 4)));
    // The release reaches the tools with the press's modifiers.
    EXPECT_THAT(s.log.only({"commandKey", "dispatch"}),
                ElementsAre("tool.commandKey(69,4,1,39) -> 0", "command.dispatch(39,1,40,50)",
                            "tool.commandKey(69,4,4,39) -> 0", "command.dispatch(39,4,40,50)"));
}

TEST(SceneKeyTest, ConfirmAsksToolsInOrderUntilOneTakesIt)
{
    RecordedScene s;
    RecordingTool first(s.log, "first");
    RecordingTool second(s.log, "second");
    RecordingTool third(s.log, "third");
    second.results["enterKey"] = true;
    for (Tool* t : {&first, &second, &third})
        s.tool->activeTools.append(t);
    s.scene->confirm();
    EXPECT_THAT(s.log.only({"confirmKey", "enterKey"}),
                ElementsAre("tool.confirmKey() -> 1", "first.enterKey() -> 0", "second.enterKey() -> 1"));
}

TEST(SceneKeyTest, ConfirmInAToolWithoutItsOwnEnterExitsIt)
{
    CallLog toolLog;
    RecordingTool bevel(toolLog, "bevel");
    RecordingTool manipulator(toolLog, "move", true);
    RecordedScene s;
    s.tool->activeTools.append(&bevel);
    s.tool->rememberedManipulator = &manipulator;
    s.scene->confirm();
    EXPECT_THAT(toolLog.only({"enterKey", "deactivate"}), ElementsAre("bevel.enterKey() -> 0", "bevel.deactivate()"));
    ASSERT_EQ(s.tool->activeTools.count(), 1);
    EXPECT_EQ(s.tool->activeTools[0], &manipulator);
}

TEST(SceneKeyTest, CancelExitsEveryToolButTheTransformManipulator)
{
    RecordedScene s;
    RecordingTool manipulator(s.log, "move", true);
    RecordingTool slide(s.log, "slide");
    s.tool->activeTools.append(&manipulator);
    s.tool->activeTools.append(&slide);
    s.scene->cancel();
    EXPECT_THAT(s.log.only({"deactivate", "enterKey", "refreshDisplay"}),
                ElementsAre("slide.deactivate()", "selection.refreshDisplay()"));
    ASSERT_EQ(s.tool->activeTools.count(), 1);
    EXPECT_EQ(s.tool->activeTools[0], &manipulator);
    EXPECT_EQ(s.window.redrawCount, 1);
    // A remembered manipulator is put back.
    s.tool->activeTools.clear();
    s.tool->activeTools.append(&slide);
    s.tool->rememberedManipulator = &manipulator;
    s.scene->cancel();
    ASSERT_EQ(s.tool->activeTools.count(), 1);
    EXPECT_EQ(s.tool->activeTools[0], &manipulator);
}

TEST(SceneKeyTest, DeleteGoesToToolsFirstThenRunsTheDeleteCommandDirectly)
{
    RecordedScene s;
    s.scene->deleteSelection();
    EXPECT_THAT(s.log.only({"deleteKey"}), ElementsAre("tool.deleteKey() -> 0", "command.deleteKey() -> 1"));
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(10, 0)));
    EXPECT_THAT(s.window.calls, ElementsAre("execute:10/0"));
    RecordingTool polygon(s.log, "polygon");
    polygon.results["deleteKey"] = true;
    s.tool->activeTools.append(&polygon);
    s.log.clear();
    s.command->executed.clear();
    s.scene->deleteSelection();
    EXPECT_THAT(s.log.only({"deleteKey"}), ElementsAre("tool.deleteKey() -> 1", "polygon.deleteKey() -> 1"));
    EXPECT_THAT(s.command->executed, IsEmpty());
}
