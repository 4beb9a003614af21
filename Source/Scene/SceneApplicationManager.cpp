#include "Scene/SceneApplicationManager.h"

#include "Scene/SceneDisplayManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"

SceneApplicationManager::SceneApplicationManager(TavoApplicationWindow* applicationWindow,
                                                 const std::string& argument)
    : window(applicationWindow), startupArgument(argument)
{
}

void SceneApplicationManager::initialize()
{
    applySettings();
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
    autosaveIfDue();
}

void SceneApplicationManager::resetStartupState()
{
    mouseBindings.clear();
    readPreferences();
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
