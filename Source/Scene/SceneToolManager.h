#pragma once
// Keeps the list of active tools and forwards the viewport's events to them:
// each tool in list order until the first one consumes the event. Its flag
// operations consult the tools too, so that a tool asking for a redraw or an
// update is seen by the scene's update pass.
#include <memory>
#include <string>
#include <vector>

#include "Mesh/List.h"
#include "Scene/SceneManager.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/SurfaceSnap.h"
#include "Tools/ToolKinds.h"

class DisplacementTool;
class Geometry;
class Manipulator;
class Shape;
class Tool;
struct ToolSet;
struct ValueToolSet;

class SceneToolManager : public SceneManager {
public:
    // Builds every tool once, before any scene is attached, and starts with
    // the move manipulator active.
    SceneToolManager();
    // Tools forget the scene with the manager that gave it to them.
    ~SceneToolManager() override;
    // Also hands the directory to every tool (Tool::scene).
    void attach(SceneManagers* directory) override;

    // Initializing applies the saved settings; shutting down saves them.
    void initialize() override;
    void shutdown() override;
    // The painting brushes to and from the brush editor's option group.
    void saveSettings() override;
    void applySettings() override;
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
    // Starts the tool of a command (value, drawing and painting tools,
    // "Orient") by the activation protocol; nothing for a command whose
    // tool is not built (the command table says so before it gets here).
    virtual void activateTool(int commandId);
    // "Extrude", "Bevel", ... "Orient", "Split Loop": the tool of the command
    // starts by its own rules (defined with the value tools).
    void startValueTool(int commandId);
    // "Paint Displacement" toggles painting; "Brush Editor" enters it
    // (defined with the painting tool).
    void startPainting(int commandId);
    DisplacementTool& displacementTool() const;
    ValueToolSet& valueTools() const;
    // The activation protocol for `tool`: false, changing nothing, when its
    // `activate` refuses. `initRecord`: push a URinitTool first, so that
    // undo leaves the tool.
    bool startTool(Tool& tool, bool initRecord);
    // After a tap: the started tool stays on as a regular tool.
    virtual void keepToolActive() {}
    // After a held manipulator key: the manipulator chosen before comes back.
    virtual void restorePreviousManipulator();
    virtual void chooseManipulator(ManipulatorKind kind);
    // Drags the current manipulator's handle of the constraint from the
    // next mouse move on, until the key is released.
    virtual void setConstraint(Constraint constraint);
    virtual void constrainToScreen();
    // World, Object or Normal, once, now.
    virtual void orientManipulator(Orientation orientation);
    // After every selection change from now on.
    virtual void setAutoOrientation(Orientation orientation);
    virtual void toggleManipulatorEditMode();
    // The axis of every selected object goes to the manipulator's place
    // and orientation; one undo step.
    virtual void setObjectAxis();
    // Turns the selection about the manipulator centre so that the
    // manipulator axes line up with the world axes; one undo step.
    virtual void orientSelectionToWorld();
    virtual void toggleRepositioning();
    // The pivot of every selected object goes to the centre of its bounding
    // box; the axis directions and the geometry stay. One undo step.
    virtual void recenterObjectAxis();
    // The brush windows' nudges, ids 100053 to 100059.
    virtual void nudgeBrush(int /*commandId*/) {}

    // --- manipulators ---
    // Rebuilds the frame from the selection (not while a drag runs).
    void rebuildFrame();
    // The Tweak gesture on a selection: the current transform manipulator
    // drags in the plane of the screen from the next mouse move on. False
    // when nothing is selected or another tool is active.
    bool beginTweak();
    // The Tweak gesture with nothing selected: the element under (x, y) is
    // selected until the next release, which puts the selection back as it
    // was. False, changing nothing, when nothing is there.
    bool tweakSelect(int x, int y);
    bool isTweakSelection() const { return tweakSelection_.active; }
    // The current transform manipulator (the one of `manipulatorKind`).
    Manipulator& currentManipulator() const;
    // The names of the active tools, in list order.
    std::string activeToolNames() const;

    List<Tool*> activeTools;                   // in event order; not owned
    Tool* rememberedManipulator = nullptr;     // put back when every other tool exits; always a transform manipulator
    ManipulatorFrame frame;                    // the one manipulation target, shared by every manipulator
    ManipulatorKind manipulatorKind = ManipulatorKind::Move;   // the current transform manipulator
    ManipulatorKind previousKind = ManipulatorKind::Move;      // the one before it, for a held manipulator key
    Orientation autoOrientation = Orientation::World;          // applied after every selection change
    bool repositioning = false;                // "Enable Manip Repositioning": a click elsewhere moves the manipulator
    bool repositioned = false;                 // the frame centre was put by such a click
    bool showManipulators = true;              // "Show Manipulators"; the registry option is bound to it
    const Geometry* preHighlight = nullptr;    // the snap target of the drag, highlighted; forgotten on release
    Shape* preHighlightObject = nullptr;       // the object that element belongs to
    float penPressure = 1.0f;                  // of the last tablet event, 0 to 1; a mouse presses fully

private:
    // Steps 2 to 4 of a start: remembers the transform manipulator,
    // deactivates every active tool and leaves `tool` alone in the list.
    void replaceActiveTools(Tool& tool);
    // Grid or component snapping after a tool took a press or a drag.
    // Also finds the element the drag snaps to, for the highlight.
    void snapAfterEvent(Tool& tool, int x, int y);
    // After a drag step in UV space: the islands follow the moved UVs while
    // live unwrapping is on, and the owners' texture coordinates follow.
    void followMovedUVs();
    bool offerPress(bool firstPass, int x, int y, int button, int modifiers, int commandId, bool handledSoFar);

    bool dragInProgress = false;
    // Undoes a tweak selection.
    void endTweakSelection();
    // "Select Viewport Image": with nothing else to manipulate, the frame
    // holds the corners of the display manager's selected image; selecting
    // geometry lets go of the image.
    void attachSelectedImage();
    // The corners back into the image of `view`, after a drag step or an undo.
    void writeImageCorners(int view);
    Point3D imageCorners_[4];
    int attachedImageView_ = -1; // -1: the frame holds no image
    struct TweakSelection {
        bool active = false;
        int mode = 0;
        bool multi = false;
        std::vector<Shape*> selectedObjects; // before the tweak
    } tweakSelection_;
    SurfaceTargets surfaceTargets;   // of the drag in progress, for surface snapping
    bool surfaceTargetsFresh = false; // collected since the last release
    std::unique_ptr<ToolSet> tools_; // every tool, built once
};
