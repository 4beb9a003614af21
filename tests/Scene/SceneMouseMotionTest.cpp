// Drags, hovers, releases and the wheel.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

constexpr int extrude = 37;
constexpr int wheelUpEntry = 28;
constexpr int wheelDownWithCtrlEntry = 38;

} // namespace

TEST(SceneMouseMotionTest, UnconsumedPressThenDragRunsTheBindingOnPressAndOnRelease)
{
    RecordedScene s;
    s.bindMouse(0, extrude);
    s.scene->mousePress(1, 2, 0, 0);
    s.scene->mouseDrag(5, 6);
    s.scene->mouseRelease(7, 8);
    EXPECT_THAT(s.log.only({"dispatch"}), ElementsAre("command.dispatch(37,1,1,2)", "command.dispatch(37,3,7,8)"));
    EXPECT_FALSE(s.scene->pendingMouseClick);
}

TEST(SceneMouseMotionTest, WithoutADragAConsumedPressOrASecondTimeTheReleaseRunsNothing)
{
    RecordedScene s;
    s.bindMouse(0, extrude);
    s.scene->mousePress(1, 2, 0, 0);
    s.scene->mouseHover(5, 6);
    EXPECT_FALSE(s.scene->mouseMoved) << "a hover is no drag";
    s.scene->mouseRelease(1, 2);
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(extrude, 1)));
    s.scene->mousePress(1, 2, 0, 0);
    s.scene->mouseDrag(5, 6);
    s.scene->mouseRelease(7, 8);
    s.scene->mouseDrag(5, 6);
    s.scene->mouseRelease(7, 8);
    EXPECT_EQ(s.command->executed.size(), 3u) << "a second release";
    s.selection->results["mousePress"] = true;
    s.scene->mousePress(1, 2, 0, 0);
    s.scene->mouseDrag(5, 6);
    s.scene->mouseRelease(7, 8);
    EXPECT_EQ(s.command->executed.size(), 3u) << "a consumed press";
}

TEST(SceneMouseMotionTest, DragAndHoverGoToDisplayToolSelectionUntilOneTakesIt)
{
    struct Event {
        std::string op;
        void (Scene::*send)(int, int);
    };
    for (const Event& e : {Event{"mouseDrag", &Scene::mouseDrag}, Event{"mouseHover", &Scene::mouseHover}}) {
        SCOPED_TRACE(e.op);
        RecordedScene s;
        auto chain = [&] {
            s.log.clear();
            (s.scene.get()->*e.send)(5, 6);
            return s.log.only({e.op});
        };
        auto entry = [&](const char* owner, int result) {
            return std::string(owner) + "." + e.op + "(5,6) -> " + std::to_string(result);
        };
        EXPECT_THAT(chain(), ElementsAre(entry("display", 0), entry("tool", 0), entry("selection", 0)));
        s.tool->results[e.op] = true;
        EXPECT_THAT(chain(), ElementsAre(entry("display", 0), entry("tool", 1)));
        s.display->results[e.op] = true;
        EXPECT_THAT(chain(), ElementsAre(entry("display", 1)));
    }
}

TEST(SceneMouseMotionTest, ReleaseRunsThePendingCommandBeforeTheChain)
{
    RecordedScene s;
    s.bindMouse(0, extrude);
    s.scene->mousePress(1, 2, 0, 0);
    s.scene->mouseDrag(5, 6);
    s.log.clear();
    s.display->results["mouseRelease"] = true;
    s.scene->mouseRelease(7, 8);
    EXPECT_THAT(s.log.only({"dispatch", "mouseRelease"}),
                ElementsAre("command.dispatch(37,3,7,8)", "display.mouseRelease(7,8) -> 1"));
    // The chain stops at the first taker.
    s.display->results.clear();
    s.tool->results["mouseRelease"] = true;
    s.log.clear();
    s.scene->mouseRelease(7, 8);
    EXPECT_THAT(s.log.only({"mouseRelease"}),
                ElementsAre("display.mouseRelease(7,8) -> 0", "tool.mouseRelease(7,8) -> 1"));
}

TEST(SceneMouseMotionTest, WheelRunsItsBindingThroughTheCommandManagerOnly)
{
    RecordedScene s;
    s.bindMouse(wheelUpEntry, 228);
    s.bindMouse(wheelDownWithCtrlEntry, 229);
    s.scene->wheel(4, 5, 5, 0);
    s.scene->wheel(4, 5, 6, 1);
    EXPECT_THAT(s.log.only({"mousePress"}),
                ElementsAre("command.mousePress(4,5,5,0,228,0) -> 1", "command.mousePress(4,5,6,1,229,0) -> 1"));
    EXPECT_THAT(s.command->executed, ElementsAre(Pair(228, 1), Pair(229, 1)));
    EXPECT_EQ(s.log.only({"toolsHook"}).size(), 2u + 2u) << "each wheel event and each command ends with a pass";
}
