#pragma once
// The application side of the scene: the link to the window, the settings
// registry, the key and mouse binding tables, preferences, files and
// autosave, the messages and window title shown to the user, the global
// display toggles and snapping mode, and the update pass that follows every
// event and command.
#include <cstdint>
#include <filesystem>
#include <string>

#include "Scene/KeyBindings.h"
#include "Scene/MouseBindings.h"
#include "Scene/SceneManager.h"
#include "Settings/SettingsRegistry.h"

class TavoApplicationWindow;

class SceneApplicationManager : public SceneManager {
public:
    // How `report` shows a message.
    enum ReportKind {
        StatusReport = 0, // in the status bar
        NoticeReport = 3, // redraw first, then a modal box with one "OK" button
    };
    // Values of `snappingMode`.
    enum SnappingMode { NoSnapping = 0, GridSnapping = 1, ComponentSnapping = 2, SurfaceSnapping = 3 };

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
    // Construction step: builds the settings registry, with "Show
    // Manipulators" bound to the tool manager's switch and the mouse
    // settings bound to the mouse binding table.
    virtual void buildSettingsRegistry();
    // Start step: unbinds every mouse entry, then reads the preferences.
    void resetStartupState();
    // Reads `preferencesReadPath` into the registry (nothing when it is
    // empty or unreadable) and rebuilds the key bindings from it.
    virtual void readPreferences();
    // Writes the registry, key bindings included, to `preferencesWritePath`;
    // nothing when that is empty.
    virtual void writePreferences();
    // Saves as "Save Scene" does; false when saving failed or was abandoned.
    // Without file saving there is no way to keep the changes, so it fails.
    virtual bool saveScene() { return false; }
    // Autosaves when "Minutes To Autosave" is set and has elapsed (nothing until files exist).
    virtual void autosaveIfDue() {}

    // --- messages ---
    // kind: a ReportKind; any other kind shows in the status bar too.
    void report(const std::string& message, int kind);
    // The scene's file name, followed by "*" while the geometry undo stack
    // holds unsaved changes.
    void updateTitle();
    // Shows the about box.
    void showAbout();

    // --- settings ---
    // Flips a bool option of the registry; false when there is no such option.
    bool toggleSetting(int groupId, const char* optionName);
    // Puts option group `groupId` into the tool-options window and shows
    // it; nothing for an id without a group.
    void showOptionGroup(int groupId);
    // The same for the creation-properties window, which edits the last
    // created object live.
    void showCreationProperties(int groupId);

    // --- operations the command dispatch calls ---
    // Each does nothing until the windows, files and help they need exist.
    // The editor window of a command (numerical, material, settings editors, ...).
    virtual void showEditor(int /*commandId*/) {}
    virtual void showToolProperties() {}
    virtual void showCreateProperties() {}
    // The file commands; argument: the file to use, empty to ask for one.
    // "Save All Settings" and "Load All Settings" work; the scene file
    // commands do nothing until the scene formats exist.
    virtual void fileCommand(int commandId, const std::string& argument);
    // Every manager's settings into the registry, then the registry (key
    // bindings included) to `path`; false when the file cannot be written.
    bool saveAllSettings(const std::filesystem::path& path);
    // The registry from `path`, then every manager's settings from it.
    void loadAllSettings(const std::filesystem::path& path);
    // "Online Manual", "Context Help", "Tutorials".
    virtual void showHelp(int /*commandId*/) {}
    virtual void showContextMenu(int /*x*/, int /*y*/) {}
    // Loads a scene file into the scene, beside what is there; false when it cannot.
    virtual bool loadIntoScene(const std::string& /*path*/) { return false; }

    // Runs a command through the window, so that it takes the full command path.
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y);
    // Lets the managers react to scene changes and redraws at most once.
    void updatePass();
    // For long operations that must show progress: notifies the display,
    // redraws and clears every redraw flag now.
    void refreshNow();

    TavoApplicationWindow* window;                  // not owned
    std::string startupArgument;
    SettingsRegistry registry;                      // every option group; built once at construction
    MouseBindings mouseBindings;                    // starts unbound; bound to the "Mouse Settings" options
    KeyBindings keyBindings;
    std::filesystem::path preferencesReadPath;      // read at start; empty: none
    std::filesystem::path preferencesWritePath;     // written at close; empty: never
    std::string sceneFileName;                      // of the scene in the window; empty until saved or opened
    bool sceneModified = false;                     // set by every recorded geometry change
    int32_t snappingMode = NoSnapping;              // a SnappingMode value
    bool liveUVUnwrapping = false;                  // "Live UV Unwrapping Toggle"
    int toolOptionsGroup = -1;                      // group shown in the tool-options window; -1 none yet
    bool toolOptionsVisible = false;
    int creationPropertiesGroup = -1;               // group shown in the creation-properties window
    bool creationPropertiesVisible = false;
    // Window geometry stored at shutdown, for the next start.
    int windowWidth = 0;
    int windowHeight = 0;
    int windowX = 0;
    int windowY = 0;
    bool windowMaximized = false;

private:
    bool anySceneChanged();
    bool anyRedrawRequested();
    void bindMouseSettings();
    void rebuildKeyBindings();
};
