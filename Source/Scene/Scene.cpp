#include "Scene/Scene.h"

#include "Scene/Commands/CommandTable.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"

Scene::Scene(TavoApplicationWindow* applicationWindow, const std::string& startupArgument)
    : Scene(applicationWindow, new SceneObjectManager, new SceneSelectionManager, new SceneDisplayManager,
            new SceneCommandManager, new SceneToolManager,
            new SceneApplicationManager(applicationWindow, startupArgument))
{
}

Scene::Scene(TavoApplicationWindow* applicationWindow, SceneObjectManager* objects,
             SceneSelectionManager* selection, SceneDisplayManager* display, SceneCommandManager* command,
             SceneToolManager* tool, SceneApplicationManager* application)
    : window(applicationWindow),
      managers(new SceneManagers),
      objectManager(objects),
      toolManager(tool),
      selectionManager(selection),
      displayManager(display),
      applicationManager(application),
      commandManager(command)
{
    wire();
}

void Scene::wire()
{
    managers->objectManager = objectManager;
    managers->toolManager = toolManager;
    managers->selectionManager = selectionManager;
    managers->displayManager = displayManager;
    managers->applicationManager = applicationManager;
    managers->commandManager = commandManager;

    managerList.append(displayManager);
    managerList.append(commandManager);
    managerList.append(objectManager);
    managerList.append(selectionManager);
    managerList.append(toolManager);
    managerList.append(applicationManager);

    for (SceneManager* m : managerList)
        m->attach(managers);
    applicationManager->buildSettingsRegistry();
}

Scene::~Scene()
{
    delete applicationManager;
    delete toolManager;
    delete commandManager;
    delete displayManager;
    delete selectionManager;
    delete objectManager;
    delete managers;
}

void Scene::start()
{
    applicationManager->resetStartupState();
    for (SceneManager* m : managerList)
        m->initialize();
    int width = 0;
    int height = 0;
    if (window)
        window->viewportSize(width, height);
    resize(width, height);
    applicationManager->redrawRequested = true;
    applicationManager->startWith(*this);
}

void Scene::updatePass()
{
    applicationManager->updatePass();
}

void Scene::mousePress(int x, int y, int button, int modifiers)
{
    lastX = x;
    lastY = y;
    int commandId = applicationManager->mouseBinding(button, modifiers);
    pendingMouseClick = false;
    mouseMoved = false;

    // Every manager sees the running value, so a later one can tell that
    // the press was already taken; only the command manager's last call acts on it.
    bool handled = displayManager->mousePress(x, y, button, modifiers, commandId, false);
    handled = toolManager->priorityPress(x, y, button, modifiers, commandId, handled) || handled;
    if (isViewCommand(commandId))
        handled = commandManager->mousePress(x, y, button, modifiers, commandId, handled) || handled;
    handled = toolManager->mousePress(x, y, button, modifiers, commandId, handled) || handled;
    bool selected = selectionManager->mousePress(x, y, button, modifiers, commandId, handled);
    if (!selected && !handled) {
        pendingMouseClick = true;
        pendingMouseCommand = commandId;
    }
    handled = handled || selected;
    commandManager->mousePress(x, y, button, modifiers, commandId, handled);
    updatePass();
}

void Scene::mouseDrag(int x, int y)
{
    lastX = x;
    lastY = y;
    mouseMoved = true;
    displayManager->mouseDrag(x, y) || toolManager->mouseDrag(x, y) || selectionManager->mouseDrag(x, y);
    updatePass();
}

void Scene::mouseHover(int x, int y)
{
    lastX = x;
    lastY = y;
    displayManager->mouseHover(x, y) || toolManager->mouseHover(x, y) || selectionManager->mouseHover(x, y);
    updatePass();
}

void Scene::mouseRelease(int x, int y)
{
    lastX = x;
    lastY = y;
    if (pendingMouseClick && mouseMoved) {
        pendingMouseClick = false;
        if (pendingMouseCommand != CommandId::None)
            executeCommand(pendingMouseCommand, "", SceneManager::ModeReleaseAfterHold, x, y);
    }
    mouseMoved = false;
    displayManager->mouseRelease(x, y) || toolManager->mouseRelease(x, y) || selectionManager->mouseRelease(x, y);
    updatePass();
}

void Scene::wheel(int x, int y, int button, int modifiers)
{
    lastX = x;
    lastY = y;
    int commandId = applicationManager->mouseBinding(button, modifiers);
    commandManager->mousePress(x, y, button, modifiers, commandId, false);
    updatePass();
}

bool Scene::offerKey(int key, int modifiers, int mode, int commandId)
{
    return toolManager->commandKey(key, modifiers, mode, commandId);
}

int Scene::executeAtMouse(int commandId, int mode)
{
    return executeCommand(commandId, "", mode, lastX, lastY);
}

void Scene::keyPress(int key, int modifiers)
{
    keyModifiers = modifiers;
    int commandId = applicationManager->keyBinding(key, modifiers);
    // An unbound key leaves the pending command alone: a stray key pressed
    // while another is down must not rob that key of its release.
    if (offerKey(key, modifiers, SceneManager::ModePress, commandId)) {
        pressedKeyCommand = CommandId::NoFunction;
        pressedKey = key;
    } else if (commandId != CommandId::None) {
        executeAtMouse(commandId, SceneManager::ModePress);
        pressedKeyCommand = commandId;
        pressedKey = key;
    }
    heldKeyCommand = CommandId::NoFunction;
    updatePass();
}

void Scene::keyHold(int key, int modifiers)
{
    keyModifiers = modifiers;
    int commandId = applicationManager->keyBinding(key, modifiers);
    if (offerKey(key, modifiers, SceneManager::ModeHold, commandId)) {
        heldKeyCommand = CommandId::NoFunction;
    } else if (commandId != CommandId::None) {
        executeAtMouse(commandId, SceneManager::ModeHold);
        heldKeyCommand = commandId;
    }
    updatePass();
}

int Scene::commandOfReleasedKey(int key) const
{
    return key == pressedKey ? pressedKeyCommand : CommandId::NoFunction;
}

void Scene::endPressedKey(int key)
{
    if (key != pressedKey)
        return;
    pressedKeyCommand = CommandId::NoFunction;
    pressedKey = 0;
}

void Scene::keyReleaseAfterHold(int key)
{
    int command = commandOfReleasedKey(key);
    if (heldKeyCommand == CommandId::NoFunction) {
        // The hold started nothing, so the key acts as a tap.
        if (!offerKey(key, keyModifiers, SceneManager::ModeReleaseAfterTap, command))
            executeAtMouse(command, SceneManager::ModeReleaseAfterTap);
        endPressedKey(key);
        command = commandOfReleasedKey(key);
    }
    if (!offerKey(key, keyModifiers, SceneManager::ModeReleaseAfterHold, command))
        executeAtMouse(key == pressedKey ? heldKeyCommand : CommandId::NoFunction, SceneManager::ModeReleaseAfterHold);
    endPressedKey(key);
    updatePass();
}

void Scene::keyReleaseAfterTap(int key)
{
    if (!offerKey(key, keyModifiers, SceneManager::ModeReleaseAfterTap, commandOfReleasedKey(key)))
        executeAtMouse(commandOfReleasedKey(key), SceneManager::ModeReleaseAfterTap);
    endPressedKey(key);
    updatePass();
}

void Scene::confirm()
{
    toolManager->confirmKey();
    updatePass();
}

void Scene::cancel()
{
    toolManager->cancelKey();
    updatePass();
}

void Scene::deleteSelection()
{
    if (!toolManager->deleteKey())
        commandManager->deleteKey();
    updatePass();
}

int Scene::executeCommand(int commandId, const std::string& argument, int mode, int x, int y)
{
    int result = commandManager->dispatch(commandId, argument, mode, x, y);
    for (SceneManager* m : managerList)
        m->commandExecuted(commandId, mode);
    updatePass();
    return result;
}

void Scene::resize(int width, int height)
{
    displayManager->resize(width, height);
}

void Scene::draw()
{
    List<SceneManager*> drawers;
    drawers.append(selectionManager);
    drawers.append(toolManager);
    drawers.append(applicationManager);
    displayManager->drawViewports(drawers);
}

bool Scene::close()
{
    if (!applicationManager->confirmDiscard("Save current file before closing?"))
        return false;
    for (SceneManager* m : managerList)
        m->shutdown();
    applicationManager->writePreferences();
    return true;
}
