#pragma once
// The application side of the scene: the link to the window, the key and
// mouse binding tables, settings, preferences, files and autosave, and the
// update pass that follows every event and command.
#include <cstdint>
#include <string>

#include "Scene/KeyBindings.h"
#include "Scene/MouseBindings.h"
#include "Scene/SceneManager.h"

class TavoApplicationWindow;

class SceneApplicationManager : public SceneManager {
public:
    // window: the interface every manager reaches the user through (may be
    // null only in tests); startupArgument: what the program was started with.
    SceneApplicationManager(TavoApplicationWindow* window, const std::string& startupArgument);

    void initialize() override;
    // Saves the settings, then the window geometry: size and position only
    // while the window is neither maximized nor minimized.
    void shutdown() override;
    // Checks the autosave interval after every command.
    void commandExecuted(int commandId, int mode) override;

    // --- binding tables ---
    // The command bound to a mouse button code (0-11) with a modifier code;
    // -1 when unbound or the button code is unknown.
    int mouseBinding(int button, int modifiers) const { return mouseBindings.mouseBinding(button, modifiers); }
    // The command of the first key binding with this key and modifier code; -1 if none.
    int keyBinding(int key, int modifiers) const { return keyBindings.keyBinding(key, modifiers); }
    // index: 0 to 57 in the table's fixed order; other indices are ignored.
    void setMouseBinding(int index, int commandId) { mouseBindings.setCommand(index, commandId); }
    void addKeyBinding(int key, int modifiers, int commandId) { keyBindings.add(key, modifiers, commandId); }

    // --- lifecycle ---
    // Construction step: builds the settings registry (nothing until it exists).
    virtual void buildSettingsRegistry() {}
    // Start step: unbinds every mouse entry, then reads the preferences.
    void resetStartupState();
    // Fills bindings and settings from the preferences file (nothing until it exists).
    virtual void readPreferences() {}
    virtual void writePreferences() {}
    // Saves as "Save Scene" does; false when saving failed or was abandoned.
    // Without file saving there is no way to keep the changes, so it fails.
    virtual bool saveScene() { return false; }
    // Autosaves when "Minutes To Autosave" is set and has elapsed (nothing until files exist).
    virtual void autosaveIfDue() {}

    // Runs a command through the window, so that it takes the full command path.
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y);
    // Lets the managers react to scene changes and redraws at most once.
    void updatePass();
    // For long operations that must show progress: notifies the display,
    // redraws and clears every redraw flag now.
    void refreshNow();

    TavoApplicationWindow* window;                  // not owned
    std::string startupArgument;
    MouseBindings mouseBindings;                    // starts unbound
    KeyBindings keyBindings;
    // Window geometry stored at shutdown, for the next start.
    int windowWidth = 0;
    int windowHeight = 0;
    int windowX = 0;
    int windowY = 0;
    bool windowMaximized = false;

private:
    bool anySceneChanged();
    bool anyRedrawRequested();
};
