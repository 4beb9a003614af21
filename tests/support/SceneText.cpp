#include "support/SceneText.h"

#include "Formats/AsciiScene.h"

std::string sceneAsText(Scene& scene)
{
    return writeAsciiSceneToText(scene, false, "");
}
