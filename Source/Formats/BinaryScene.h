#pragma once
// The chunked native scene file (".tvb"), the default format.
#include <span>
#include <string>
#include <vector>

#include "Formats/FileProgress.h"
#include "Formats/SceneContents.h"

// As writeAsciiScene, in the binary layout.
bool writeBinaryScene(const std::string& path, const SceneContents& contents, bool selectedOnly,
                      const FileProgress& progress = {});
// As writeAsciiSceneChecked, in the binary layout.
bool writeBinarySceneChecked(const std::string& path, const SceneContents& contents, bool selectedOnly,
                             const FileProgress& progress = {});
// As readAsciiScene, from the binary layout.
bool readBinaryScene(const std::string& path, SceneContents& out, const SceneReadFeedback& feedback = {});

// The bytes writeBinaryScene writes, paths made relative to `folder`.
std::vector<unsigned char> writeBinarySceneToBytes(const SceneContents& contents, bool selectedOnly,
                                                   const std::string& folder, const FileProgress& progress = {});
// Reads scene bytes held in memory as readBinaryScene reads a file; relative
// paths resolve against `folder`. Any bytes are accepted: what cannot be
// read is skipped.
void readBinarySceneFromBytes(std::span<const unsigned char> bytes, const std::string& folder, SceneContents& out,
                              const SceneReadFeedback& feedback = {});
