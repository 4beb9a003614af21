#include "Scene/SceneToolManager.h"

#include "Scene/Input/ModifierCodes.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Tools/Tool.h"

// Events are offered to a copy of the list, and only to tools that are still
// active when their turn comes: a tool may exit itself or others mid-way.

namespace {

Camera* cameraAt(const SceneManagers* managers, int x, int y)
{
    return managers && managers->displayManager ? managers->displayManager->cameraAt(x, y) : nullptr;
}

} // namespace

SceneToolManager::~SceneToolManager()
{
    if (managers && Tool::scene == managers)
        Tool::scene = nullptr;
}

void SceneToolManager::attach(SceneManagers* directory)
{
    SceneManager::attach(directory);
    Tool::scene = directory;
}

void SceneToolManager::initialize()
{
    applySettings();
}

void SceneToolManager::shutdown()
{
    saveSettings();
}

void SceneToolManager::clearRedrawRequest()
{
    SceneManager::clearRedrawRequest();
    for (Tool* t : activeTools)
        t->clearRedrawNeeded();
}

void SceneToolManager::clearSceneChanged()
{
    SceneManager::clearSceneChanged();
    for (Tool* t : activeTools)
        t->clearUpdateNeeded();
}

bool SceneToolManager::offerPress(bool firstPass, int x, int y, int button, int modifiers, int commandId,
                                  bool handledSoFar)
{
    if (handledSoFar || modifiers == ModifierCode::TabHeld)
        return false;
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools) {
        if (!activeTools.contains(t) || t->takesPressFirst() != firstPass)
            continue;
        if (t->mousePress(x, y, button, modifiers, commandId, camera)) {
            dragInProgress = true;
            return true;
        }
    }
    return false;
}

bool SceneToolManager::priorityPress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar)
{
    return offerPress(true, x, y, button, modifiers, commandId, handledSoFar);
}

bool SceneToolManager::mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar)
{
    return offerPress(false, x, y, button, modifiers, commandId, handledSoFar);
}

bool SceneToolManager::mouseDrag(int x, int y)
{
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseDrag(x, y, camera))
            return true;
    return false;
}

bool SceneToolManager::mouseHover(int x, int y)
{
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseHover(x, y, camera))
            return true;
    return false;
}

bool SceneToolManager::mouseRelease(int x, int y)
{
    preHighlight = nullptr;
    preHighlightObject = nullptr;
    dragInProgress = false;
    Camera* camera = cameraAt(managers, x, y);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->mouseRelease(x, y, camera))
            return true;
    return false;
}

bool SceneToolManager::confirmKey()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->enterKey())
            return true;
    return false;
}

bool SceneToolManager::cancelKey()
{
    exitTools();
    return true;
}

bool SceneToolManager::deleteKey()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->deleteKey())
            return true;
    return false;
}

bool SceneToolManager::commandKey(int key, int modifiers, int mode, int commandId)
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->commandKey(key, modifiers, mode, commandId))
            return true;
    return false;
}

void SceneToolManager::drawOverlay()
{
    if (!showManipulators)
        return;
    for (Tool* t : activeTools)
        if (t->isTransformManipulator())
            t->draw();
}

void SceneToolManager::drawActiveViewport()
{
    for (Tool* t : activeTools)
        if (!t->isTransformManipulator())
            t->draw();
}

void SceneToolManager::drawActiveViewportUnlit()
{
    for (Tool* t : activeTools)
        t->afterDraw();
}

void SceneToolManager::toolsHook()
{
    for (Tool* t : activeTools)
        t->frameStep();
}

void SceneToolManager::commandExecuted(int commandId, int mode)
{
    if (mode == ModeDirect && dragInProgress)
        mouseRelease(-1, -1);
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t))
            t->commandExecuted(commandId, mode);
}

bool SceneToolManager::isRedrawRequested()
{
    for (Tool* t : activeTools)
        if (t->redrawNeeded)
            return true;
    return redrawRequested;
}

bool SceneToolManager::isSceneChanged()
{
    for (Tool* t : activeTools)
        if (t->updateNeeded)
            return true;
    return sceneChanged;
}

void SceneToolManager::sceneChangedNotify()
{
    for (Tool* t : activeTools)
        t->notify();
}

void SceneToolManager::exitTools()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools) {
        if (t->isTransformManipulator())
            continue;
        t->deactivate();
        activeTools.removeOne(t);
    }
    if (activeTools.empty() && rememberedManipulator)
        activeTools.append(rememberedManipulator);
    redrawRequested = true;
    sceneChanged = true;
    preHighlight = nullptr;
    preHighlightObject = nullptr;
    if (managers && managers->selectionManager)
        managers->selectionManager->refreshDisplay();
}

bool SceneToolManager::offerCommand(int commandId, int mode)
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->commandHook(commandId, mode))
            return true;
    return false;
}

bool SceneToolManager::undoInTool()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->undo())
            return true;
    return false;
}

bool SceneToolManager::redoInTool()
{
    List<Tool*> tools = activeTools;
    for (Tool* t : tools)
        if (activeTools.contains(t) && t->redo())
            return true;
    return false;
}
