#pragma once
// The chunked native scene file (".tvb"), the default format.
#include <functional>
#include <span>
#include <string>
#include <vector>

class Scene;

// Called now and then with the fraction done, 0 to 1.
using SceneFileProgress = std::function<void(double fraction)>;

// As writeAsciiScene, in the binary layout.
bool writeBinaryScene(const std::string& path, Scene& scene, bool selectedOnly,
                      const SceneFileProgress& progress = {});
// As writeAsciiSceneChecked, in the binary layout.
bool writeBinarySceneChecked(const std::string& path, Scene& scene, bool selectedOnly,
                             const SceneFileProgress& progress = {});
// As readAsciiScene, from the binary layout.
bool readBinaryScene(const std::string& path, Scene& scene, const SceneFileProgress& progress = {});

// The bytes writeBinaryScene writes, paths made relative to `folder`.
std::vector<unsigned char> writeBinarySceneToBytes(Scene& scene, bool selectedOnly, const std::string& folder,
                                                   const SceneFileProgress& progress = {});
// Reads scene bytes held in memory as readBinaryScene reads a file; relative
// paths resolve against `folder`. Any bytes are accepted: what cannot be
// read is skipped.
void readBinarySceneFromBytes(std::span<const unsigned char> bytes, const std::string& folder, Scene& scene,
                              const SceneFileProgress& progress = {});
