#pragma once
// The elements of a preferences file as its reader sees them: the text
// between a '<' and the next '>', split into a name and key="value"
// attributes.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct PreferencesElement {
    std::string name; // the first word, "/item" for a closing tag
    std::vector<std::pair<std::string, std::string>> attributes; // in text order, quotes removed

    // The value of the first attribute named `key`; null when there is none.
    const std::string* attribute(std::string_view key) const;
};

// Splits the inside of an element at white space. The first word is the
// name; each further word key="value" gives an attribute. A value whose
// closing quote is not in its own word (it holds white space) takes the
// following words up to one that ends with a quote, together with the exact
// white space between them, so that every value without a quote before white
// space reads back as written. Words of no such form are skipped.
PreferencesElement parsePreferencesElement(std::string_view inside);

// Hands out the elements of a text one at a time.
class PreferencesElementReader {
public:
    // `text` must outlive the reader.
    explicit PreferencesElementReader(std::string_view text) : text_(text) {}

    // Skips to the next '<' and reads up to the following '>'. False, leaving
    // `outElement` alone, when no element starts or the text ends inside one.
    bool next(PreferencesElement& outElement);

private:
    std::string_view text_;
    std::size_t position_ = 0; // first character not yet read
};
