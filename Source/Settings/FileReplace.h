#pragma once
// Replacing a file without risking it: the new contents go to a temporary
// file of a fresh name beside the target, which takes the target's place
// only once it is complete. A failed or abandoned write leaves the old file
// as it was, and no other file is touched. Scenes, autosaves, the
// preferences file and the window layout are all written this way.
#include <functional>
#include <string>
#include <string_view>

// The file a write to `target` really replaces: when `target` is a symbolic
// link (or a chain of them), the file it points at, so that the link stays
// a link; otherwise `target` itself.
std::string replacedFile(const std::string& target);

// Creates an empty file of a name no other file has, in the folder of
// `target`, with the permissions a new file there would get (those of
// `target` when it exists). Its path, or empty when none can be made.
std::string createTemporaryBeside(const std::string& target);

// Calls `write` with a fresh temporary path beside replacedFile(target);
// when it returns true and the file is there, renames it over that file.
// Otherwise, or when the rename fails, removes the temporary and returns false.
bool writeReplacing(const std::string& target, const std::function<bool(const std::string& temporary)>& write);

// Writes `contents` byte for byte through writeReplacing. False when any step fails.
bool replaceFileContents(const std::string& target, std::string_view contents);
