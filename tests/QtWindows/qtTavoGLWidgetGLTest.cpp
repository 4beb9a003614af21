// The viewport widget's own share of input handling, driven by synthetic
// events into a recording scene; the translation itself is tested with the
// translator.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QWheelEvent>

#include <functional>
#include <memory>
#include <string>

#include "QtWindows/qtTavoGLWidget.h"
#include "support/GLTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Counts the calls made while `context` was not current.
class RecordingScene : public RecordingSceneLink {
public:
    const QOpenGLContext* context = nullptr;
    int callsWithoutContext = 0;

protected:
    void onCall(const std::string&) override
    {
        if (context && QOpenGLContext::currentContext() != context)
            ++callsWithoutContext;
    }
};

// The viewport beside a text field, so that focus has somewhere else to go.
class qtTavoGLWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        host = std::make_unique<QWidget>();
        view = new qtTavoGLWidget(host.get());
        field = new QLineEdit(host.get());
        view->setGeometry(0, 0, 200, 100);
        field->setGeometry(0, 100, 200, 24);
        host->resize(200, 124);
        view->setScene(&scene);
        host->show();
        QElapsedTimer timer;
        timer.start();
        while (!(view->isValid() && scene.draws) && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(view->isValid());
        scene.context = view->context();
        view->setFocus();
        scene.take();
    }

    void send(QEvent& event) { QCoreApplication::sendEvent(view, &event); }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        sendMouse(view, type, at, button, held, modifiers);
    }
    void key(QEvent::Type type, int k, bool autoRepeat = false, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        sendKey(view, type, k, autoRepeat, modifiers);
    }
    void wheel(QPointF at, int delta)
    {
        QWheelEvent event(at, view->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        send(event);
    }

    RecordingScene scene; // outlives the widgets that call it
    std::unique_ptr<QWidget> host;
    qtTavoGLWidget* view = nullptr; // owned by host
    QLineEdit* field = nullptr;     // owned by host
};

} // namespace

TEST_F(qtTavoGLWidgetTest, AfterAResizeEventsFlipAgainstTheNewHeight)
{
    view->resize(150, 60);
    ASSERT_EQ(view->framebufferHeight(), 60);
    mouse(QEvent::MouseButtonPress, {4, 0}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_THAT(scene.take(), ElementsAre("resize 150 60", "press 4 60 0 0"));
}

TEST_F(qtTavoGLWidgetTest, TheContextIsCurrentForEveryEvent)
{
    const std::function<void()> events[] = {
        [&] { mouse(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton); },
        [&] { mouse(QEvent::MouseButtonPress, {1, 1}, Qt::RightButton, Qt::LeftButton | Qt::RightButton); },
        [&] { mouse(QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::LeftButton); },
        [&] { mouse(QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton); },
        [&] { wheel({2, 2}, -120); },
        [&] { key(QEvent::KeyPress, Qt::Key_E); },
    };
    for (const auto& event : events) {
        view->doneCurrent();
        event();
    }
    EXPECT_EQ(scene.take().size(), std::size(events));
    EXPECT_EQ(scene.callsWithoutContext, 0);
}

// A mouse move takes the focus; Tab then is a modifier, not a focus key, and
// losing the focus releases no key.
TEST_F(qtTavoGLWidgetTest, FocusFollowsTheMouseAndTabStaysAModifier)
{
    field->setFocus();
    mouse(QEvent::MouseMove, {30, 30}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(host->focusWidget(), view);
    scene.take();
    key(QEvent::KeyPress, Qt::Key_Tab);
    EXPECT_EQ(host->focusWidget(), view);
    key(QEvent::KeyPress, Qt::Key_S);
    key(QEvent::KeyPress, Qt::Key_S, true);
    QFocusEvent out(QEvent::FocusOut);
    send(out);
    EXPECT_THAT(scene.take(), ElementsAre("keyPress 83 8", "keyHold 83 8"));
    key(QEvent::KeyRelease, Qt::Key_S);
    key(QEvent::KeyPress, Qt::Key_D);
    EXPECT_THAT(scene.take(), ElementsAre("keyReleaseAfterHold 83", "keyPress 68 8"));
}

TEST_F(qtTavoGLWidgetTest, TabletPressureReachesTheSceneAndTheEventIsLeftForTheMouse)
{
    QPointingDevice pen("pen", 1, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
                        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
    QTabletEvent event(QEvent::TabletPress, &pen, {5, 5}, view->mapToGlobal(QPointF(5, 5)), 0.25, 0, 0, 0, 0, 0,
                       Qt::NoModifier, Qt::LeftButton, Qt::LeftButton);
    send(event);
    EXPECT_FLOAT_EQ(scene.penPressure, 0.25f);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_THAT(scene.take(), IsEmpty());
}
