#include "Settings/WindowData.h"

#include "Settings/FileReplace.h"

#include <cstdio>
#include <memory>
#include <utility>

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

} // namespace

bool saveWindowData(const std::filesystem::path& path, const std::vector<char>& block)
{
    return replaceFileContents(path, std::string_view(block.data(), block.size()));
}

bool loadWindowData(const std::filesystem::path& path, std::vector<char>& outBlock)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    std::vector<char> block;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        block.insert(block.end(), buffer, buffer + got);
    if (std::ferror(file.get()))
        return false;
    outBlock = std::move(block);
    return true;
}
