#pragma once
// Base of the six scene managers. The scene offers every event to its
// managers in a fixed order; a manager consumes an event by returning true,
// and asks for a redraw or reports a scene change through its two flags
// instead of drawing by itself.
#include "Mesh/List.h"
#include "Scene/SceneManagers.h"

class SceneManager {
public:
    // Execution modes passed with every command.
    enum ExecutionMode {
        ModeDirect = 0,           // menu, on-screen button, "Repeat", internal calls
        ModePress = 1,            // key or mouse press
        ModeHold = 2,             // the key started auto-repeating
        ModeReleaseAfterHold = 3, // release after a hold or after a mouse drag
        ModeReleaseAfterTap = 4,
    };

    SceneManager() = default;
    SceneManager(const SceneManager&) = delete;
    SceneManager& operator=(const SceneManager&) = delete;
    // Managers live as long as the program; the destructor is virtual only
    // so that the scene can delete whichever subclass it was given.
    virtual ~SceneManager() = default;

    // Stores the directory and fills `peers` (application, command, display,
    // object, selection, tool). Called once, after all six exist.
    virtual void attach(SceneManagers* directory);

    // --- virtual operations, in slot order ---
    virtual void initialize() {}
    virtual void shutdown() {}
    virtual void saveSettings() {}
    virtual void applySettings() {}
    virtual void clearRedrawRequest() { redrawRequested = false; }
    virtual void clearSceneChanged() { sceneChanged = false; }
    // commandId: the mouse binding of (button, modifiers), -1 when unbound.
    // handledSoFar: whether an earlier manager already consumed the press.
    virtual bool mousePress(int /*x*/, int /*y*/, int /*button*/, int /*modifiers*/, int /*commandId*/,
                            bool /*handledSoFar*/)
    {
        return false;
    }
    virtual bool mouseDrag(int /*x*/, int /*y*/) { return false; }
    virtual bool mouseHover(int /*x*/, int /*y*/) { return false; }
    virtual bool mouseRelease(int /*x*/, int /*y*/) { return false; }
    virtual bool confirmKey() { return false; }
    virtual bool cancelKey() { return false; }
    virtual bool deleteKey() { return false; }
    virtual void drawOverlay() {}
    virtual void drawActiveViewport() {}
    virtual void toolsHook() {}
    virtual void commandExecuted(int /*commandId*/, int /*mode*/) {}
    virtual void drawActiveViewportUnlit() {}
    virtual bool isRedrawRequested() { return redrawRequested; }
    virtual bool isSceneChanged() { return sceneChanged; }
    virtual void sceneChangedNotify() {}

    bool redrawRequested = false;     // cleared after each update pass
    bool sceneChanged = false;        // other managers must react; cleared after they were notified
    SceneManagers* managers = nullptr; // shared directory, owned by the scene
    List<SceneManager*> peers;        // the six managers, filled once by attach
};
