#include "Scene/Files/IncrementalSave.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>

namespace fs = std::filesystem;

namespace {

constexpr int minPadding = 1;
constexpr int maxPadding = 10;

struct NumberedStem {
    std::string base; // the stem without its "_digits" ending
    int number = 0;   // the ending's value; 0 when there is none
};

NumberedStem splitStem(const std::string& stem)
{
    size_t underscore = stem.rfind('_');
    if (underscore == std::string::npos || underscore + 1 == stem.size() || underscore == 0)
        return {stem, 0};
    std::string_view digits(stem.data() + underscore + 1, stem.size() - underscore - 1);
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.front() == '+' || number < 0)
        return {stem, 0};
    return {stem.substr(0, underscore), number};
}

} // namespace

std::string incrementalFileName(const std::string& current, int index, int padding)
{
    fs::path path(current);
    std::string number = std::to_string(index);
    size_t width = static_cast<size_t>(std::clamp(padding, minPadding, maxPadding));
    if (number.size() < width)
        number.insert(0, width - number.size(), '0');
    std::string name = splitStem(path.stem().string()).base + "_" + number + path.extension().string();
    return (path.parent_path() / name).string();
}

std::string nextIncrementalFile(const std::string& current, int padding, int maxIndex,
                                const std::function<bool(const std::string&)>& exists)
{
    if (current.empty())
        return {};
    int last = maxIndex > 0 ? maxIndex : std::numeric_limits<int>::max();
    int first = splitStem(fs::path(current).stem().string()).number;
    for (int index = first; index < last;) {
        std::string candidate = incrementalFileName(current, ++index, padding);
        if (!exists(candidate))
            return candidate;
    }
    return {};
}
