// The brush circle over the viewport follows the scene's brush cursor after
// each mouse event, repainting only itself: the scene is not drawn again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "QtWindows/qtBrushCursorOverlay.h"
#include "QtWindows/qtTavoGLWidget.h"
#include "Tools/Paint/BrushCursor.h"
#include "support/GLTestSupport.h"

namespace {
class CursorScene : public RecordingSceneLink {
public:
    const BrushCursor* brushCursor() override { return &cursor; }
    BrushCursor cursor;
};

void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 200)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}
} // namespace

TEST(BrushCursorOverlayGLTest, FollowsTheCursorStampWithoutRedrawingTheScene)
{
    ensureApplication();
    CursorScene scene;
    qtTavoGLWidget view;
    view.resize(200, 100);
    view.setScene(&scene);
    view.show();
    QElapsedTimer timer;
    timer.start();
    while (!(view.isValid() && scene.draws) && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(view.isValid());
    settle();
    qtBrushCursorOverlay* overlay = view.brushCursorOverlay();
    ASSERT_FALSE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), view.rect());

    const int drawsBefore = scene.draws;
    // The tool moved the circle during the hover: bottom-up pixels.
    scene.cursor = {.shown = true, .x = 50, .y = 30, .radius = 12, .label = "Push/Pull", .stamp = 1};
    sendMouse(&view, QEvent::MouseMove, {50, 70}, Qt::NoButton, Qt::NoButton);
    settle();
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->centre(), QPointF(50, 70));
    EXPECT_EQ(overlay->radius(), 12.0);
    const int paints = overlay->paints();
    EXPECT_GT(paints, 0);

    // The same stamp repaints nothing; a new one moves the circle.
    sendMouse(&view, QEvent::MouseMove, {51, 70}, Qt::NoButton, Qt::NoButton);
    settle();
    EXPECT_EQ(overlay->paints(), paints);
    scene.cursor.x = 120;
    scene.cursor.stamp = 2;
    sendMouse(&view, QEvent::MouseMove, {120, 70}, Qt::NoButton, Qt::NoButton);
    settle();
    EXPECT_EQ(overlay->centre(), QPointF(120, 70));
    EXPECT_GT(overlay->paints(), paints);
    EXPECT_EQ(scene.draws, drawsBefore);

    // The tool hides it; leaving the viewport hides it too.
    scene.cursor.shown = false;
    scene.cursor.stamp = 3;
    sendMouse(&view, QEvent::MouseMove, {120, 70}, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(overlay->isVisible());
    scene.cursor.shown = true;
    scene.cursor.stamp = 4;
    sendMouse(&view, QEvent::MouseMove, {120, 70}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(overlay->isVisible());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&view, &leave);
    EXPECT_FALSE(overlay->isVisible());
    view.setScene(nullptr);
}

// On a screen with two framebuffer pixels to a widget pixel the circle
// stands at half the tool's coordinates, flipped against the framebuffer height.
TEST(BrushCursorOverlayGLTest, FramebufferPixelsBecomeWidgetCoordinates)
{
    ensureApplication();
    QWidget viewport;
    viewport.resize(100, 50);
    qtBrushCursorOverlay overlay(&viewport);
    BrushCursor cursor{.shown = true, .x = 40, .y = 20, .radius = 30, .label = "Move", .stamp = 7};
    overlay.follow(&cursor, 100, 2.0);
    EXPECT_EQ(overlay.centre(), QPointF(20, 40));
    EXPECT_EQ(overlay.radius(), 15.0);
}
