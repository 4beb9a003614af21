// Modes 2 to 4 as the keyboard produces them: a held key runs a temporary
// tool or toggle, a tapped key leaves the tool on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/DispatchTestScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

constexpr int keyE = 69;

struct DispatchModesTest : ::testing::Test {
    void bind(int commandId) { s.application->addKeyBinding(keyE, 0, commandId); }
    void hold()
    {
        s.scene->keyPress(keyE, 0);
        s.scene->keyHold(keyE, 0);
        s.scene->keyReleaseAfterHold(keyE);
    }
    void tap()
    {
        s.scene->keyPress(keyE, 0);
        s.scene->keyReleaseAfterTap(keyE);
    }
    // A tool standing in for the one the command starts.
    void startTool() { s.tool->activeTools.append(&started); }
    void TearDown() override { s.tool->activeTools.clear(); }

    DispatchScene s;
    RecordingTool started{s.log, "started"};
};

} // namespace

TEST_F(DispatchModesTest, HeldCubeKeyCreatesACubeThenOpensItsOptions)
{
    bind(108);
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    EXPECT_THAT(s.routed({"createObjects"}), ElementsAre("object.createObjects(108)"));
    EXPECT_THAT(s.window.calls, Contains("execute:164/0"));
    EXPECT_EQ(s.application->creationPropertiesGroup, 164);
    EXPECT_TRUE(s.application->creationPropertiesVisible);
}

TEST_F(DispatchModesTest, HeldSphereOpensSphereOptionsAndOtherHoldsDoNothing)
{
    s.run(105, SceneManager::ModeHold);
    EXPECT_EQ(s.application->creationPropertiesGroup, 166);
    s.window.calls.clear();
    s.run(37, SceneManager::ModeHold);
    s.run(109, SceneManager::ModeHold);
    EXPECT_THAT(s.window.calls, Not(Contains(::testing::StartsWith("execute:"))));
    EXPECT_THAT(s.routed({"activateTool", "createObjects"}), IsEmpty());
}

TEST_F(DispatchModesTest, HeldExtrudeDropsTheToolOnRelease)
{
    bind(37);
    s.scene->keyPress(keyE, 0);
    EXPECT_THAT(s.routed({"activateTool"}), ElementsAre("tool.activateTool(37)"));
    startTool();
    s.scene->keyHold(keyE, 0);
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_THAT(s.routed({"deactivate"}), ElementsAre("started.deactivate()"));
    EXPECT_FALSE(s.tool->activeTools.contains(&started));
}

TEST_F(DispatchModesTest, TappedExtrudeLeavesTheToolActive)
{
    bind(37);
    s.scene->keyPress(keyE, 0);
    startTool();
    s.scene->keyReleaseAfterTap(keyE);
    EXPECT_THAT(s.routed({"keepToolActive", "deactivate"}), ElementsAre("tool.keepToolActive()"));
    EXPECT_TRUE(s.tool->activeTools.contains(&started));
}

TEST_F(DispatchModesTest, TappedSplitLoopEndsItsTool)
{
    bind(45);
    s.scene->keyPress(keyE, 0);
    startTool();
    s.scene->keyReleaseAfterTap(keyE);
    EXPECT_THAT(s.routed({"keepToolActive", "deactivate"}), ElementsAre("started.deactivate()"));
}

TEST_F(DispatchModesTest, DrawingToolReleaseCompletesTheItemBeforeEnding)
{
    bind(72);
    s.scene->keyPress(keyE, 0);
    startTool();
    s.log.clear();
    s.scene->keyHold(keyE, 0);
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_THAT(s.routed({"enterKey", "deactivate"}), ElementsAre("started.enterKey() -> 0", "started.deactivate()"));
}

TEST_F(DispatchModesTest, HeldManipulatorKeyBringsTheOldManipulatorBack)
{
    bind(54);
    hold();
    EXPECT_THAT(s.routed({"chooseManipulator", "restorePreviousManipulator"}),
                ElementsAre("tool.chooseManipulator(2)", "tool.restorePreviousManipulator()"));
}

TEST_F(DispatchModesTest, ConstraintReleaseEndsTheDragWhereTheMouseIs)
{
    s.run(207, SceneManager::ModeReleaseAfterHold, "", 12, 34);
    EXPECT_THAT(s.routed({"mouseRelease"}), Contains("tool.mouseRelease(12,34) -> 0"));
}

TEST_F(DispatchModesTest, HeldSubdivideUnsubdividesOnRelease)
{
    bind(47);
    hold();
    EXPECT_THAT(s.routed({"changeSubdivision"}),
                ElementsAre("command.changeSubdivision(47)", "command.changeSubdivision(50)"));
    // The way back is not a command of its own: "Repeat" still subdivides.
    EXPECT_EQ(s.command->lastCommand, 47);
}

TEST_F(DispatchModesTest, HeldViewportImageToggleFlipsBackOnRelease)
{
    bool before = *s.application->registry.boolValue(100131, "Show Viewport Images");
    bind(149);
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    EXPECT_NE(*s.application->registry.boolValue(100131, "Show Viewport Images"), before);
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_EQ(*s.application->registry.boolValue(100131, "Show Viewport Images"), before);
}

TEST_F(DispatchModesTest, HeldSnappingKeyTurnsSnappingOffOnRelease)
{
    bind(247);
    s.scene->keyPress(keyE, 0);
    EXPECT_EQ(s.application->snappingMode, SceneApplicationManager::GridSnapping);
    s.scene->keyHold(keyE, 0);
    s.scene->keyReleaseAfterHold(keyE);
    EXPECT_EQ(s.application->snappingMode, SceneApplicationManager::NoSnapping);
}

TEST_F(DispatchModesTest, ReleasesOfCommandsWithoutReleaseActionsDoNothing)
{
    tap();
    s.run(14, SceneManager::ModeReleaseAfterHold);
    s.run(14, SceneManager::ModeReleaseAfterTap);
    EXPECT_THAT(s.routed({"selectAll", "deactivate", "keepToolActive"}), IsEmpty());
}

TEST_F(DispatchModesTest, AToolThatTakesTheCommandStopsTheDispatch)
{
    CommandTakingTool taker(s.log, "taker");
    taker.takes = 37;
    s.tool->activeTools.append(&taker);
    s.run(37, SceneManager::ModeReleaseAfterTap);
    EXPECT_THAT(s.routed({"commandHook", "keepToolActive"}), ElementsAre("taker.commandHook(37,4)"));
}
