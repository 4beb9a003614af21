#include "qtTavoGLWidget.h"

#include <GL/glut.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
struct ButtonCode {
    Qt::MouseButton button;
    int code;
};
constexpr ButtonCode ButtonCodes[] = {
    {Qt::LeftButton, 0}, {Qt::MiddleButton, 1}, {Qt::RightButton, 2}, {Qt::XButton1, 3}, {Qt::XButton2, 4},
};
constexpr int DoubleClickOffset = 7;
constexpr int WheelUp = 5;
constexpr int WheelDown = 6;
constexpr int TabHeldCode = 8;

// Keys that only modify others and never reach the scene on their own.
constexpr int ModifierKeys[] = {Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta};
constexpr int TabKeys[] = {Qt::Key_Tab, Qt::Key_Backtab};

// Keys with scene operations of their own instead of bindings.
struct OwnKey {
    int key;
    void (SceneLink::*operation)();
};
constexpr OwnKey OwnKeys[] = {
    {Qt::Key_Return, &SceneLink::confirm},       {Qt::Key_Enter, &SceneLink::confirm},
    {Qt::Key_Escape, &SceneLink::cancel},        {Qt::Key_Backspace, &SceneLink::deleteSelection},
    {Qt::Key_Delete, &SceneLink::deleteSelection},
};

template <class Table>
bool listed(const Table& table, int key)
{
    return std::find(std::begin(table), std::end(table), key) != std::end(table);
}

const OwnKey* ownKey(int key)
{
    for (const OwnKey& k : OwnKeys)
        if (k.key == key)
            return &k;
    return nullptr;
}
}

qtTavoGLWidget::qtTavoGLWidget(QWidget* parent) : QOpenGLWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A frame drawn by redrawNow must survive until the toolkit shows it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

int qtTavoGLWidget::framebufferWidth() const
{
    return static_cast<int>(std::lround(width() * devicePixelRatioF()));
}

int qtTavoGLWidget::framebufferHeight() const
{
    return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

void qtTavoGLWidget::redrawNow()
{
    // The toolkit may hold a repaint back until the display is ready for the
    // next frame, so the scene draws here, at once, and the paint that
    // follows only shows it.
    if (painting_ || !isVisible() || !isValid())
        return;
    makeCurrent();
    glViewport(0, 0, framebufferWidth(), framebufferHeight());
    drawScene();
    frameReady_ = true;
    update();
}

void qtTavoGLWidget::makeSceneContextCurrent()
{
    if (isValid())
        makeCurrent();
}

void qtTavoGLWidget::drawScene()
{
    painting_ = true;
    if (scene_) {
        scene_->draw();
    } else {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    painting_ = false;
}

void qtTavoGLWidget::setDefaultSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);
}

void qtTavoGLWidget::initializeGlut(int& argc, char** argv)
{
    static bool initialized = false;
    if (initialized || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    glutInit(&argc, argv);
    initialized = true;
}

int qtTavoGLWidget::buttonCode(Qt::MouseButton button, bool doubleClick)
{
    for (const ButtonCode& b : ButtonCodes)
        if (b.button == button)
            return doubleClick ? b.code + DoubleClickOffset : b.code;
    return -1;
}

int qtTavoGLWidget::modifierCode(Qt::KeyboardModifiers modifiers, bool tabHeld)
{
    if (tabHeld)
        return TabHeldCode;
    int code = 0;
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
        code |= 1;
    if (modifiers & Qt::AltModifier)
        code |= 2;
    if (modifiers & Qt::ShiftModifier)
        code |= 4;
    return code == 7 ? 0 : code;
}

void qtTavoGLWidget::resizeGL(int, int)
{
    frameReady_ = false;
    if (scene_)
        scene_->resize(framebufferWidth(), framebufferHeight());
}

void qtTavoGLWidget::paintGL()
{
    if (frameReady_) {
        frameReady_ = false;
        return;
    }
    drawScene();
}

void qtTavoGLWidget::scenePoint(const QPointF& p, int& outX, int& outY) const
{
    double ratio = devicePixelRatioF();
    outX = static_cast<int>(std::lround(p.x() * ratio));
    outY = framebufferHeight() - static_cast<int>(std::lround(p.y() * ratio));
}

void qtTavoGLWidget::press(QMouseEvent* event, bool doubleClick)
{
    int button = buttonCode(event->button(), doubleClick);
    if (!scene_ || button < 0)
        return;
    int x, y;
    scenePoint(event->position(), x, y);
    makeSceneContextCurrent();
    scene_->mousePress(x, y, button, modifierCode(event->modifiers(), tabHeld_));
}

void qtTavoGLWidget::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    press(event, false);
}

void qtTavoGLWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    press(event, true);
}

void qtTavoGLWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!scene_)
        return;
    int x, y;
    scenePoint(event->position(), x, y);
    makeSceneContextCurrent();
    if (event->buttons() & (Qt::LeftButton | Qt::MiddleButton | Qt::RightButton))
        scene_->mouseDrag(x, y);
    else
        scene_->mouseHover(x, y);
}

void qtTavoGLWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!scene_ || buttonCode(event->button(), false) < 0)
        return;
    int x, y;
    scenePoint(event->position(), x, y);
    makeSceneContextCurrent();
    scene_->mouseRelease(x, y);
}

void qtTavoGLWidget::wheelEvent(QWheelEvent* event)
{
    int delta = event->angleDelta().y();
    if (!scene_ || delta == 0)
        return;
    int x, y;
    scenePoint(event->position(), x, y);
    makeSceneContextCurrent();
    scene_->wheel(x, y, delta > 0 ? WheelUp : WheelDown, modifierCode(event->modifiers(), tabHeld_));
}

void qtTavoGLWidget::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    if (listed(TabKeys, key)) {
        tabHeld_ = true;
        return;
    }
    if (!scene_ || listed(ModifierKeys, key) || key == 0 || key == Qt::Key_unknown)
        return;
    makeSceneContextCurrent();
    if (const OwnKey* own = ownKey(key)) {
        if (!event->isAutoRepeat())
            (scene_->*own->operation)();
        return;
    }
    int modifiers = modifierCode(event->modifiers(), tabHeld_);
    if (event->isAutoRepeat()) {
        // Only the first repeat tells the scene that the key is being held.
        if (heldKeys_.insert(key).second)
            scene_->keyHold(key, modifiers);
        return;
    }
    pressedKeys_.insert(key);
    heldKeys_.erase(key);
    scene_->keyPress(key, modifiers);
}

void qtTavoGLWidget::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    if (event->isAutoRepeat())
        return;
    if (listed(TabKeys, key)) {
        tabHeld_ = false;
        return;
    }
    if (!scene_ || pressedKeys_.erase(key) == 0)
        return;
    releaseKey(key);
}

void qtTavoGLWidget::releaseKey(int key)
{
    makeSceneContextCurrent();
    if (heldKeys_.erase(key))
        scene_->keyReleaseAfterHold(key);
    else
        scene_->keyReleaseAfterTap(key);
}

void qtTavoGLWidget::focusOutEvent(QFocusEvent* event)
{
    // The releases of keys still down go elsewhere: finish their presses now
    // so that no temporary tool stays on.
    tabHeld_ = false;
    std::set<int> pressed;
    pressed.swap(pressedKeys_);
    if (scene_)
        for (int key : pressed)
            releaseKey(key);
    heldKeys_.clear();
    QOpenGLWidget::focusOutEvent(event);
}

bool qtTavoGLWidget::focusNextPrevChild(bool)
{
    return false;
}
