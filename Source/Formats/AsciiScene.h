#pragma once
// The line-oriented native scene file (".tva").
#include <string>
#include <string_view>

#include "Formats/FileProgress.h"
#include "Formats/SceneContents.h"

// Writes the contents (or, with `selectedOnly`, the selected objects) to
// `path`, replacing any file there. False, having written nothing, when the
// file cannot be created. Texture and image paths are written relative to
// the folder of `path`. A coordinate that is not a number is written as 0
// and reset to 0 in the vertex.
bool writeAsciiScene(const std::string& path, const SceneContents& contents, bool selectedOnly,
                     const FileProgress& progress = {});
// As writeAsciiScene, and also false, the file removed, when some text did
// not reach it after it was opened (a full disk): for the file commands,
// which must never take a short file for a whole one.
bool writeAsciiSceneChecked(const std::string& path, const SceneContents& contents, bool selectedOnly,
                            const FileProgress& progress = {});
// Appends the objects, materials, groups and reference images of the
// regular file at `path` to `out`. False when it cannot be opened or is not
// a regular file; `out` is then unchanged.
bool readAsciiScene(const std::string& path, SceneContents& out, const SceneReadFeedback& feedback = {});

// The text writeAsciiScene writes, paths made relative to `folder`.
std::string writeAsciiSceneToText(const SceneContents& contents, bool selectedOnly, const std::string& folder,
                                  const FileProgress& progress = {});
// Reads scene text held in memory as readAsciiScene reads a file; relative
// paths resolve against `folder`. Any text is accepted: what cannot be read
// is skipped.
void readAsciiSceneFromText(std::string_view text, const std::string& folder, SceneContents& out,
                            const SceneReadFeedback& feedback = {});
