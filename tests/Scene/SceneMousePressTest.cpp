// The press chain: display, tool priority pass, view commands, tools,
// selection, and the command manager last.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

constexpr int extrude = 37;
constexpr int rotateView = 9013;
constexpr int leftNoModifier = 0; // mouse table entry of a plain left press
constexpr int leftWithAlt = 1;

std::vector<std::string> pressChain(const RecordedScene& s)
{
    return s.log.only({"mousePress", "priorityPress"});
}

} // namespace

TEST(SceneMousePressTest, UnconsumedPressVisitsEveryManagerAndRunsTheBinding)
{
    RecordedScene s;
    s.bindMouse(leftNoModifier, extrude);
    s.scene->mousePress(5, 6, 0, 0);
    EXPECT_THAT(pressChain(s), ElementsAre("display.mousePress(5,6,0,0,37,0) -> 0",
                                           "tool.priorityPress(5,6,0,0,37,0) -> 0",
                                           "tool.mousePress(5,6,0,0,37,0) -> 0",
                                           "selection.mousePress(5,6,0,0,37,0) -> 0",
                                           "command.mousePress(5,6,0,0,37,0) -> 1"));
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(extrude, SceneManager::ModePress)));
    EXPECT_THAT(s.log.only({"dispatch"}), ElementsAre("command.dispatch(37,1,5,6)"));
    EXPECT_THAT(s.window.calls, ElementsAre("execute:37/1"));
    EXPECT_TRUE(s.scene->pendingMouseClick);
    EXPECT_EQ(s.scene->pendingMouseCommand, extrude);
    // One update pass for the command it ran, one for the press itself.
    EXPECT_THAT(s.log.only({"toolsHook", "mousePress"}).back(), "tool.toolsHook()");
    EXPECT_EQ(s.log.only({"toolsHook"}).size(), 2u);
    // Modifiers select the binding.
    s.bindMouse(leftWithAlt, 39);
    s.scene->mousePress(0, 0, 0, 2);
    EXPECT_EQ(s.command->executed.back(), std::make_pair(39, 1));
}

// Whoever takes the press, every later manager still sees it, marked as
// taken, and no command is left pending.
TEST(SceneMousePressTest, APressTakenOnTheWayIsSeenByEveryLaterManager)
{
    struct Case {
        const char* taker;
        std::vector<std::string> chain;
    };
    const Case cases[] = {
        {"display", {"display.mousePress(1,2,0,0,37,0) -> 1", "tool.priorityPress(1,2,0,0,37,1) -> 0",
                     "tool.mousePress(1,2,0,0,37,1) -> 0", "selection.mousePress(1,2,0,0,37,1) -> 0",
                     "command.mousePress(1,2,0,0,37,1) -> 0"}},
        {"tool", {"display.mousePress(1,2,0,0,37,0) -> 0", "tool.priorityPress(1,2,0,0,37,0) -> 0",
                  "tool.mousePress(1,2,0,0,37,0) -> 1", "move.mousePress(1,2,0,0,37) -> 1",
                  "selection.mousePress(1,2,0,0,37,1) -> 0", "command.mousePress(1,2,0,0,37,1) -> 0"}},
        {"selection", {"display.mousePress(1,2,0,0,37,0) -> 0", "tool.priorityPress(1,2,0,0,37,0) -> 0",
                       "tool.mousePress(1,2,0,0,37,0) -> 0", "selection.mousePress(1,2,0,0,37,0) -> 1",
                       "command.mousePress(1,2,0,0,37,1) -> 0"}},
    };
    for (const Case& c : cases) {
        RecordedScene s;
        s.bindMouse(leftNoModifier, extrude);
        const std::string taker = c.taker;
        RecordingTool move(s.log, "move");
        move.results["mousePress"] = true;
        if (taker == "tool")
            s.tool->activeTools.append(&move);
        (taker == "display" ? s.display->results : s.selection->results)["mousePress"] = taker != "tool";
        s.scene->mousePress(1, 2, 0, 0);
        EXPECT_THAT(pressChain(s), ElementsAreArray(c.chain)) << c.taker;
        EXPECT_THAT(s.command->executed, IsEmpty()) << c.taker;
        EXPECT_FALSE(s.scene->pendingMouseClick) << c.taker;
        EXPECT_EQ(s.tool->isDragInProgress(), taker == "tool") << c.taker;
        s.tool->activeTools.clear();
    }
}

TEST(SceneMousePressTest, ViewCommandsReachTheCommandManagerBeforeTools)
{
    RecordedScene s;
    s.bindMouse(leftNoModifier, rotateView);
    s.scene->mousePress(1, 2, 0, 0);
    EXPECT_THAT(pressChain(s), ElementsAre("display.mousePress(1,2,0,0,9013,0) -> 0",
                                           "tool.priorityPress(1,2,0,0,9013,0) -> 0",
                                           "command.mousePress(1,2,0,0,9013,0) -> 1",
                                           "tool.mousePress(1,2,0,0,9013,1) -> 0",
                                           "selection.mousePress(1,2,0,0,9013,1) -> 0",
                                           "command.mousePress(1,2,0,0,9013,1) -> 0"));
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(rotateView, 1)));
    EXPECT_FALSE(s.scene->pendingMouseClick);
}

TEST(SceneMousePressTest, EveryViewCommandAndNoOtherTakesTheEarlyRouteUnlessThePressWasTaken)
{
    for (int id : {9010, 9011, 9012, 9013, 9014, 9015}) {
        RecordedScene s;
        s.bindMouse(leftNoModifier, id);
        s.scene->mousePress(0, 0, 0, 0);
        bool early = id >= 9011 && id <= 9014;
        EXPECT_EQ(s.log.only({"mousePress"}).size(), early ? 5u : 4u) << id;
        EXPECT_EQ(s.command->executed.size(), 1u) << id;
    }
    RecordedScene s;
    s.bindMouse(leftNoModifier, rotateView);
    s.display->results["mousePress"] = true;
    s.scene->mousePress(1, 2, 0, 0);
    EXPECT_THAT(s.log.only({"mousePress"})[1], "command.mousePress(1,2,0,0,9013,1) -> 0");
    EXPECT_THAT(s.command->executed, IsEmpty());
}

TEST(SceneMousePressTest, PriorityToolsGetThePressInTheEarlyPassOnly)
{
    RecordedScene s;
    RecordingTool normal(s.log, "normal");
    RecordingTool brush(s.log, "brush", false, true);
    s.tool->activeTools.append(&normal);
    s.tool->activeTools.append(&brush);
    s.scene->mousePress(1, 2, 0, 0);
    EXPECT_THAT(pressChain(s), ElementsAre("display.mousePress(1,2,0,0,-1,0) -> 0",
                                           "tool.priorityPress(1,2,0,0,-1,0) -> 0",
                                           "brush.mousePress(1,2,0,0,-1) -> 0",
                                           "tool.mousePress(1,2,0,0,-1,0) -> 0",
                                           "normal.mousePress(1,2,0,0,-1) -> 0",
                                           "selection.mousePress(1,2,0,0,-1,0) -> 0",
                                           "command.mousePress(1,2,0,0,-1,0) -> 1"));
    EXPECT_TRUE(s.scene->pendingMouseClick);
    EXPECT_EQ(s.scene->pendingMouseCommand, -1);
    EXPECT_THAT(s.command->executed, IsEmpty());
    // A priority tool taking the press keeps it from view commands.
    s.bindMouse(leftNoModifier, rotateView);
    brush.results["mousePress"] = true;
    s.log.clear();
    s.scene->mousePress(1, 2, 0, 0);
    EXPECT_THAT(s.log.only({"mousePress"})[2], "command.mousePress(1,2,0,0,9013,1) -> 0");
    EXPECT_THAT(s.command->executed, IsEmpty());
}

TEST(SceneMousePressTest, PressWithTabHeldReachesNoToolAndUsesThePlainBinding)
{
    RecordedScene s;
    s.bindMouse(leftNoModifier, extrude);
    RecordingTool normal(s.log, "normal");
    RecordingTool brush(s.log, "brush", false, true);
    normal.results["mousePress"] = true;
    brush.results["mousePress"] = true;
    s.tool->activeTools.append(&normal);
    s.tool->activeTools.append(&brush);
    s.scene->mousePress(1, 2, 0, ModifierCode::TabHeld);
    EXPECT_THAT(s.log.only({"mousePress"}), ElementsAre("display.mousePress(1,2,0,8,37,0) -> 0",
                                                        "tool.mousePress(1,2,0,8,37,0) -> 0",
                                                        "selection.mousePress(1,2,0,8,37,0) -> 0",
                                                        "command.mousePress(1,2,0,8,37,0) -> 1"));
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(extrude, 1)));
}
