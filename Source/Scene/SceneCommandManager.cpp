#include "Scene/SceneCommandManager.h"

#include "Scene/SceneApplicationManager.h"

int SceneCommandManager::dispatch(int, const std::string&, int, int, int)
{
    return 0;
}

bool SceneCommandManager::mousePress(int x, int y, int, int, int commandId, bool handledSoFar)
{
    if (handledSoFar)
        return false;
    if (commandId != -1)
        managers->applicationManager->executeCommand(commandId, "", ModePress, x, y);
    return true;
}

bool SceneCommandManager::deleteKey()
{
    managers->applicationManager->executeCommand(DeleteCommand, "", ModeDirect, 0, 0);
    return true;
}
