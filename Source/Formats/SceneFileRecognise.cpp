// The checks made on a file before it is read. Neither waits on a pipe or
// device: only regular files are looked at.
#include <cctype>

#include "Formats/SceneFileFormats.h"
#include "Formats/SceneFileIO.h"

bool looksLikeBinaryScene(const std::string& path)
{
    return fileStart(path, 4) == "HEAD";
}

bool looksLikeAsciiScene(const std::string& path)
{
    // Leading blanks beyond the first 64 KiB are not worth waiting for.
    for (char c : fileStart(path, size_t(1) << 16))
        if (!std::isspace(static_cast<unsigned char>(c)))
            return c == '-';
    return false;
}
