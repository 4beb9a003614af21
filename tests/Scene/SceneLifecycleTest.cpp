// Start-up, drawing and closing of the scene.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char* const closeQuestion = "Save current file before closing?";

} // namespace

TEST(SceneLifecycleTest, StartReadsPreferencesWithTheMouseUnboundThenInitializesInListOrder)
{
    RecordedScene s;
    s.bindMouse(0, 37);
    s.bindMouse(57, 5);
    s.window.viewportWidth = 320;
    s.window.viewportHeight = 200;
    s.log.clear();
    s.scene->start();
    EXPECT_TRUE(s.application->mouseUnboundWhenRead);
    EXPECT_THAT(s.log.only({"readPreferences", "initialize", "resize", "setSoftSelection"}),
                ElementsAre("application.readPreferences()", "display.initialize()", "command.initialize()",
                            "object.initialize()", "selection.initialize()", "selection.setSoftSelection(0)",
                            "tool.initialize()", "application.initialize()", "display.resize(320,200)"));
    EXPECT_EQ(s.display->viewportHeight, 200);
    EXPECT_TRUE(s.application->redrawRequested);
}

TEST(SceneLifecycleTest, DrawHandsTheDisplaySelectionToolAndApplication)
{
    RecordedScene s;
    s.scene->draw();
    ASSERT_EQ(s.display->lastDrawers.count(), 3);
    EXPECT_EQ(s.display->lastDrawers[0], s.selection);
    EXPECT_EQ(s.display->lastDrawers[1], s.tool);
    EXPECT_EQ(s.display->lastDrawers[2], s.application);
}

TEST(SceneLifecycleTest, CloseWithoutChangesAsksNothingAndShutsDownInOrder)
{
    RecordedScene s;
    s.log.clear();
    EXPECT_TRUE(s.scene->close());
    EXPECT_THAT(s.window.questions, IsEmpty());
    EXPECT_THAT(s.log.only({"shutdown", "writePreferences"}),
                ElementsAre("display.shutdown()", "command.shutdown()", "object.shutdown()",
                            "selection.shutdown()", "tool.shutdown()", "application.shutdown()",
                            "application.writePreferences()"));
}

TEST(SceneLifecycleTest, CloseFollowsTheAnswerToTheSaveQuestion)
{
    struct Case {
        const char* what;
        int answer;
        bool saveSucceeds;
        bool closes;
        size_t saves;
    };
    const Case cases[] = {
        {"Cancel keeps running", TavoApplicationWindow::Cancel, true, false, 0},
        {"a dismissed question counts as Cancel", -1, true, false, 0},
        {"No discards", TavoApplicationWindow::No, true, true, 0},
        {"Yes saves first", TavoApplicationWindow::Yes, true, true, 1},
        {"a failed save refuses the close", TavoApplicationWindow::Yes, false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedScene s;
        s.command->unsavedChanges = true;
        s.application->saveSucceeds = c.saveSucceeds;
        s.window.answers = {c.answer};
        s.log.clear();
        EXPECT_EQ(s.scene->close(), c.closes);
        // The window is refreshed before the question.
        ASSERT_GE(s.window.calls.size(), 2u);
        EXPECT_EQ(s.window.calls[0], "redraw");
        EXPECT_EQ(s.window.calls[1], std::string("ask:") + closeQuestion);
        std::vector<std::string> order = s.log.only({"saveScene", "shutdown", "writePreferences"});
        ASSERT_EQ(order.size(), c.saves + (c.closes ? 7u : 0u));
        if (c.saves) {
            EXPECT_EQ(order.front(), "application.saveScene()");
        }
        if (c.closes) {
            EXPECT_EQ(order.back(), "application.writePreferences()");
        }
    }
}

TEST(SceneLifecycleTest, ShutdownStoresWindowGeometryOnlyWhenNormal)
{
    RecordingWindow window;
    window.windowWidth = 1024;
    window.windowHeight = 700;
    window.windowX = 30;
    window.windowY = 40;
    Scene scene(&window, "");
    SceneApplicationManager* app = scene.applicationManager;
    app->shutdown();
    EXPECT_EQ(app->windowHeight, 700);
    EXPECT_EQ(app->windowY, 40);
    EXPECT_FALSE(app->windowMaximized);
    window.maximized = true;
    window.windowWidth = 1920;
    app->shutdown();
    EXPECT_TRUE(app->windowMaximized);
    EXPECT_EQ(app->windowWidth, 1024);
    window.maximized = false;
    window.minimized = true;
    app->shutdown();
    EXPECT_FALSE(app->windowMaximized);
    EXPECT_EQ(app->windowWidth, 1024);
}
