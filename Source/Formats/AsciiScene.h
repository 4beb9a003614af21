#pragma once
// The line-oriented native scene file (".tva").
#include <functional>
#include <string>
#include <string_view>

class Scene;

// Called now and then with the fraction done, 0 to 1.
using SceneFileProgress = std::function<void(double fraction)>;

// Writes the whole scene (or, with `selectedOnly`, the selected objects) to
// `path`, replacing any file there. False, having written nothing, when the
// file cannot be created. Texture and image paths are written relative to
// the folder of `path`. A coordinate that is not a number is written as 0
// and reset to 0 in the vertex.
bool writeAsciiScene(const std::string& path, Scene& scene, bool selectedOnly,
                     const SceneFileProgress& progress = {});
// As writeAsciiScene, and also false, the file removed, when some text did
// not reach it after it was opened (a full disk): for the file commands,
// which must never take a short file for a whole one.
bool writeAsciiSceneChecked(const std::string& path, Scene& scene, bool selectedOnly,
                            const SceneFileProgress& progress = {});
// Appends the objects, materials, groups and reference images of the file at
// `path` to the scene, which it does not clear. False when the file cannot
// be opened; the scene is then unchanged.
bool readAsciiScene(const std::string& path, Scene& scene, const SceneFileProgress& progress = {});

// The text writeAsciiScene writes, paths made relative to `folder`.
std::string writeAsciiSceneToText(Scene& scene, bool selectedOnly, const std::string& folder,
                                  const SceneFileProgress& progress = {});
// Reads scene text held in memory as readAsciiScene reads a file; relative
// paths resolve against `folder`. Any text is accepted: what cannot be read
// is skipped.
void readAsciiSceneFromText(std::string_view text, const std::string& folder, Scene& scene,
                            const SceneFileProgress& progress = {});
