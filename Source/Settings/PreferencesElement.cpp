#include "Settings/PreferencesElement.h"

#include <algorithm>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// One word of the element text: [begin, end) in the text.
struct Word {
    std::size_t begin;
    std::size_t end;
};

std::vector<Word> splitWords(std::string_view text)
{
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i]))
            ++i;
        std::size_t begin = i;
        while (i < text.size() && !isSpace(text[i]))
            ++i;
        if (i > begin)
            words.push_back({begin, i});
    }
    return words;
}

} // namespace

const std::string* PreferencesElement::attribute(std::string_view key) const
{
    for (const auto& [k, value] : attributes)
        if (k == key)
            return &value;
    return nullptr;
}

PreferencesElement parsePreferencesElement(std::string_view inside)
{
    PreferencesElement element;
    const std::vector<Word> words = splitWords(inside);
    if (words.empty())
        return element;
    element.name = inside.substr(words[0].begin, words[0].end - words[0].begin);

    for (std::size_t w = 1; w < words.size(); ++w) {
        std::string_view word = inside.substr(words[w].begin, words[w].end - words[w].begin);
        std::size_t equals = word.find('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        std::string key(word.substr(0, equals));
        if (equals + 1 == word.size() || word[equals + 1] != '"') {
            element.attributes.emplace_back(std::move(key), word.substr(equals + 1));
            continue;
        }
        // The value starts after the opening quote and ends before the first
        // quote that closes a word, this one or a later one.
        // A value never closed runs to the end of the last word.
        std::size_t valueBegin = words[w].begin + equals + 2;
        std::size_t valueEnd = std::max(valueBegin, words.back().end);
        std::size_t last = w;
        for (; last < words.size(); ++last) {
            std::size_t end = words[last].end;
            if (end > valueBegin && inside[end - 1] == '"') {
                valueEnd = end - 1;
                break;
            }
        }
        w = std::min(last, words.size() - 1);
        element.attributes.emplace_back(std::move(key), inside.substr(valueBegin, valueEnd - valueBegin));
    }
    return element;
}

bool PreferencesElementReader::next(PreferencesElement& outElement)
{
    std::size_t open = text_.find('<', position_);
    if (open == std::string_view::npos) {
        position_ = text_.size();
        return false;
    }
    std::size_t close = text_.find('>', open + 1);
    if (close == std::string_view::npos) {
        position_ = text_.size();
        return false;
    }
    position_ = close + 1;
    outElement = parsePreferencesElement(text_.substr(open + 1, close - open - 1));
    return true;
}
