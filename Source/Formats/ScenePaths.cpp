#include "Formats/ScenePaths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string sceneFolderOf(const std::string& scenePath)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(scenePath), ec);
    if (ec)
        return {};
    return absolute.parent_path().generic_string();
}

std::string pathForFile(const std::string& path, const std::string& folder)
{
    if (path.empty() || folder.empty())
        return path;
    fs::path p(path);
    fs::path base(folder);
    if (p.is_relative() || base.is_relative() || p.root_name() != base.root_name())
        return path;
    fs::path relative = p.lexically_normal().lexically_relative(base.lexically_normal());
    return relative.empty() ? path : relative.generic_string();
}

std::string pathFromFile(const std::string& stored, const std::string& folder)
{
    if (stored.empty() || folder.empty())
        return stored;
    fs::path p(stored);
    if (p.is_absolute())
        return stored;
    return (fs::path(folder) / p).lexically_normal().generic_string();
}
