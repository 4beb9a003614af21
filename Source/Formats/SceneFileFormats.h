#pragma once
// The scene formats the file commands read and write, chosen by file
// extension. An extension without a row is refused with a message and
// changes nothing. A new format is a reader and writer over SceneContents
// and one row in nativeSceneFormats.
#include <functional>
#include <string>
#include <vector>

#include "Formats/FileProgress.h"
#include "Formats/SceneContents.h"

struct SceneFormat {
    std::string extension; // lower case, without the dot
    // Whether the regular file at `path` starts like a file of this format;
    // checked before anything is read.
    std::function<bool(const std::string& path)> recognises;
    // Appends the file's content to `out`; false when it cannot be read.
    std::function<bool(const std::string& path, SceneContents& out, const SceneReadFeedback& feedback)> read;
    // Writes the contents (only the selected objects with selectedOnly); false on failure.
    std::function<bool(const std::string& path, const SceneContents& contents, bool selectedOnly,
                       const FileProgress& progress)>
        write;
};

// ".tvb" and ".tva".
std::vector<SceneFormat> nativeSceneFormats();

// A binary scene starts with its "HEAD" chunk.
bool looksLikeBinaryScene(const std::string& path);
// Every token of an ASCII scene is a keyword starting with "-" or a value
// after one, so its first non-blank character is "-".
bool looksLikeAsciiScene(const std::string& path);
