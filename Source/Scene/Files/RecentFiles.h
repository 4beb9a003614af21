#pragma once
// The recent scene files of the File menu, newest first, at most five (the
// menu entries 100010 to 100014). Kept in a text file of one path a line so
// that they survive between runs.
#include <filesystem>
#include <string>
#include <vector>

class RecentFiles {
public:
    static constexpr size_t MaxCount = 5;

    // Puts `path` at the head; an entry already there moves up instead of
    // appearing twice, and the oldest beyond five drops out.
    void add(const std::string& path);
    void clear() { paths_.clear(); }
    // The entry of menu position `index` (0 newest); empty when there is none.
    std::string at(size_t index) const { return index < paths_.size() ? paths_[index] : std::string(); }
    const std::vector<std::string>& paths() const { return paths_; }

    // Reads the list from `file`: blank lines are skipped, and more than five
    // entries keep the first five. A missing file gives an empty list.
    void load(const std::filesystem::path& file);
    // Writes the list, one path a line; false when the file cannot be written.
    bool save(const std::filesystem::path& file) const;

private:
    std::vector<std::string> paths_;
};
