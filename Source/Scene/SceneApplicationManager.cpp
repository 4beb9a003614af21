#include "Scene/SceneApplicationManager.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <span>
#include <vector>

#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Mesh/DisplaySettings.h"
#include "Mesh/Material.h"
#include "Mesh/SubdivisionSettings.h"
#include "Settings/BuildRegistry.h"
#include "Settings/KeyBindingOptions.h"
#include "Settings/OptionKeys.h"
#include "Settings/PreferencesFile.h"
#include "Settings/UserFolders.h"

namespace {

// An option tied after the registry is built to a variable that the
// settings cannot see. keepVariable: the variable's own start value is the
// default (the table says "program value"); otherwise the table's default is
// written into the variable.
struct LateBinding {
    AnyOptionKey key;
    OptionBinding variable;
    bool keepVariable;
};

void bindLate(SettingsRegistry& registry, std::span<const LateBinding> bindings)
{
    for (const LateBinding& b : bindings)
        if (OptionItem* o = registry.findOption(b.key.group, b.key.name))
            b.keepVariable ? o->bind(b.variable) : o->bindKeepingValue(b.variable);
}

std::array<float, 3> rgbOf(const float* colour) { return {colour[0], colour[1], colour[2]}; }

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
    applyWindowGeometry();
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

void SceneApplicationManager::applyWindowGeometry()
{
    if (!window)
        return;
    int width = windowWidth;
    int height = windowHeight;
    int x = windowX;
    int y = windowY;
    // A file from a larger or another screen must not put the window out of reach.
    int screenWidth = 0;
    int screenHeight = 0;
    window->screenSize(screenWidth, screenHeight);
    if (screenWidth > 0 && screenHeight > 0) {
        width = std::min(width, screenWidth);
        height = std::min(height, screenHeight);
        x = std::clamp(x, 0, screenWidth - width);
        y = std::clamp(y, 0, screenHeight - height);
    }
    if (width > 0 && height > 0)
        window->resizeWindow(width, height);
    window->moveWindow(x, y);
    if (windowMaximized)
        window->showMaximized();
}

void SceneApplicationManager::commandExecuted(int, int)
{
    autosaveCheck();
}

void SceneApplicationManager::buildSettingsRegistry()
{
    buildRegistry(registry);
    // The mesh model reads plain variables; the window geometry is this
    // manager's, set at close and applied at start.
    MeshDisplaySettings& mesh = meshDisplaySettings();
    SubdivisionSettings& subdivision = subdivisionSettings();
    using namespace Options;
    const LateBinding bindings[] = {
        {MaxSubdivisionLevel, &subdivision.maxLevel, false},
        {PropagateToBase, &subdivision.propagateToBase, true},
        {PropagateToLower, &subdivision.propagateToLower, false},
        {SmoothShadeAtLevel, &mesh.smoothShadeAtSubdLevel, true},
        {NormalsLength, &mesh.normalLength, false},
        {TriangulateQuads, &mesh.tessellateAllQuads, false},
        {WindowX, &windowX, true},
        {WindowY, &windowY, true},
        {WindowWidth, &windowWidth, true},
        {WindowHeight, &windowHeight, true},
        {WindowMaximized, &windowMaximized, true},
    };
    bindLate(registry, bindings);
    // The tool manager draws from its own switch; binding the option to it
    // keeps one value for the toggle, the settings window and the file.
    if (OptionItem* o = registry.findOption(ShowManipulators.group, ShowManipulators.name); o && managers->toolManager)
        o->bind(&managers->toolManager->showManipulators);
    // New objects' material starts as the mesh model's default one.
    const Material material;
    registry.set(DefaultDiffuse, rgbOf(material.diffuse));
    registry.set(DefaultAmbient, rgbOf(material.ambient));
    registry.set(DefaultSpecular, rgbOf(material.specular));
    registry.set(DefaultEmissive, rgbOf(material.emission));
    bindMouseSettings();
    // Every option the program names must exist with its type.
    assert(missingOptionKeys(registry, Options::all).empty());
}

void SceneApplicationManager::bindMouseSettings()
{
    // Bound straight to the table, so that a preferences load fills it.
    OptionGroup* mouse = registry.findGroup(CommandId::MouseSettings);
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

bool SceneApplicationManager::writePreferences()
{
    if (preferencesWritePath.empty())
        return true;
    if (saveAllSettings(preferencesWritePath))
        return true;
    // At close the status bar is about to go: only a notice is seen.
    report("Could not save the preferences file " + preferencesWritePath.string() +
               "; the settings of this session are lost and the previous file is kept.",
           NoticeReport);
    return false;
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
    OptionItem* option = registry.findOption(groupId, optionName);
    const bool* value = option ? option->boolValue() : nullptr;
    return value && option->setBool(!*value);
}

void SceneApplicationManager::showOptionGroup(int groupId)
{
    if (!registry.findGroup(groupId))
        return;
    toolOptionsGroup = groupId;
    toolOptionsVisible = true;
    redrawRequested = true;
    if (window)
        window->showOptions(groupId);
}

void SceneApplicationManager::showCreationProperties(int groupId)
{
    if (!registry.findGroup(groupId))
        return;
    creationPropertiesGroup = groupId;
    creationPropertiesVisible = true;
    redrawRequested = true;
    if (window)
        window->showCreationProperties(groupId);
}

void SceneApplicationManager::showEditor(int commandId)
{
    if (window)
        window->showEditor(commandId);
}

void SceneApplicationManager::showToolProperties()
{
    if (registry.findGroup(toolOptionsGroup))
        showOptionGroup(toolOptionsGroup);
    else if (window)
        window->showOptions(CommandId::None); // the window, empty until a tool fills it
}

void SceneApplicationManager::showCreateProperties()
{
    if (registry.findGroup(creationPropertiesGroup))
        showCreationProperties(creationPropertiesGroup);
    else if (window)
        window->showCreationProperties(CommandId::None);
}

void SceneApplicationManager::showHelp(int commandId)
{
    if (window)
        window->showHelp(commandId);
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
