#pragma once
// The chunked native scene file (".tvb"), the default format.
#include <string>

class Scene;

// As writeAsciiScene, in the binary layout.
bool writeBinaryScene(const std::string& path, Scene& scene, bool selectedOnly);
// As readAsciiScene, from the binary layout.
bool readBinaryScene(const std::string& path, Scene& scene);
