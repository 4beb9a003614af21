#pragma once
// Base of every interactive tool. While a tool is in the tool manager's
// active list it is offered the viewport's mouse, key and draw events; a
// tool consumes an event by returning true. Coordinates are viewport pixels
// with the origin at the bottom-left (y grows upward).
#include "Mesh/List.h"
#include "Mesh/Point3D.h"

class Camera;
class ManipulatorFrame;
class Vertex;
struct SceneManagers;

class Tool {
public:
    // Leaves the shared scene pointer alone: the tool manager builds every
    // tool before it is attached, and a tool built later must not detach
    // the others.
    Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;
    virtual ~Tool() = default;

    // --- virtual operations, in slot order ---
    // button: 0 left ... 4 second extra; modifiers: the scene's modifier
    // code; action: the command bound to the press; camera: the camera of
    // the viewport under the mouse (may be null).
    virtual bool mousePress(int x, int y, int button, int modifiers, int action, Camera* camera);
    virtual bool mouseDrag(int x, int y, Camera* camera);
    virtual bool mouseHover(int x, int y, Camera* camera);
    virtual bool mouseRelease(int x, int y, Camera* camera);
    // phase: 1 press, 2 hold, 3 release after hold, 4 release after tap.
    virtual bool commandKey(int key, int modifiers, int phase, int commandId);
    virtual bool deleteKey() { return false; }
    // Exits the current tool and reports the key as not handled.
    virtual bool enterKey();
    // True when the tool undid (redid) its own last step; the undo stack is then left alone.
    virtual bool undo() { return false; }
    virtual bool redo() { return false; }
    virtual bool commandHook(int /*first*/, int /*second*/) { return false; }
    virtual void commandExecuted(int /*commandId*/, int /*phase*/) {}
    virtual bool limitsViewRefresh() { return false; }
    virtual bool takesPressFirst() { return false; }
    virtual bool allowsSelectionChange() { return true; }
    virtual bool allowsSelectionClick() { return true; }
    virtual bool usesPointSnapping() { return false; }
    virtual bool snapsToSurface() { return false; }
    virtual bool showsSurfaceSnapTargets() { return false; }
    virtual bool showsComponentSnapTargets() { return false; }
    virtual void frameStep() {}
    virtual void draw() {}
    virtual void afterDraw() {}
    virtual void beginTweak() {}
    virtual void setActiveHandle(int /*handle*/) {}
    virtual void targetChanged() {}
    virtual bool hasHotHandle() { return false; }
    virtual void clearRedrawNeeded() { redrawNeeded = false; }
    virtual void clearUpdateNeeded() { updateNeeded = false; }
    virtual bool isTransformManipulator() { return false; }
    // The zero vector leaves grid and component snapping unconstrained.
    virtual Point3D snapConstraintAxis() { return Point3D(0, 0, 0); }
    // Fills outPoints with the points surface snapping must move.
    virtual bool snapPoints(List<Vertex*>& /*outPoints*/) { return false; }
    virtual void notify() {}
    // False refuses the start; the tool has then told the user why.
    virtual bool activate() { return true; }
    virtual void deactivate() {}

    ManipulatorFrame* frame = nullptr; // shared manipulation target, not owned; null for tools without one
    bool redrawNeeded = false;         // the viewports must be redrawn
    bool updateNeeded = false;         // scene panels or the selection display must be refreshed too

    // The managers of the one scene, shared by every tool; set when the tool
    // manager is attached and cleared only when that manager goes.
    static SceneManagers* scene;
};
