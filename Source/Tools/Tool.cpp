#include "Tools/Tool.h"

#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"

SceneManagers* Tool::scene = nullptr;

bool Tool::mousePress(int, int, int, int, int, Camera*)
{
    return false;
}

bool Tool::mouseDrag(int, int, Camera*)
{
    return false;
}

bool Tool::mouseHover(int, int, Camera*)
{
    return false;
}

bool Tool::mouseRelease(int, int, Camera*)
{
    return false;
}

bool Tool::commandKey(int, int, int, int)
{
    return false;
}

bool Tool::enterKey()
{
    if (scene && scene->toolManager)
        scene->toolManager->exitTools();
    return false;
}
