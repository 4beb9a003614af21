#pragma once
// The OpenGL viewport widget: paints the scene and turns the toolkit's mouse,
// wheel and key events into scene calls with the scene's button, modifier and
// coordinate conventions.
#include <QOpenGLWidget>

#include <set>
#include <string>

// What the shell needs of the scene. The main window links the real scene
// through it; tests link a recording stand-in.
class SceneLink {
public:
    virtual ~SceneLink() = default;
    virtual void start() = 0;
    virtual void mousePress(int x, int y, int button, int modifiers) = 0;
    virtual void mouseDrag(int x, int y) = 0;
    virtual void mouseHover(int x, int y) = 0;
    virtual void mouseRelease(int x, int y) = 0;
    virtual void wheel(int x, int y, int button, int modifiers) = 0;
    virtual void keyPress(int key, int modifiers) = 0;
    virtual void keyHold(int key, int modifiers) = 0;
    virtual void keyReleaseAfterHold(int key) = 0;
    virtual void keyReleaseAfterTap(int key) = 0;
    virtual void confirm() = 0;
    virtual void cancel() = 0;
    virtual void deleteSelection() = 0;
    virtual int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) = 0;
    virtual void resize(int width, int height) = 0;
    // Draws every viewport; the GL context is current.
    virtual void draw() = 0;
    // False refuses the close.
    virtual bool close() = 0;
};

class qtTavoGLWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit qtTavoGLWidget(QWidget* parent = nullptr);

    // Events and painting go to scene (not owned) from now on; null stops them.
    void setScene(SceneLink* scene) { scene_ = scene; }

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

    // The compatibility-profile 2.1 format with depth and stencil that the
    // scene's fixed-function drawing needs. Must be called before the
    // QApplication exists so that every window gets it.
    static void setDefaultSurfaceFormat();
    // Initialises GLUT (for its solids and bitmap text) once, and only on a
    // real display: GLUT cannot open an offscreen one.
    static void initializeGlut(int& argc, char** argv);

    // Scene button code: 0 left, 1 middle, 2 right, 3 and 4 the extra
    // buttons, each plus 7 for a double click; -1 for any other button.
    static int buttonCode(Qt::MouseButton button, bool doubleClick);
    // Scene modifier code: 8 while Tab is held, else Ctrl (Meta counts as
    // Ctrl) 1 + Alt 2 + Shift 4, with all three together counting as none.
    static int modifierCode(Qt::KeyboardModifiers modifiers, bool tabHeld);

protected:
    void resizeGL(int width, int height) override;
    void paintGL() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab is a modifier here, not a focus key.
    bool focusNextPrevChild(bool next) override;

private:
    // Widget position to scene pixels, y measured upwards.
    void scenePoint(const QPointF& p, int& outX, int& outY) const;
    void press(QMouseEvent* event, bool doubleClick);
    void drawScene();
    // Ends the press of a key: after a hold or after a tap.
    void releaseKey(int key);

    SceneLink* scene_ = nullptr;
    bool tabHeld_ = false;
    std::set<int> pressedKeys_; // keys pressed in this widget and not yet released
    std::set<int> heldKeys_;    // pressed keys that auto-repeated since their press
    bool painting_ = false;     // guards against a redraw asked for while painting
    bool frameReady_ = false;   // redrawNow drew the frame the next paint shows
};
