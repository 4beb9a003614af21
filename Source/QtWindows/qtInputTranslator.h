#pragma once
// Turns the toolkit's mouse, wheel and key events in the viewport into scene
// calls, in the scene's terms: button, modifier and key codes, and pixel
// positions with y measured upwards. Not a widget and not a QObject: the
// viewport widget owns one and hands it its events, and tests drive it with
// synthetic events.
#include <Qt>

#include <string>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class QPointF;
class QWheelEvent;

class qtInputTranslator {
public:
    // Where the translated events go: the scene's entry points.
    class Sink {
    public:
        virtual ~Sink() = default;
        // button: 0-11; modifiers: 0-6, or 8 while Tab is held.
        virtual void mousePress(int x, int y, int button, int modifiers) = 0;
        virtual void mouseDrag(int x, int y) = 0;
        virtual void mouseHover(int x, int y) = 0;
        virtual void mouseRelease(int x, int y) = 0;
        // button: 5 wheel up, 6 wheel down.
        virtual void wheel(int x, int y, int button, int modifiers) = 0;
        virtual void keyPress(int key, int modifiers) = 0;
        virtual void keyHold(int key, int modifiers) = 0;
        virtual void keyReleaseAfterHold(int key) = 0;
        virtual void keyReleaseAfterTap(int key) = 0;
        virtual void confirm() = 0;
        virtual void cancel() = 0;
        virtual void deleteSelection() = 0;
        // The two-button view chords run their command directly.
        virtual int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) = 0;
    };

    // sink: not owned; while null, events only update the state below.
    explicit qtInputTranslator(Sink* sink = nullptr) : sink_(sink) {}
    void setSink(Sink* sink) { sink_ = sink; }

    // height: the viewport's height in scene pixels; pixelRatio: scene pixels
    // per unit of the events' coordinates (the widget's device pixel ratio).
    // Call whenever the widget is resized.
    void setViewportHeight(int height, double pixelRatio = 1.0);

    void mousePress(const QMouseEvent& event);
    void mouseDoubleClick(const QMouseEvent& event);
    void mouseMove(const QMouseEvent& event);
    void mouseRelease(const QMouseEvent& event);
    void wheel(const QWheelEvent& event);
    // Both accept the event, so that keys never reach the menus while the
    // viewport has the focus.
    void keyPress(QKeyEvent& event);
    void keyRelease(QKeyEvent& event);

    bool tabHeld = false; // from a Tab press to its release, or to any mouse release
    bool keyHeld = false; // the key of the current press has started auto-repeating
    int lastX = 0;        // position of the last mouse event, scene pixels,
    int lastY = 0;        // y measured upwards (the bottom row is 1)

private:
    // Records the event position as lastX, lastY.
    void track(const QPointF& position);
    // True for the chords, which run their view command instead of a press.
    bool runChord(Qt::MouseButtons held, int modifiers);
    // The key press that reached the scene and is not yet released.
    struct PressedKey {
        int key;          // the code the scene was given
        quint32 scanCode; // the physical key; 0 when the platform gives none
    };
    // Which of the keys down the event belongs to; -1 for none. The physical
    // key still matches when a modifier released mid-press changes the code.
    int pressedIndex(const QKeyEvent& event) const;

    Sink* sink_;
    int height_ = 0;
    double pixelRatio_ = 1.0;
    // Keys whose press reached the scene, oldest first; the last one is the
    // one that may be held. Each release ends its own key's command.
    std::vector<PressedKey> down_;
};
