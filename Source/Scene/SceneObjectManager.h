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

    // --- operations the command dispatch calls ---
    // Creates the objects of a creation command (or of an options window's
    // create action, 100051 and 100060 to 100066) and returns how many it
    // added to the scene. The primitives and swept objects are made from
    // their option groups; arrays, instances and lights make nothing yet.
    virtual int createObjects(int commandId);
    // The swept objects made from selected objects ("Lathe Object",
    // "Extrusion Object", "Path Extrusion Object").
    int createSweeps(int commandId);
    // Recreates the UVs of the selected objects or faces with the method of
    // the command (248, 276 to 279).
    virtual void recreateUVs(int /*commandId*/) {}

    List<Shape*> objects; // owned; file formats refer to objects by position here
    bool uvSpace = false; // true while the scene shows UV proxies instead of the objects
};
