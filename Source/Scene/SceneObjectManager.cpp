#include "Scene/SceneObjectManager.h"

#include "Mesh/Shape.h"

SceneObjectManager::~SceneObjectManager()
{
    clearObjects();
    objects.freeStorage();
}

void SceneObjectManager::clearObjects()
{
    for (Shape* s : objects)
        s->release();
    objects.clear();
}
