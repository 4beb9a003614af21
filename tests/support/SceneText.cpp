#include "support/SceneText.h"

#include "Scene/Files/SceneFileContents.h"

std::string sceneAsText(Scene& scene)
{
    return sceneAsAsciiText(scene);
}
