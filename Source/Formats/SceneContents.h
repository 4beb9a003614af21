#pragma once
// What the scene formats read and write: the objects, materials, groups and
// reference images of a scene, with no scene around them. A save fills it
// with pointers to the scene's own objects and materials; a read fills it
// with new ones, which belong to the contents until a scene takes them.
#include <string>
#include <vector>

#include "Mesh/Group.h"
#include "Mesh/Material.h"

class Shape;

// The image a view shows behind the scene.
struct ReferenceImageRecord {
    int view = 2;           // 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 7 Perspective
    std::string path;       // absolute
    float corners[12] = {}; // four corners, x y z each
    float uvs[8] = {};      // the same corners' u v
};

struct SceneContents {
    std::vector<Shape*> objects;      // in scene order; files number objects from it
    std::vector<Material*> materials; // in the order files number them
    // Faces without a material of the list use it; never in `materials`.
    Material* defaultMaterial = Material::defaultMaterial();
    std::vector<Group> groups;        // members point into `objects`
    std::vector<ReferenceImageRecord> referenceImages; // in view order, at most one per view
};

// Gives back what a read made and nobody took: releases the objects,
// deletes the materials and empties the contents.
void discardContents(SceneContents& contents);
