#pragma once
// The running model of the program and the single entry point of the user
// interface: it creates and wires the six managers, offers every viewport
// event to them in a fixed order, runs commands, draws and shuts down.
// Coordinates are viewport pixels with y measured upwards.
#include <cstdint>
#include <string>

#include "Settings/CommandIds.h"
#include "Mesh/List.h"

class TavoApplicationWindow;
class SceneManager;
class SceneObjectManager;
class SceneToolManager;
class SceneSelectionManager;
class SceneDisplayManager;
class SceneApplicationManager;
class SceneCommandManager;
struct SceneManagers;

class Scene {
public:
    Scene(TavoApplicationWindow* window, const std::string& startupArgument);
    // Takes ownership of six managers built by the caller (subclasses that
    // record what they see, in tests) and wires them like the first constructor.
    Scene(TavoApplicationWindow* window, SceneObjectManager* objects, SceneSelectionManager* selection,
          SceneDisplayManager* display, SceneCommandManager* command, SceneToolManager* tool,
          SceneApplicationManager* application);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    ~Scene();

    // Once, after the window is built.
    void start();

    // button: 0-11 (see the mouse binding table); modifiers: 0-6, or 8 while Tab is held.
    void mousePress(int x, int y, int button, int modifiers);
    void mouseDrag(int x, int y);
    void mouseHover(int x, int y);
    void mouseRelease(int x, int y);
    // button: 5 wheel up, 6 wheel down.
    void wheel(int x, int y, int button, int modifiers);

    // key: the toolkit's key code.
    void keyPress(int key, int modifiers);
    // The first auto-repeat of a held key; called once per hold.
    void keyHold(int key, int modifiers);
    void keyReleaseAfterHold(int key);
    void keyReleaseAfterTap(int key);

    // Return or Enter; Escape; Backspace or Delete.
    void confirm();
    void cancel();
    void deleteSelection();

    // mode: 0 direct, 1 press, 2 hold, 3 release after hold or drag, 4
    // release after tap. Returns the command handler's result.
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y);

    void resize(int width, int height);
    // Paints every viewport; needs the window's GL context to be current.
    void draw();
    // False refuses the close; the program then keeps running unchanged.
    bool close();

    TavoApplicationWindow* window;
    SceneManagers* managers;                      // owned
    SceneObjectManager* objectManager;            // owned
    SceneToolManager* toolManager;                // owned
    SceneSelectionManager* selectionManager;      // owned
    SceneDisplayManager* displayManager;          // owned
    SceneApplicationManager* applicationManager;  // owned
    SceneCommandManager* commandManager;          // owned
    List<SceneManager*> managerList;              // display, command, object, selection, tool, application
    int32_t pressedKeyCommand = CommandId::NoFunction; // command of the last key press; "No Function" when none is pending
    int32_t pressedKey = 0;                            // the key whose press set pressedKeyCommand; 0 none
    int32_t heldKeyCommand = CommandId::NoFunction;    // command started by holding a key; "No Function" when none
    int32_t pendingMouseCommand = CommandId::None; // bound command of a press no manager consumed
    bool pendingMouseClick = false;                // such a press is outstanding
    bool mouseMoved = false;                       // dragged since the last press

private:
    void wire();
    void updatePass();
    // Offers a key to the tools; true when one consumed it.
    bool offerKey(int key, int modifiers, int mode, int commandId);
    // What releasing `key` ends: the pending command when `key` pressed it,
    // otherwise nothing ("No Function").
    int commandOfReleasedKey(int key) const;
    // Forgets the pending command once the key that pressed it is up.
    void endPressedKey(int key);
    int executeAtMouse(int commandId, int mode);

    // Where the last mouse event happened: key commands run there.
    int lastX = 0;
    int lastY = 0;
    // Modifier code of the last key press or hold: releases carry none, and
    // tools are told of a release with the modifiers the key went down with.
    int keyModifiers = 0;
};
