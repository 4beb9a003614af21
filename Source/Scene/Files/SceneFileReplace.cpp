#include "Scene/Files/SceneFileReplace.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string temporaryFileFor(const std::string& target) { return target + ".tmp"; }

bool writeReplacing(const std::string& target, const std::function<bool(const std::string& temporary)>& write)
{
    const std::string temporary = temporaryFileFor(target);
    std::error_code error;
    bool written = write(temporary) && fs::is_regular_file(temporary, error);
    // rename(2) swaps the name in one step: a reader sees the old file or the new, never half of one.
    if (written)
        fs::rename(temporary, target, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
