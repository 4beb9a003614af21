// Modes 2 to 4 as the keyboard produces them: a held key runs a temporary
// tool or toggle, a tapped key leaves the tool on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Commands/DispatchTestScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

constexpr int keyE = 69;

// A scene with one command on E, and a tool standing in for the one the
// command starts, made active right after the press.
struct KeyedScene : DispatchScene {
    explicit KeyedScene(int commandId) { application->addKeyBinding(keyE, 0, commandId); }
    ~KeyedScene() { tool->activeTools.clear(); }
    // As the activation protocol does, the started tool replaces the manipulator.
    void press() { scene->keyPress(keyE, 0), tool->activeTools.clear(), tool->activeTools.append(&started); }
    void holdAndRelease() { press(), scene->keyHold(keyE, 0), scene->keyReleaseAfterHold(keyE); }
    void tap() { press(), scene->keyReleaseAfterTap(keyE); }
    RecordingTool started{log, "started"};
};

} // namespace

TEST(DispatchModesTest, HeldCreationKeysCreateThenOpenTheirOptionsAndOtherHoldsDoNothing)
{
    KeyedScene s(108);
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    EXPECT_THAT(s.routed({"createObjects"}), ElementsAre("object.createObjects(108)"));
    EXPECT_THAT(s.window.calls, Contains("execute:164/0"));
    EXPECT_TRUE(s.application->creationPropertiesVisible);
    EXPECT_THAT(s.window.calls, Contains("showCreationProperties:164"));
    s.run(105, SceneManager::ModeHold);
    EXPECT_EQ(s.application->creationPropertiesGroup, 166);
    s.window.calls.clear();
    s.log.clear();
    s.run(37, SceneManager::ModeHold);
    s.run(109, SceneManager::ModeHold);
    EXPECT_THAT(s.window.calls, Not(Contains(::testing::StartsWith("execute:"))));
    EXPECT_THAT(s.routed({"activateTool", "createObjects"}), IsEmpty());
}

TEST(DispatchModesTest, AHeldKeyUndoesItsTemporaryActionOnRelease)
{
    struct Row {
        int command;
        std::initializer_list<std::string> operations;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {37, {"activateTool", "deactivate"}, {"tool.activateTool(37)", "started.deactivate()"}},
        // A drawing tool completes its item before it ends.
        {72, {"enterKey", "deactivate"}, {"started.enterKey() -> 0", "started.deactivate()"}},
        {54, {"chooseManipulator", "restorePreviousManipulator"},
         {"tool.chooseManipulator(2)", "tool.restorePreviousManipulator()"}},
        {47, {"changeSubdivision"}, {"command.changeSubdivision(47)", "command.changeSubdivision(50)"}},
    };
    for (const Row& r : rows) {
        KeyedScene s(r.command);
        s.holdAndRelease();
        EXPECT_THAT(s.routed(r.operations), ElementsAreArray(r.expected)) << r.command;
        if (r.command == 47) // the way back is not a command of its own: "Repeat" still subdivides
            EXPECT_EQ(s.command->lastCommand, 47);
    }
}

TEST(DispatchModesTest, HeldTogglesFlipBackOnRelease)
{
    KeyedScene images(149);
    const bool before = *images.application->registry.findOption(100131, "Show Viewport Images")->boolValue();
    images.scene->keyPress(keyE, 0), images.scene->keyHold(keyE, 0);
    EXPECT_NE(*images.application->registry.findOption(100131, "Show Viewport Images")->boolValue(), before);
    images.scene->keyReleaseAfterHold(keyE);
    EXPECT_EQ(*images.application->registry.findOption(100131, "Show Viewport Images")->boolValue(), before);
    KeyedScene snapping(247);
    snapping.scene->keyPress(keyE, 0);
    EXPECT_EQ(snapping.application->snappingMode, SceneApplicationManager::GridSnapping);
    snapping.scene->keyHold(keyE, 0), snapping.scene->keyReleaseAfterHold(keyE);
    EXPECT_EQ(snapping.application->snappingMode, SceneApplicationManager::NoSnapping);
}

TEST(DispatchModesTest, ATappedToolStaysActiveUnlessItEndsOnTap)
{
    KeyedScene extrude(37);
    extrude.tap();
    EXPECT_THAT(extrude.routed({"keepToolActive", "deactivate"}), ElementsAre("tool.keepToolActive()"));
    EXPECT_TRUE(extrude.tool->activeTools.contains(&extrude.started));
    KeyedScene splitLoop(45);
    splitLoop.tap();
    EXPECT_THAT(splitLoop.routed({"keepToolActive", "deactivate"}), ElementsAre("started.deactivate()"));
}

TEST(DispatchModesTest, ReleasesEndDragsOrDoNothing)
{
    DispatchScene s;
    s.run(207, SceneManager::ModeReleaseAfterHold, "", 12, 34);
    EXPECT_THAT(s.routed({"mouseRelease"}), Contains("tool.mouseRelease(12,34) -> 0"));
    s.log.clear();
    s.run(14, SceneManager::ModeReleaseAfterHold);
    s.run(14, SceneManager::ModeReleaseAfterTap);
    EXPECT_THAT(s.routed({"selectAll", "deactivate", "keepToolActive"}), IsEmpty());
}
