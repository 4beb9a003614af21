#pragma once
// A surface material shared by faces; the scene owns the records.
#include <string>

struct Material {
    std::string name = "Default";
    float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
    std::string texturePath; // empty: no texture
    int index = 0;           // position in the scene's list, set by the writers

    // The material every new face gets until told otherwise. The scene may
    // point it at its own record with setDefaultMaterial.
    static Material* defaultMaterial();
    static void setDefaultMaterial(Material* m);
};
