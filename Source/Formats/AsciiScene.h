#pragma once
// The line-oriented native scene file (".tva").
#include <string>

class Scene;

// Writes the whole scene (or, with `selectedOnly`, the selected objects) to
// `path`, replacing any file there. False, having written nothing, when the
// file cannot be created.
bool writeAsciiScene(const std::string& path, Scene& scene, bool selectedOnly);
// Appends the objects, materials, groups and reference images of the file at
// `path` to the scene, which it does not clear. False when the file cannot
// be opened; the scene is then unchanged.
bool readAsciiScene(const std::string& path, Scene& scene);
