#pragma once
// Texture and reference-image paths in scene files are stored relative to
// the folder of the scene file, so that a scene folder can be moved whole.
#include <string>

// The folder that holds the scene file at `scenePath`, made absolute
// against the working directory; empty when that cannot be worked out.
std::string sceneFolderOf(const std::string& scenePath);

// `path` as the file should store it: relative to `folder` when both are
// absolute on the same root; otherwise unchanged. Empty stays empty.
std::string pathForFile(const std::string& path, const std::string& folder);

// A stored path resolved against `folder`: relative paths are joined to it
// and normalised; absolute paths and the empty path are kept.
std::string pathFromFile(const std::string& stored, const std::string& folder);
