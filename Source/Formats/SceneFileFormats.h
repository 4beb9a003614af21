#pragma once
// The scene formats the file commands read and write, chosen by file
// extension. Only the native formats are here; an extension without a row
// is refused with a message and changes nothing.
#include <functional>
#include <string>
#include <vector>

class Scene;

// Told now and then how far a read or write has come, 0 to 1.
using FileProgress = std::function<void(double fraction)>;

struct SceneFormat {
    std::string extension; // lower case, without the dot
    // Whether the file at `path` can be opened and starts like a file of this
    // format; checked before the scene is emptied for it.
    std::function<bool(const std::string& path)> recognises;
    // Appends the file's content to the scene; false when it cannot be read.
    std::function<bool(const std::string& path, Scene& scene, const FileProgress& progress)> read;
    // Writes the scene (only the selected objects with selectedOnly); false on failure.
    std::function<bool(const std::string& path, Scene& scene, bool selectedOnly, const FileProgress& progress)> write;
};

// ".tvb" and ".tva".
std::vector<SceneFormat> nativeSceneFormats();

// A binary scene starts with its "HEAD" chunk.
bool looksLikeBinaryScene(const std::string& path);
// Every token of an ASCII scene is a keyword starting with "-" or a value
// after one, so its first non-blank character is "-".
bool looksLikeAsciiScene(const std::string& path);
