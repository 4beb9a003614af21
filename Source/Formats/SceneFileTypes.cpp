#include "Formats/SceneFileTypes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace {

struct TypeRow {
    std::string_view extension;
    std::string_view description;
};

// "dae" is described but offered by no dialog.
constexpr TypeRow descriptions[] = {
    {"tvb", "Tavo File"}, {"tva", "Tavo Ascii File"}, {"obj", "Obj File"}, {"dae", "Collada File"},
    {"dxf", "Dxf File"},  {"3ds", "3ds File"},        {"fac", "Fact File"}, {"rib", "Rib File"},
    {"stl", "Stl File"},  {"pov", "Pov File"},
};

constexpr std::string_view openExtensions[] = {"tvb", "tva", "obj", "dxf", "3ds", "fac"};
constexpr std::string_view exportOnlyExtensions[] = {"rib", "stl", "pov"};

void appendTypes(std::vector<FileType>& types, const auto& extensions)
{
    for (std::string_view e : extensions)
        types.push_back({std::string(e), std::string(fileTypeDescription(e))});
}

} // namespace

std::vector<FileType> openFileTypes()
{
    std::vector<FileType> types;
    appendTypes(types, openExtensions);
    return types;
}

std::vector<FileType> saveFileTypes()
{
    std::vector<FileType> types = openFileTypes();
    appendTypes(types, exportOnlyExtensions);
    return types;
}

std::string_view fileTypeDescription(std::string_view extension)
{
    auto row = std::ranges::find(descriptions, extension, &TypeRow::extension);
    return row == std::end(descriptions) ? "Not Found" : row->description;
}

std::string fileExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string absoluteFilePath(const std::string& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}
