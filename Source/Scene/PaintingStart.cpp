// SKELETON: replaced by the painting branch.
#include "Scene/SceneToolManager.h"

void SceneToolManager::startPainting(int) {}
