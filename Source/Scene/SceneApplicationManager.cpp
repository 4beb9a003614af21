#include "Scene/SceneApplicationManager.h"

#include <chrono>
#include <vector>

#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Settings/BuildRegistry.h"
#include "Settings/KeyBindingOptions.h"
#include "Settings/PreferencesFile.h"
#include "Settings/UserFolders.h"

namespace {

// Groups the application manager ties to state of the scene's own.
constexpr int displayGroup = CommandId::Display;
constexpr int mouseSettingsGroup = CommandId::MouseSettings;

constexpr const char* aboutText = "Tavo, a modeller for polygon meshes and subdivision surfaces.";
constexpr const char* programName = "Tavo";

int64_t systemSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

SceneApplicationManager::SceneApplicationManager(TavoApplicationWindow* applicationWindow,
                                                 const std::string& argument)
    : window(applicationWindow),
      startupArgument(argument),
      dataFolder(userFolders(folderEnvironmentOfProcess()).data),
      clock(systemSeconds),
      sceneFormats(nativeSceneFormats())
{
    lastAutosaveTime = clock();
}

void SceneApplicationManager::initialize()
{
    applySettings();
    if (!recentFilesPath.empty())
        recentFiles.load(recentFilesPath);
    if (window)
        window->showRecentFiles(recentFiles.paths());
}

void SceneApplicationManager::shutdown()
{
    saveSettings();
    if (!window)
        return;
    windowMaximized = window->isMaximized();
    if (!windowMaximized && !window->isMinimized()) {
        window->windowSize(windowWidth, windowHeight);
        window->windowPosition(windowX, windowY);
    }
}

void SceneApplicationManager::commandExecuted(int, int)
{
    autosaveCheck();
}

void SceneApplicationManager::buildSettingsRegistry()
{
    buildRegistry(registry);
    // The tool manager draws from its own switch; binding the option to it
    // keeps one value for the toggle, the settings window and the file.
    if (OptionItem* o = registry.findOption(displayGroup, "Show Manipulators"); o && managers->toolManager)
        o->bind(&managers->toolManager->showManipulators);
    bindMouseSettings();
}

void SceneApplicationManager::bindMouseSettings()
{
    // Bound straight to the table, so that a preferences load fills it.
    OptionGroup* mouse = registry.findGroup(mouseSettingsGroup);
    if (!mouse)
        return;
    for (int i = 0; i < mouse->optionCount(); ++i) {
        OptionItem& o = mouse->option(i);
        int entry = MouseBindings::indexOf(o.name());
        if (entry >= 0)
            o.bind(&mouseBindings.data()[entry]);
    }
}

void SceneApplicationManager::resetStartupState()
{
    mouseBindings.clear();
    readPreferences();
}

void SceneApplicationManager::readPreferences()
{
    if (preferencesReadPath.empty())
        return;
    loadPreferences(preferencesReadPath, registry);
    rebuildKeyBindings();
}

void SceneApplicationManager::rebuildKeyBindings()
{
    const OptionGroup* keys = registry.findGroup(KeyboardSettingsGroupId);
    // A file without key bindings leaves the table as it was.
    if (!keys || keys->optionCount() == 0)
        return;
    keyBindings.clear();
    for (const KeyBindingTriple& b : keyBindingsFromGroup(*keys, commandIdByName))
        keyBindings.add(b.key, b.modifiers, b.command);
}

void SceneApplicationManager::writePreferences()
{
    if (preferencesWritePath.empty())
        return;
    saveAllSettings(preferencesWritePath);
}

void SceneApplicationManager::report(const std::string& message, int kind)
{
    if (kind == NoticeReport) {
        redrawRequested = true;
        if (window)
            window->ask(message, true);
        return;
    }
    if (window)
        window->showStatus(message);
}

void SceneApplicationManager::updateTitle()
{
    if (!window)
        return;
    bool unsaved = managers && managers->commandManager && managers->commandManager->hasUnsavedChanges();
    // A new scene has no file name to show, so the program's name stands in.
    std::string name = currentFile.empty() ? programName : currentFile;
    window->setTitle(unsaved ? name + "*" : name);
}

void SceneApplicationManager::showAbout()
{
    report(aboutText, NoticeReport);
}

bool SceneApplicationManager::toggleSetting(int groupId, const char* optionName)
{
    const bool* value = registry.boolValue(groupId, optionName);
    return value && registry.setBool(groupId, optionName, !*value);
}

void SceneApplicationManager::showOptionGroup(int groupId)
{
    if (!registry.findGroup(groupId))
        return;
    toolOptionsGroup = groupId;
    toolOptionsVisible = true;
    redrawRequested = true;
}

void SceneApplicationManager::showCreationProperties(int groupId)
{
    if (!registry.findGroup(groupId))
        return;
    creationPropertiesGroup = groupId;
    creationPropertiesVisible = true;
    redrawRequested = true;
}

int SceneApplicationManager::executeCommand(int commandId, const std::string& argument, int mode, int x, int y)
{
    return window ? window->executeCommand(commandId, argument, mode, x, y) : 0;
}

void SceneApplicationManager::updatePass()
{
    managers->toolManager->toolsHook();

    bool changed = anySceneChanged();
    if (changed) {
        // The display's rebuild is skipped during a tool drag so that the drag stays interactive.
        bool dragging = managers->toolManager->isDragInProgress();
        SceneManager* display = managers->displayManager;
        for (SceneManager* p : peers) {
            if (!(dragging && p == display))
                p->sceneChangedNotify();
            p->clearSceneChanged();
        }
    }
    if (changed || anyRedrawRequested()) {
        if (window)
            window->redraw();
        for (SceneManager* p : peers)
            p->clearRedrawRequest();
    }
    for (SceneManager* p : peers)
        p->clearRedrawRequest();
}

bool SceneApplicationManager::anySceneChanged()
{
    for (SceneManager* p : peers)
        if (p->isSceneChanged())
            return true;
    return false;
}

bool SceneApplicationManager::anyRedrawRequested()
{
    for (SceneManager* p : peers)
        if (p->isRedrawRequested())
            return true;
    return false;
}

void SceneApplicationManager::refreshNow()
{
    managers->displayManager->sceneChangedNotify();
    if (window)
        window->redraw();
    for (SceneManager* p : peers)
        p->clearRedrawRequest();
}
