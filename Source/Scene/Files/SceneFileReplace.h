#pragma once
// Replacing a file without risking it: the new contents go to a temporary
// file beside the target, which takes the target's place only once it is
// complete. A failed or abandoned write leaves the old file as it was.
#include <functional>
#include <string>

// The temporary file a write to `target` goes through: `target` + ".tmp".
std::string temporaryFileFor(const std::string& target);

// Calls `write` with the temporary path; when it returns true and the file
// is there, renames it over `target`. Otherwise, or when the rename fails,
// removes the temporary and returns false.
bool writeReplacing(const std::string& target, const std::function<bool(const std::string& temporary)>& write);
