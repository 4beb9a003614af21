#include "Scene/View/SceneDisplayManager.h"

void SceneDisplayManager::initialize()
{
    applySettings();
}

void SceneDisplayManager::shutdown()
{
    saveSettings();
}

void SceneDisplayManager::resize(int width, int height)
{
    viewportWidth = width;
    viewportHeight = height;
    redrawRequested = true;
}
