#pragma once
// The value forms of the ".tva" format: a text builder that writes them and
// a token reader that reads them back from text in memory.
#include <cstddef>
#include <string>
#include <string_view>

// Builds the file text. Floats go out as the standard stream writes a float
// by default (general format, 6 significant digits); a value that is not a
// number goes out as 0.
class TextOut {
public:
    // Each appends and returns the builder, so a record reads as one line.
    TextOut& word(std::string_view w)
    {
        text.append(w);
        return *this;
    }
    TextOut& number(float f);
    TextOut& integer(long long i);
    // `"` text `"`, unchanged (the format has no escapes).
    TextOut& quoted(const std::string& s);
    TextOut& space()
    {
        text.push_back(' ');
        return *this;
    }
    TextOut& newline()
    {
        text.push_back('\n');
        return *this;
    }
    // " " then the value, for each value of a record.
    TextOut& sp(float f) { return space().number(f); }
    TextOut& spInt(long long i) { return space().integer(i); }

    std::string text;
};

// Reads whitespace-separated tokens of at most 2047 characters (a longer
// run of characters reads as several tokens). Every read consumes input, so
// loops that read until a keyword or a count always end with the input.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    // The next token; false at the end of the input.
    bool next(std::string_view& out);
    // No token is left.
    bool atEnd();

    // The next token as a whole number; 0 when it is not one (or at the end).
    long integer();
    // The next token as a float; false (out unchanged) when it is not one.
    bool number(float& out);
    // The next token as a float, 0 when it is not one.
    float numberOr0();
    // The next token through the standard string-to-number conversion: the
    // longest leading number, 0 when there is none.
    double leadingNumber();
    // Skips up to 2048 characters to an opening `"`, then takes the text up
    // to the closing one. Empty when no opening quote is found or the text
    // has 2048 or more characters.
    std::string quoted();

    size_t position() const { return pos_; }
    size_t size() const { return text_.size(); }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Whether the token is a whole number; `out` unchanged when not.
bool parseInteger(std::string_view token, long& out);
// Whether the token starts with a float (trailing characters are ignored).
bool parseFloat(std::string_view token, float& out);
