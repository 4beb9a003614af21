#include "Formats/SceneFileIO.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "Formats/LargeBlock.h"

void FileBytes::Free::operator()(unsigned char* p) const
{
    std::free(p);
}

FileBytes readWholeFile(const std::string& path)
{
    FileBytes out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return out;
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        size = std::ftell(f);
    if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return out;
    }
    // One byte more than asked, so that an empty file still gives a non-null block.
    auto* bytes = static_cast<unsigned char*>(allocateLarge(static_cast<size_t>(size) + 1));
    if (!bytes) {
        std::fclose(f);
        return out;
    }
    out.data.reset(bytes);
    out.size = std::fread(bytes, 1, static_cast<size_t>(size), f);
    std::fclose(f);
    return out;
}

void removePartialFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (fs::is_regular_file(status) || fs::is_symlink(status)) // a link goes, not what it points at
        fs::remove(path, error);
}

bool writeSceneFile(const std::string& path, const char* mode, bool checked,
                    const std::function<SceneFileWrite(std::FILE* file)>& write)
{
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file)
        return false;
    std::setvbuf(file, nullptr, _IONBF, 0);
    const SceneFileWrite result = write(file);
    const bool closed = std::fclose(file) == 0;
    if (!result.held || (checked && (!result.reached || !closed))) {
        removePartialFile(path); // no half scene left behind
        return false;
    }
    return true;
}
