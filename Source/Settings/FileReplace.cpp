#include "Settings/FileReplace.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string replacedFile(const std::string& target)
{
    std::error_code error;
    fs::path path = target;
    // Bounded, so that a loop of links cannot keep us here.
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path to = fs::read_symlink(path, error);
        if (error)
            break;
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path.lexically_normal().string();
}

std::string createTemporaryBeside(const std::string& target)
{
    const fs::path path = target;
    // Built by appending: GCC's release build warns (wrongly) on "." + string.
    std::string leaf = ".";
    leaf += path.filename().string();
    leaf += ".XXXXXX";
    std::string name = (path.parent_path() / leaf).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {};
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    ::close(fd);
    return name;
}

bool writeReplacing(const std::string& target, const std::function<bool(const std::string& temporary)>& write)
{
    const std::string destination = replacedFile(target);
    const std::string temporary = createTemporaryBeside(destination);
    if (temporary.empty())
        return false;
    std::error_code error;
    bool written = write(temporary) && fs::is_regular_file(temporary, error);
    // rename(2) swaps the name in one step: a reader sees the old file or the new, never half of one.
    if (written)
        fs::rename(temporary, destination, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool replaceFileContents(const std::string& target, std::string_view contents)
{
    return writeReplacing(target, [&](const std::string& temporary) {
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        if (!file)
            return false;
        // An empty block is written as nothing: fwrite must not see a null buffer.
        bool ok = contents.empty() || std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
        ok = std::fflush(file) == 0 && ok;
        return std::fclose(file) == 0 && ok;
    });
}
