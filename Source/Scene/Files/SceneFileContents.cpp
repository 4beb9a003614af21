#include "Scene/Files/SceneFileContents.h"

#include "Formats/AsciiScene.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/SceneDisplayManager.h"

void withSceneContents(Scene& scene, const std::function<void(const SceneContents&)>& use)
{
    SceneContents contents;
    scene.objectManager->lendContents(contents);
    if (scene.displayManager) {
        for (const ReferenceImage& r : scene.displayManager->referenceImageList()) {
            ReferenceImageRecord& image = contents.referenceImages.emplace_back();
            image.view = r.view;
            image.path = r.imagePath;
            std::copy(&r.corners[0][0], &r.corners[0][0] + 12, image.corners);
            std::copy(&r.uv[0][0], &r.uv[0][0] + 8, image.uvs);
        }
    }
    use(contents);
    scene.objectManager->returnContents(contents);
}

void addToScene(Scene& scene, SceneContents& contents)
{
    if (scene.displayManager)
        for (const ReferenceImageRecord& r : contents.referenceImages)
            scene.displayManager->setReferenceImage(r.view, r.path, r.corners, r.uvs);
    scene.objectManager->takeContents(contents);
}

std::string sceneAsAsciiText(Scene& scene, const std::string& folder)
{
    std::string text;
    withSceneContents(scene, [&](const SceneContents& c) { text = writeAsciiSceneToText(c, false, folder); });
    return text;
}
