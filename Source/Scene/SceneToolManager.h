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

    // --- operations the command dispatch calls ---
    // Offers a command to the active tools (Tool::commandHook) in list
    // order; true when one consumed it, and then the dispatch stops.
    virtual bool offerCommand(int commandId, int mode);
    // "Undo" / "Redo" inside the active tool; true when a tool stepped back
    // (forward) itself, and the undo stack is left alone.
    virtual bool undoInTool();
    virtual bool redoInTool();
    // The remaining operations do nothing until the tools they drive exist.
    // Starts the tool of a command (value, drawing and painting tools, "Orient").
    virtual void activateTool(int /*commandId*/) {}
    // After a tap: the started tool stays on as a regular tool.
    virtual void keepToolActive() {}
    // After a held manipulator key: the manipulator chosen before comes back.
    virtual void restorePreviousManipulator() {}
    // kind: 0 move, 1 scale, 2 rotate, 3 universal, 4 snapping, 5 none.
    virtual void chooseManipulator(int /*kind*/) {}
    // constraint: 0 X, 1 Y, 2 Z, 3 free, 4 XY, 5 YZ, 6 XZ.
    virtual void setConstraint(int /*constraint*/) {}
    virtual void constrainToScreen() {}
    // orientation: 1 world, 2 object, 3 normal; once, now.
    virtual void orientManipulator(int /*orientation*/) {}
    // orientation: 0 standard, 1 world, 2 object, 3 normal, 4 off; from now on.
    virtual void setAutoOrientation(int /*orientation*/) {}
    virtual void toggleManipulatorEditMode() {}
    // The axis of every selected object goes to the manipulator's place
    // and orientation; one undo step.
    virtual void setObjectAxis();
    virtual void orientSelectionToWorld() {}
    virtual void toggleRepositioning() {}
    // The pivot of every selected object goes to the centre of its bounding
    // box; the axis directions and the geometry stay. One undo step.
    virtual void recenterObjectAxis();
    // The brush windows' nudges, ids 100053 to 100059.
    virtual void nudgeBrush(int /*commandId*/) {}

    List<Tool*> activeTools;                   // in event order; not owned
    Tool* rememberedManipulator = nullptr;     // put back when every other tool exits; null until manipulators exist
    bool showManipulators = true;              // "Show Manipulators"; the registry option is bound to it
    Geometry* preHighlight = nullptr;          // last pre-highlighted element, forgotten on release
    Shape* preHighlightObject = nullptr;       // the object that element belongs to
    float penPressure = 1.0f;                  // of the last tablet event, 0 to 1; a mouse presses fully

private:
    bool offerPress(bool firstPass, int x, int y, int button, int modifiers, int commandId, bool handledSoFar);

    bool dragInProgress = false;
};
