#include "Scene/SceneSelectionManager.h"

void SceneSelectionManager::initialize()
{
    setSoftSelection(false);
}
