#pragma once
// The scene's side of the hand-over with the file formats: what a save
// writes is the scene's contents lent for the call, and what a read made is
// added to the scene in one step once the read is over.
#include <functional>
#include <string>

#include "Formats/SceneContents.h"

class Scene;

// Runs `use` with the scene's objects, materials, groups and reference
// images (by pointer; no mesh is copied). The scene must not change meanwhile.
void withSceneContents(Scene& scene, const std::function<void(const SceneContents&)>& use);

// Appends what a read made to the scene, which takes ownership; reference
// images replace those of their views. `contents` is left empty.
void addToScene(Scene& scene, SceneContents& contents);

// The scene as ".tva" text, as "Save Scene" would write it to a file in
// `folder` (texture and image paths relative to it).
std::string sceneAsAsciiText(Scene& scene, const std::string& folder = {});
