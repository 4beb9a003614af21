#include "Formats/SceneFileIO.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace {
// A descriptor of the regular file at `path`, or -1. Opened without
// blocking, so that a pipe without a writer cannot stall the program.
int openRegular(const std::string& path, struct stat& info)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
} // namespace

bool FileView::open(const std::string& path)
{
    struct stat info {};
    const int fd = openRegular(path, info);
    if (fd < 0)
        return false;
    size_ = static_cast<size_t>(info.st_size);
    bool ok = true;
    if (size_ > 0) {
        void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        ok = p != MAP_FAILED;
        if (ok) {
            ::madvise(p, size_, MADV_SEQUENTIAL);
            data_ = static_cast<const unsigned char*>(p);
            mapped_ = true;
        }
    } else {
        static const unsigned char nothing = 0;
        data_ = &nothing;
    }
    ::close(fd);
    if (!ok)
        size_ = 0;
    return ok;
}

FileView::~FileView()
{
    if (mapped_)
        ::munmap(const_cast<unsigned char*>(data_), size_);
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string fileStart(const std::string& path, size_t n)
{
    struct stat info {};
    const int fd = openRegular(path, info);
    if (fd < 0)
        return {};
    std::string out(n, '\0');
    const ssize_t got = ::read(fd, out.data(), n);
    ::close(fd);
    out.resize(got > 0 ? static_cast<size_t>(got) : 0);
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
