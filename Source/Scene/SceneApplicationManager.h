#pragma once
// The application side of the scene: the link to the window, the settings
// registry, the key and mouse binding tables, preferences, files and
// autosave, the messages and window title shown to the user, the global
// display toggles and snapping mode, and the update pass that follows every
// event and command.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Scene/Input/KeyBindings.h"
#include "Scene/Input/MouseBindings.h"
#include "Scene/Files/RecentFiles.h"
#include "Formats/SceneFileFormats.h"
#include "Formats/SceneFileTypes.h"
#include "Scene/SceneManager.h"
#include "Settings/SettingsRegistry.h"

class Scene;
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

    // Applies the settings and the saved window geometry, and reads the
    // recent files.
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
    // Construction step: builds the settings registry and binds what the
    // settings cannot see: the mesh model's display and subdivision
    // variables, the window geometry below, "Show Manipulators" to the tool
    // manager's switch and the mouse settings to the mouse binding table; the
    // default material's colours start as the mesh model's.
    virtual void buildSettingsRegistry();
    // Start step: unbinds every mouse entry, then reads the preferences.
    void resetStartupState();
    // Reads `preferencesReadPath` into the registry (nothing when it is
    // empty or unreadable) and rebuilds the key bindings from it.
    virtual void readPreferences();
    // Writes the registry, key bindings included, to `preferencesWritePath`;
    // nothing when that is empty. A failed write keeps the old file and is
    // reported; false then.
    virtual bool writePreferences();
    // Start step: binds the file operations to their scene, then opens the
    // start-up argument as a scene file when there is one.
    void startWith(Scene& owner);

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
    // The editor window of a command (numerical, material, settings editors, ...).
    virtual void showEditor(int commandId);
    // The tool-options or creation-properties window with the group it showed last.
    virtual void showToolProperties();
    virtual void showCreateProperties();
    // The file commands (scene files, settings files, recent files, "Exit");
    // argument: the file to use, empty to ask for one.
    virtual void fileCommand(int commandId, const std::string& argument);
    // Every manager's settings into the registry, then the registry (key
    // bindings included) to `path`; false when the file cannot be written.
    bool saveAllSettings(const std::filesystem::path& path);
    // The registry from `path`, then every manager's settings from it.
    void loadAllSettings(const std::filesystem::path& path);
    // "Online Manual", "Context Help", "Tutorials".
    virtual void showHelp(int commandId);
    virtual void showContextMenu(int /*x*/, int /*y*/) {}

    // --- scene files (each true when the scene may go on as the user wanted) ---
    // Before the scene is replaced: true when nothing is unsaved; otherwise
    // asks `question` (Yes, No, Cancel): No discards, Yes saves as "Save
    // Scene" and answers whether that worked, anything else refuses.
    bool confirmDiscard(const std::string& question = "Save current file?");
    // "Save Scene": to `currentFile`; through `saveSceneAs` when there is
    // none yet or the write fails.
    virtual bool saveScene() { return saveSceneFromCommand({}); }
    // "Save Scene" where `dialogAnswer`, when not empty, stands in for the
    // dialog a new scene would show (tavo-batch's argument).
    bool saveSceneFromCommand(const std::string& dialogAnswer);
    // The general save. title: the dialog's; exportMode: "Export Scene...",
    // which marks the scene saved but keeps `currentFile` and the recent
    // files; selectedOnly: only the selected objects, with no follow-up at
    // all. path: the file; empty asks for one. A name without an extension
    // is given ".tvb".
    bool saveSceneAs(const std::string& title, bool exportMode, bool selectedOnly, const std::string& path = {});
    // "Save Selected Objects": refuses without a selected object.
    bool saveSelectedObjects(const std::string& path);
    // "Save Incremental": a numbered copy beside `currentFile` (IncrementalSave.h).
    bool saveIncremental();
    // "New Scene": after confirmDiscard, empties the scene (see clearScene)
    // and forgets its file.
    bool newScene();
    // "Open Scene": path empty asks for one. The file is read whole before
    // the scene is emptied, so a file that cannot be read changes nothing.
    bool openScene(const std::string& path);
    // "Load Into Scene" and custom primitives: adds the file's objects to
    // the scene, neither asking nor emptying it; path empty asks for one.
    virtual bool loadIntoScene(const std::string& path);
    // After every command: autosaves when "Minutes To Autosave" (group 113)
    // is not 0 and more than that many minutes passed since the last one.
    // The ten newest autosaves are kept as "save0.tvb" (newest) to
    // "save9.tvb" in `autosaveFolder`. Virtual so that tests may only count calls.
    virtual void autosaveCheck();
    // "Revert To Autosaved": opens "save0.tvb" of the autosave folder.
    void revertToAutosaved();
    // "Autosaves/" of the data folder.
    std::filesystem::path autosaveFolder() const { return dataFolder / "Autosaves"; }
    // Empties the scene to its start-up state: tools, objects, materials,
    // groups, UV space, both undo stacks, the repeatable command and the
    // selection; the file name is kept.
    void clearScene();
    // The recent files list changed: written to `recentFilesPath` and shown.
    void recentFilesChanged();
    // Opens recent file `index` (0 newest) as "Open Scene" does.
    void openRecentFile(int index);
    // "Save All Settings" (237) and "Load All Settings" (238).
    void settingsFileCommand(int commandId, const std::string& argument);
    // "Save Screenshot": the window's picture of the viewports to an image file.
    void saveScreenshot(const std::string& path);

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
    Scene* scene = nullptr;                         // what the file formats read into and write; set at start
    // The scene's file: absolute, empty for a new scene; changes only on a
    // scene save, an open and "New Scene".
    std::string currentFile;
    std::filesystem::path dataFolder;               // the user's data folder; holds "Autosaves/"
    // Seconds of `clock` at the last autosave, or at construction.
    int64_t lastAutosaveTime = 0;
    // Seconds since the epoch; replaceable so that tests can move time on.
    std::function<int64_t()> clock;
    // Read and written by extension; the native formats by default.
    std::vector<SceneFormat> sceneFormats;
    RecentFiles recentFiles;
    std::filesystem::path recentFilesPath;          // read at initialize, written on change; empty: kept in memory only
    bool sceneModified = false;                     // set by every recorded geometry change
    int32_t snappingMode = NoSnapping;              // a SnappingMode value
    bool liveUVUnwrapping = false;                  // "Live UV Unwrapping Toggle"
    int toolOptionsGroup = -1;                      // group shown in the tool-options window; -1 none yet
    bool toolOptionsVisible = false;
    int creationPropertiesGroup = -1;               // group shown in the creation-properties window
    bool creationPropertiesVisible = false;
    // Window geometry, bound to the "Window Options" group: stored at
    // shutdown, saved with the preferences and applied at the next start.
    int windowWidth = 1024;
    int windowHeight = 768;
    int windowX = 100;
    int windowY = 100;
    bool windowMaximized = false;

private:
    bool anySceneChanged();
    // The format of a path's extension; null, with a message naming
    // `action` ("open", "save"), when there is none.
    const SceneFormat* formatFor(const std::string& path, const char* action);
    // Writes through a temporary file, with progress; false leaves any old file intact.
    bool writeSceneFile(const std::string& path, const SceneFormat& format, bool selectedOnly);
    // Reads the file aside and, when that succeeds, puts its contents in
    // the scene (emptied first with `replace`) and reports `loaded`; false
    // changes nothing.
    bool readSceneFile(const std::string& path, const SceneFormat& format, bool replace, const char* loaded);
    // formatFor, and then whether the file looks like one of its kind; null,
    // with a message, when not.
    const SceneFormat* formatToRead(const std::string& path);
    // The file to read from the argument or a dialog titled `title`, made
    // absolute and checked by formatToRead; announces the load. Null when
    // there is nothing to read.
    const SceneFormat* sceneToRead(const std::string& argument, const std::string& title, std::string& outPath);
    // The path from the argument, or from a dialog when it is empty.
    std::string chosenFile(const std::string& argument, bool save, const std::string& title,
                           const std::vector<FileType>& types);
    bool anyRedrawRequested();
    void bindMouseSettings();
    // Resizes, moves and maximizes the window as saved, kept on the screen.
    void applyWindowGeometry();
    void rebuildKeyBindings();
};
