#include "Settings/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace {

constexpr int nameAttempts = 100;

// Creates a file that did not exist before ("x": exclusive), so that two
// programs saving at once never share a temporary.
std::FILE* createUnique(const std::filesystem::path& target, std::filesystem::path& outPath)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int i = 0; i < nameAttempts; ++i) {
        outPath = target;
        outPath += ".tmp" + std::to_string(random() % 1000000);
        if (std::FILE* file = std::fopen(outPath.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

} // namespace

bool replaceFileContents(const std::filesystem::path& target, std::string_view contents)
{
    std::filesystem::path temporary;
    std::FILE* file = createUnique(target, temporary);
    if (!file)
        return false;
    // An empty block is written as nothing: fwrite must not see a null buffer.
    bool ok = contents.empty() || std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, target, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
