#pragma once
// Owns the scene's objects (shapes, instances, lights), its materials and
// selection groups, and knows whether the scene is shown in model space or
// in UV space.
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Group.h"
#include "Scene/SceneManager.h"

class Shape;
struct Material;
struct SceneContents;

class SceneObjectManager : public SceneManager {
public:
    SceneObjectManager() = default;
    // Gives every object back to its pool.
    ~SceneObjectManager() override;

    // Takes ownership of `object` and appends it to the scene.
    void addObject(Shape* object) { objects.append(object); }
    // Releases every object and empties the list ("New Scene", loading);
    // groups go with them, since they refer to the objects.
    void clearObjects();
    // Takes ownership of `material` and appends it to the scene's materials.
    void addMaterial(Material* material) { materials.push_back(material); }

    // --- hand-over with the file formats ---
    // Lends the objects, materials and groups to `contents` for a save: the
    // objects and materials by pointer, the groups moved (not copied) until
    // returnContents gives them back.
    void lendContents(SceneContents& contents);
    void returnContents(SceneContents& contents);
    // Takes ownership of what a read made, appending it; `contents` is left empty.
    void takeContents(SceneContents& contents);

    // --- operations the command dispatch calls ---
    // Creates the objects of a creation command (or of an options window's
    // create action, 100051 and 100060 to 100066) and returns how many it
    // added to the scene. The primitives and swept objects are made from
    // their option groups; arrays, instances and de-instantiated objects from
    // the selected objects (ObjectCommands.h); lights make nothing yet.
    virtual int createObjects(int commandId);
    // The swept objects made from selected objects ("Lathe Object",
    // "Extrusion Object", "Path Extrusion Object").
    int createSweeps(int commandId);
    // Recreates the UVs of the selected objects or faces with the method of
    // the command (248, 276 to 279).
    virtual void recreateUVs(int commandId);

    List<Shape*> objects; // owned; file formats refer to objects by position here
    // Owned, in the order the file formats number them. Faces without a
    // material of their own use Material::defaultMaterial(), which is not here.
    std::vector<Material*> materials;
    std::vector<Group> groups; // in creation order
    bool uvSpace = false; // true while the scene shows UV proxies instead of the objects
};
