// The checks made on a file before the scene is emptied to read it.
#include <array>
#include <cctype>
#include <fstream>

#include "Formats/SceneFileFormats.h"

bool looksLikeBinaryScene(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::array<char, 4> tag{};
    return in.read(tag.data(), tag.size()) && std::string_view(tag.data(), tag.size()) == "HEAD";
}

bool looksLikeAsciiScene(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char c = 0;
    while (in.get(c))
        if (!std::isspace(static_cast<unsigned char>(c)))
            return c == '-';
    return false;
}
