#pragma once
// The value forms of the ".tva" format: a text builder that writes them and
// a token reader that reads them back from text in memory.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Builds the file text. Floats go out as the standard stream writes a float
// by default (general format, 6 significant digits); a value that is not a
// number goes out as 0. Given a file, the text goes out to it a large piece
// at a time (at line ends), so a big scene never needs all its text in memory.
class TextOut {
public:
    TextOut() = default;
    explicit TextOut(std::FILE* file) : file_(file) {}
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;
    ~TextOut() { std::free(data_); }

    // Each appends and returns the builder, so a record reads as one line.
    TextOut& word(std::string_view w)
    {
        char* p = room(w.size());
        if (p) {
            for (char c : w) // words are short: a loop beats a call
                *p++ = c;
            size_ += w.size();
        }
        return *this;
    }
    TextOut& number(float f);
    TextOut& integer(long long i);
    // `"` text `"`, unchanged (the format has no escapes).
    TextOut& quoted(const std::string& s);
    TextOut& space() { return put(' '); }
    TextOut& newline()
    {
        put('\n');
        if (file_ && size_ >= FlushSize)
            flush();
        return *this;
    }
    // " " then the value, for each value of a record.
    TextOut& sp(float f) { return space().number(f); }
    TextOut& spInt(long long i) { return space().integer(i); }

    // File mode: writes out what is held (errors are not reported, as the
    // writers promise).
    void flush();
    // The text held (in memory mode, everything).
    std::string text() const { return std::string(data_ ? data_ : "", size_); }
    // Some text could not be held for want of memory.
    bool failed() const { return failed_; }
    // File mode: some text did not reach the file (a full disk).
    bool shortWrite() const { return shortWrite_; }

private:
    static constexpr size_t FlushSize = size_t(1) << 19;

    TextOut& put(char c)
    {
        if (char* p = room(1)) {
            *p = c;
            ++size_;
        }
        return *this;
    }
    // Room for n more characters at the end; null when out of memory.
    char* room(size_t n)
    {
        return size_ + n <= capacity_ ? data_ + size_ : grow(n);
    }
    char* grow(size_t n);

    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool shortWrite_ = false;
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
