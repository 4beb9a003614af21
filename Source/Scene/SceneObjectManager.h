#pragma once
// Owns the scene's objects (shapes, instances, lights) and knows whether the
// scene is shown in model space or in UV space.
#include "Mesh/List.h"
#include "Scene/SceneManager.h"

class Shape;

class SceneObjectManager : public SceneManager {
public:
    SceneObjectManager() = default;
    // Gives every object back to its pool.
    ~SceneObjectManager() override;

    // Takes ownership of `object` and appends it to the scene.
    void addObject(Shape* object) { objects.append(object); }
    // Releases every object and empties the list ("New Scene", loading).
    void clearObjects();

    List<Shape*> objects; // owned; file formats refer to objects by position here
    bool uvSpace = false; // true while the scene shows UV proxies instead of the objects
};
