#include "Scene/SceneObjectManager.h"

#include "Formats/SceneContents.h"
#include "Mesh/Material.h"
#include "Mesh/Shape.h"

SceneObjectManager::~SceneObjectManager()
{
    clearObjects();
    objects.freeStorage();
    for (Material* m : materials)
        delete m;
}

void SceneObjectManager::clearObjects()
{
    for (Shape* s : objects)
        s->release();
    objects.clear();
    groups.clear();
}

void SceneObjectManager::lendContents(SceneContents& contents)
{
    contents.objects.assign(objects.begin(), objects.end());
    contents.materials = materials;
    contents.groups = std::move(groups);
    groups.clear();
}

void SceneObjectManager::returnContents(SceneContents& contents)
{
    groups = std::move(contents.groups);
    contents = SceneContents{};
}

void SceneObjectManager::takeContents(SceneContents& contents)
{
    for (Shape* s : contents.objects)
        addObject(s);
    materials.insert(materials.end(), contents.materials.begin(), contents.materials.end());
    for (Group& g : contents.groups)
        groups.push_back(std::move(g));
    contents = SceneContents{};
}
