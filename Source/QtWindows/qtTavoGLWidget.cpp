#include "QtWindows/qtTavoGLWidget.h"
#include "QtWindows/qtBrushCursorOverlay.h"

#include <GL/glut.h>

#include "Scene/View/ViewportText.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSurfaceFormat>
#include <QTabletEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr QSize preferredSize(600, 350);
constexpr QSize smallestSize(50, 50);

// Camera names and other viewport text, in GLUT's bitmap font at the raster position.
void drawBitmapText(const char* text)
{
    for (const char* c = text; *c; ++c)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, *c);
}
} // namespace

qtTavoGLWidget::qtTavoGLWidget(QWidget* parent) : QOpenGLWidget(parent), brushCursor_(new qtBrushCursorOverlay(this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(smallestSize);
    // A frame drawn by redrawNow must survive until the toolkit shows it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

void qtTavoGLWidget::setScene(SceneLink* scene)
{
    scene_ = scene;
    input_.setSink(scene);
    brushCursor_->follow(nullptr, 0, 1);
}

int qtTavoGLWidget::framebufferWidth() const
{
    return static_cast<int>(std::lround(width() * devicePixelRatioF()));
}

int qtTavoGLWidget::framebufferHeight() const
{
    return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

QSize qtTavoGLWidget::sizeHint() const
{
    return preferredSize;
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
    setViewportTextFunction(drawBitmapText);
}

void qtTavoGLWidget::resizeEvent(QResizeEvent* event)
{
    // Here rather than in resizeGL, which is skipped while the widget has no
    // GL context yet: event positions must flip against the new height anyway.
    input_.setViewportHeight(framebufferHeight(), devicePixelRatioF());
    QOpenGLWidget::resizeEvent(event);
    followBrushCursor();
}

void qtTavoGLWidget::followBrushCursor()
{
    const BrushCursor* cursor = scene_ && mouseInside_ ? scene_->brushCursor() : nullptr;
    brushCursor_->follow(cursor, framebufferHeight(), devicePixelRatioF());
}

void qtTavoGLWidget::afterInput()
{
    followBrushCursor();
    emit inputHandled();
}

void qtTavoGLWidget::leaveEvent(QEvent* event)
{
    // The scene hears of no leave; the circle must not stay at the border.
    mouseInside_ = false;
    followBrushCursor();
    QOpenGLWidget::leaveEvent(event);
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

void qtTavoGLWidget::mousePressEvent(QMouseEvent* event)
{
    mouseInside_ = true;
    makeSceneContextCurrent();
    input_.mousePress(*event);
    afterInput();
}

void qtTavoGLWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    makeSceneContextCurrent();
    input_.mouseDoubleClick(*event);
    afterInput();
}

void qtTavoGLWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Keys go where the mouse is, without a click first.
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    mouseInside_ = true;
    makeSceneContextCurrent();
    input_.mouseMove(*event);
    afterInput();
}

void qtTavoGLWidget::mouseReleaseEvent(QMouseEvent* event)
{
    makeSceneContextCurrent();
    input_.mouseRelease(*event);
    emit mouseReleased();
    afterInput();
}

void qtTavoGLWidget::wheelEvent(QWheelEvent* event)
{
    makeSceneContextCurrent();
    input_.wheel(*event);
    afterInput();
}

void qtTavoGLWidget::keyPressEvent(QKeyEvent* event)
{
    makeSceneContextCurrent();
    input_.keyPress(*event);
    afterInput();
}

void qtTavoGLWidget::keyReleaseEvent(QKeyEvent* event)
{
    makeSceneContextCurrent();
    input_.keyRelease(*event);
    afterInput();
}

void qtTavoGLWidget::tabletEvent(QTabletEvent* event)
{
    if (scene_)
        scene_->setPenPressure(static_cast<float>(event->pressure()));
    // Left unaccepted, so that the toolkit sends the mouse event that does the work.
    event->ignore();
}

bool qtTavoGLWidget::focusNextPrevChild(bool)
{
    return false;
}
