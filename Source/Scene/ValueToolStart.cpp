// SKELETON: replaced by the value-tools branch.
#include "Scene/SceneToolManager.h"

void SceneToolManager::startValueTool(int) {}
