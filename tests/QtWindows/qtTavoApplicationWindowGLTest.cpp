// The main window and its viewport with a recording stand-in for the scene.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "QtWindows/qtTavoApplicationWindow.h"
#include "QtWindows/qtTavoGLWidget.h"
#include "support/GLTestSupport.h"

namespace {
// Answers every command with 7 and logs only its identifier and mode, so
// that a command is seen to reach the scene and its result to come back.
class RecordingScene : public RecordingSceneLink {
public:
    int executeCommand(int commandId, const std::string&, int mode, int, int) override
    {
        log("execute", {commandId, mode});
        return 7;
    }
};

class MainWindowGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        window_ = std::make_unique<qtTavoApplicationWindow>(
            "startup.tvb", [this](TavoApplicationWindow* w, const std::string& argument) {
                madeFor_ = w;
                argument_ = argument;
                auto scene = std::make_unique<RecordingScene>();
                scene_ = scene.get();
                return scene;
            });
        view_ = window_->glWidget();
    }

    void showAndWait()
    {
        window_->resize(400, 300);
        window_->show();
        QElapsedTimer timer;
        timer.start();
        while (!(scene_->draws && scene_->count("resize")) && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(view_->isValid());
        ASSERT_GT(scene_->draws, 0);
        scene_->calls.clear();
    }

    std::unique_ptr<qtTavoApplicationWindow> window_;
    qtTavoGLWidget* view_ = nullptr;
    RecordingScene* scene_ = nullptr;
    TavoApplicationWindow* madeFor_ = nullptr;
    std::string argument_;
};

TEST_F(MainWindowGLTest, SceneIsMadeForTheWindowAndStartedOnce)
{
    EXPECT_EQ(madeFor_, window_.get());
    EXPECT_EQ(argument_, "startup.tvb");
    EXPECT_EQ(scene_->calls, std::vector<std::string>{"start"});
    EXPECT_EQ(window_->windowTitle(), "Tavo");
    EXPECT_EQ(window_->centralWidget(), view_);
}

TEST_F(MainWindowGLTest, RedrawPaintsAtOnceOnlyWhenShown)
{
    window_->redraw();
    EXPECT_EQ(scene_->draws, 0);
    showAndWait();
    int before = scene_->draws;
    window_->redraw();
    EXPECT_EQ(scene_->draws, before + 1);
    // The paint that shows the frame does not draw it again.
    QApplication::processEvents();
    EXPECT_EQ(scene_->draws, before + 1);
}

TEST_F(MainWindowGLTest, RefusedCloseKeepsTheWindowOpen)
{
    showAndWait();
    scene_->allowClose = false;
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    scene_->allowClose = true;
    EXPECT_TRUE(window_->close());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(scene_->count("close"), 2);
}

// Answers the next modal box with the given button.
void answerNextBox(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(button))
            box->button(button)->click();
    });
}

TEST_F(MainWindowGLTest, AskMapsTheButtons)
{
    showAndWait();
    answerNextBox(QMessageBox::Yes);
    EXPECT_EQ(window_->ask("Save current file before closing?", false), TavoApplicationWindow::Yes);
    answerNextBox(QMessageBox::Cancel);
    EXPECT_EQ(window_->ask("Save current file before closing?", false), TavoApplicationWindow::Cancel);
    answerNextBox(QMessageBox::Ok);
    EXPECT_EQ(window_->ask("Done", true), 1);
}

}
