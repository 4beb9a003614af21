#pragma once
// Keeps the list of active tools and forwards the viewport's events to them:
// each tool in list order until the first one consumes the event. Its flag
// operations consult the tools too, so that a tool asking for a redraw or an
// update is seen by the scene's update pass.
#include "Mesh/List.h"
#include "Scene/SceneManager.h"

class Geometry;
class Shape;
class Tool;

class SceneToolManager : public SceneManager {
public:
    // Tools forget the scene with the manager that gave it to them.
    ~SceneToolManager() override;
    // Also hands the directory to every tool (Tool::scene).
    void attach(SceneManagers* directory) override;

    // Initializing applies the saved settings; shutting down saves them.
    void initialize() override;
    void shutdown() override;
    void clearRedrawRequest() override;
    void clearSceneChanged() override;
    // The normal pass: every active tool except those that take presses first.
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override;
    bool mouseDrag(int x, int y) override;
    bool mouseHover(int x, int y) override;
    bool mouseRelease(int x, int y) override;
    // Return or Enter: `enterKey` until a tool takes it.
    bool confirmKey() override;
    // Escape always exits the current tool; no tool is asked.
    bool cancelKey() override;
    bool deleteKey() override;
    // Transform manipulators are drawn here, above every viewport.
    void drawOverlay() override;
    // Every other tool is drawn in the active viewport with the scene.
    void drawActiveViewport() override;
    // Runs `frameStep` on every active tool; the update pass calls it once.
    void toolsHook() override;
    void commandExecuted(int commandId, int mode) override;
    void drawActiveViewportUnlit() override;
    bool isRedrawRequested() override;
    bool isSceneChanged() override;
    void sceneChangedNotify() override;

    // The early pass of a press for the tools whose `takesPressFirst` is true.
    virtual bool priorityPress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar);
    // A key bound to commandId (or unbound, -1) in phase `mode` (1 to 4);
    // true when a tool consumed it, and then no command runs.
    virtual bool commandKey(int key, int modifiers, int mode, int commandId);
    // The exit protocol: every tool that is not a transform manipulator is
    // deactivated and leaves the list; an empty list gets the remembered
    // transform manipulator back.
    void exitTools();
    // True between a press that a tool consumed and the next release.
    bool isDragInProgress() const { return dragInProgress; }

    List<Tool*> activeTools;                   // in event order; not owned
    Tool* rememberedManipulator = nullptr;     // put back when every other tool exits; null until manipulators exist
    bool showManipulators = true;              // "Show Manipulators"; bound by the settings registry later
    Geometry* preHighlight = nullptr;          // last pre-highlighted element, forgotten on release
    Shape* preHighlightObject = nullptr;       // the object that element belongs to
    float penPressure = 1.0f;                  // of the last tablet event, 0 to 1; a mouse presses fully

private:
    bool offerPress(bool firstPass, int x, int y, int button, int modifiers, int commandId, bool handledSoFar);

    bool dragInProgress = false;
};
