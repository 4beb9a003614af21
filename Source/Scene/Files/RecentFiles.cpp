#include "Scene/Files/RecentFiles.h"

#include <algorithm>
#include <fstream>

void RecentFiles::add(const std::string& path)
{
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > MaxCount)
        paths_.resize(MaxCount);
}

void RecentFiles::load(const std::filesystem::path& file)
{
    paths_.clear();
    std::ifstream in(file);
    std::string line;
    while (paths_.size() < MaxCount && std::getline(in, line))
        if (!line.empty() && std::ranges::find(paths_, line) == paths_.end())
            paths_.push_back(line);
}

bool RecentFiles::save(const std::filesystem::path& file) const
{
    std::ofstream out(file, std::ios::trunc);
    for (const std::string& p : paths_)
        out << p << '\n';
    out.close();
    return static_cast<bool>(out);
}
