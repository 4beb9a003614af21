#pragma once
// Set-up shared by the tests that need the toolkit or a GL context: the
// application object, an offscreen framebuffer to draw into and read back,
// and stand-ins for the scene that log every call they get as a line of
// text. Header-only: of the support sources the GL test binary compiles only
// the fixture catalogue.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "QtWindows/qtInputTranslator.h"
#include "QtWindows/qtTavoGLWidget.h"

// What ensureApplication picks when the environment names neither a display
// nor a platform.
enum class WithoutDisplay {
    UseDefault,   // the toolkit's default, which fails without a display
    UseOffscreen, // enough for tests that only send synthetic events
};

// Creates the one QApplication of the test binary, with the viewport's
// surface format as the default, unless a test that ran earlier did.
inline void ensureApplication(WithoutDisplay withoutDisplay = WithoutDisplay::UseDefault)
{
    if (QCoreApplication::instance())
        return;
    if (withoutDisplay == WithoutDisplay::UseOffscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtTavoGLWidget::setDefaultSurfaceFormat();
    static int argc = 1;
    static char name[] = "tavo_gl_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Delivers a synthetic mouse event at the widget point `at` to widget, as the
// toolkit would deliver a real one.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// Delivers a synthetic key event to widget; autoRepeat marks the press or
// release that a held key repeats.
inline void sendKey(QWidget* widget, QEvent::Type type, int key, bool autoRepeat = false,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &event);
}

// A GL context in the default (compatibility) format, current on an
// offscreen surface, drawing into a framebuffer object with a depth buffer.
// Everything is made by open, since none of it can exist before the
// application does.
class OffscreenFramebuffer {
public:
    ~OffscreenFramebuffer() { close(); }

    // Fails the test fatally when no context or framebuffer can be had: call
    // it inside ASSERT_NO_FATAL_FAILURE.
    void open(int width, int height)
    {
        ensureApplication();
        surface_ = std::make_unique<QOffscreenSurface>();
        surface_->setFormat(QSurfaceFormat::defaultFormat());
        surface_->create();
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(QSurfaceFormat::defaultFormat());
        ASSERT_TRUE(context_->create());
        ASSERT_TRUE(context_->makeCurrent(surface_.get()));
        fbo_ = std::make_unique<QOpenGLFramebufferObject>(width, height, QOpenGLFramebufferObject::Depth);
        ASSERT_TRUE(fbo_->bind());
    }

    // Drops the framebuffer while its context is still current, then releases
    // the context. Safe to call twice.
    void close()
    {
        fbo_.reset();
        if (context_)
            context_->doneCurrent();
    }

    // Null until open succeeded in making one.
    const QOpenGLContext* context() const { return context_.get(); }

    // The red, green and blue bytes at framebuffer pixel (x, y), once all
    // drawing so far has finished.
    std::vector<int> pixel(int x, int y) const
    {
        glFinish();
        unsigned char rgba[4] = {0, 0, 0, 0};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

private:
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

// Logs every call of the viewport's input sink as one line: the call's short
// name and its integer arguments ("press 10 70 0 0"); executeCommand logs
// "execute" followed directly by its argument text. Interface is the sink
// or an interface derived from it.
template <class Interface>
class RecordingCalls : public Interface {
public:
    void mousePress(int x, int y, int button, int modifiers) override { log("press", {x, y, button, modifiers}); }
    void mouseDrag(int x, int y) override { log("drag", {x, y}); }
    void mouseHover(int x, int y) override { log("hover", {x, y}); }
    void mouseRelease(int x, int y) override { log("release", {x, y}); }
    void wheel(int x, int y, int button, int modifiers) override { log("wheel", {x, y, button, modifiers}); }
    void keyPress(int key, int modifiers) override { log("keyPress", {key, modifiers}); }
    void keyHold(int key, int modifiers) override { log("keyHold", {key, modifiers}); }
    void keyReleaseAfterHold(int key) override { log("keyReleaseAfterHold", {key}); }
    void keyReleaseAfterTap(int key) override { log("keyReleaseAfterTap", {key}); }
    void confirm() override { log("confirm"); }
    void cancel() override { log("cancel"); }
    void deleteSelection() override { log("deleteSelection"); }
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) override
    {
        log("execute" + argument, {commandId, mode, x, y});
        return 0;
    }

    // Hands over the lines logged so far and starts a new log.
    std::vector<std::string> take()
    {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }

    // How many logged lines begin with prefix.
    int count(const std::string& prefix) const
    {
        int n = 0;
        for (const std::string& c : calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }

    std::vector<std::string> calls; // oldest first

protected:
    // Runs for every call before its line is logged, while the caller's state
    // (such as the current GL context) is still as the call found it.
    virtual void onCall(const std::string&) {}

    void log(const std::string& name, std::initializer_list<int> values = {})
    {
        std::ostringstream line;
        line << name;
        for (int v : values)
            line << ' ' << v;
        onCall(line.str());
        calls.push_back(line.str());
    }
};

// Stands in for the scene behind the translator.
using RecordingSink = RecordingCalls<qtInputTranslator::Sink>;

// Stands in for the scene behind the viewport and the main window: logs the
// scene's own calls too, counts draws, paints the viewport red and closes
// only while allowClose is set.
class RecordingSceneLink : public RecordingCalls<SceneLink> {
public:
    void start() override { log("start"); }
    void resize(int width, int height) override { log("resize", {width, height}); }
    void draw() override
    {
        ++draws;
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    bool close() override
    {
        log("close");
        return allowClose;
    }
    void setPenPressure(float pressure) override { penPressure = pressure; }

    int draws = 0;
    float penPressure = -1; // the last one set; -1 before any
    bool allowClose = true;
};
