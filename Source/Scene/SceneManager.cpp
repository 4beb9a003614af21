#include "Scene/SceneManager.h"

#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"

void SceneManager::attach(SceneManagers* directory)
{
    managers = directory;
    peers.clear();
    peers.append(directory->applicationManager);
    peers.append(directory->commandManager);
    peers.append(directory->displayManager);
    peers.append(directory->objectManager);
    peers.append(directory->selectionManager);
    peers.append(directory->toolManager);
}
