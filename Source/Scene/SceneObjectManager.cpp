#include "Scene/SceneObjectManager.h"

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
