#pragma once
// The OpenGL viewport widget: paints the scene and hands its mouse, wheel and
// key events to an input translator, which turns them into scene calls.
#include <QOpenGLWidget>

#include "QtWindows/qtInputTranslator.h"

class Scene;
class qtBrushCursorOverlay;
struct BrushCursor;

// What the shell needs of the scene: the translated input events, plus
// start-up, sizing, painting and closing. The main window links the real
// scene through it; tests link a recording stand-in.
class SceneLink : public qtInputTranslator::Sink {
public:
    virtual void start() = 0;
    virtual void resize(int width, int height) = 0;
    // Draws every viewport; the GL context is current.
    virtual void draw() = 0;
    // False refuses the close.
    virtual bool close() = 0;
    // Pen pressure of a tablet event, 0 to 1, for the displacement brush.
    virtual void setPenPressure(float /*pressure*/) {}
    // The scene behind the link, for the windows that show or edit its
    // settings and contents; null for stand-ins.
    virtual Scene* scene() { return nullptr; }
    // The displacement brush's circle, which the viewport draws over the
    // scene without redrawing it; null when there is none.
    virtual const BrushCursor* brushCursor() { return nullptr; }
};

class qtTavoGLWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit qtTavoGLWidget(QWidget* parent = nullptr);

    // Events and painting go to scene (not owned) from now on; null stops them.
    void setScene(SceneLink* scene);

    // The size of the drawing area in framebuffer pixels, as the scene sees it.
    int framebufferWidth() const;
    int framebufferHeight() const;

    // Paints now: makes the context current and has the scene draw into the
    // widget's framebuffer before returning; the toolkit then shows that
    // frame without drawing it again. Does nothing while hidden.
    void redrawNow();
    // Scene code run from events and commands may draw or pick with GL: the
    // widget's context is made current first (once the widget has one).
    void makeSceneContextCurrent();

    QSize sizeHint() const override;

    // The brush circle over the scene; it follows the scene's brush cursor
    // after every input event.
    qtBrushCursorOverlay* brushCursorOverlay() const { return brushCursor_; }
    // Shows the scene's brush cursor again if it changed (only the circle
    // repaints); hides it while the mouse is outside the widget.
    void followBrushCursor();

    // The compatibility-profile 2.1 format with depth and stencil that the
    // scene's fixed-function drawing needs. Must be called before the
    // QApplication exists so that every window gets it.
    static void setDefaultSurfaceFormat();
    // Initialises GLUT (for its solids and bitmap text) once, and only on a
    // real display: GLUT cannot open an offscreen one.
    static void initializeGlut(int& argc, char** argv);

signals:
    // After the scene has seen a mouse release.
    void mouseReleased();
    // After the scene has seen any mouse, wheel or key event.
    void inputHandled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Tab is a modifier here, not a focus key.
    bool focusNextPrevChild(bool next) override;

private:
    void drawScene();
    // After every input event: the brush circle follows, then inputHandled.
    void afterInput();

    SceneLink* scene_ = nullptr;
    qtInputTranslator input_;   // its sink is scene_
    qtBrushCursorOverlay* brushCursor_; // a child covering the widget
    bool mouseInside_ = false;          // since the last move or press, until a leave
    bool painting_ = false;     // guards against a redraw asked for while painting
    bool frameReady_ = false;   // redrawNow drew the frame the next paint shows
};
