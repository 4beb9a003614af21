#include "Settings/WindowData.h"

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
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    bool written = std::fwrite(block.data(), 1, block.size(), file.get()) == block.size();
    return std::fclose(file.release()) == 0 && written;
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
