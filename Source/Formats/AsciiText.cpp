#include "Formats/AsciiText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {
constexpr size_t MaxToken = 2047;
constexpr size_t QuoteLimit = 2048;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view withoutPlus(std::string_view t)
{
    if (t.size() > 1 && t[0] == '+' && t[1] != '-')
        t.remove_prefix(1);
    return t;
}
} // namespace

TextOut& TextOut::number(float f)
{
    if (std::isnan(f))
        f = 0.0f;
    if (char* p = room(32)) {
        auto result = std::to_chars(p, p + 32, static_cast<double>(f), std::chars_format::general, 6);
        size_ += static_cast<size_t>(result.ptr - p);
    }
    return *this;
}

TextOut& TextOut::integer(long long i)
{
    if (char* p = room(24)) {
        auto result = std::to_chars(p, p + 24, i);
        size_ += static_cast<size_t>(result.ptr - p);
    }
    return *this;
}

TextOut& TextOut::quoted(const std::string& s)
{
    put('"');
    if (char* p = room(s.size())) {
        std::memcpy(p, s.data(), s.size());
        size_ += s.size();
    }
    return put('"');
}

void TextOut::flush()
{
    if (!file_)
        return;
    if (size_)
        shortWrite_ = shortWrite_ || std::fwrite(data_, 1, size_, file_) != size_;
    size_ = 0;
}

char* TextOut::grow(size_t n)
{
    if (file_ && size_)
        flush();
    if (size_ + n <= capacity_)
        return data_ + size_;
    size_t wanted = capacity_ ? capacity_ : (file_ ? 2 * FlushSize : 4096);
    while (wanted < size_ + n)
        wanted *= 2;
    auto* grown = static_cast<char*>(std::realloc(data_, wanted));
    if (!grown) {
        failed_ = true;
        return nullptr;
    }
    data_ = grown;
    capacity_ = wanted;
    return data_ + size_;
}

bool parseInteger(std::string_view token, long& out)
{
    token = withoutPlus(token);
    long value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec != std::errc() || result.ptr != token.data() + token.size() || value < INT32_MIN ||
        value > INT32_MAX)
        return false;
    out = value;
    return true;
}

bool parseFloat(std::string_view token, float& out)
{
    token = withoutPlus(token);
    float value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec != std::errc())
        return false;
    out = value;
    return true;
}

bool TokenReader::atEnd()
{
    while (pos_ < text_.size() && isSpace(text_[pos_]))
        ++pos_;
    return pos_ >= text_.size();
}

bool TokenReader::next(std::string_view& out)
{
    if (atEnd())
        return false;
    const size_t start = pos_;
    while (pos_ < text_.size() && pos_ - start < MaxToken && !isSpace(text_[pos_]))
        ++pos_;
    out = text_.substr(start, pos_ - start);
    return true;
}

long TokenReader::integer()
{
    std::string_view t;
    long value = 0;
    if (next(t))
        parseInteger(t, value);
    return value;
}

bool TokenReader::number(float& out)
{
    std::string_view t;
    return next(t) && parseFloat(t, out);
}

float TokenReader::numberOr0()
{
    float value = 0.0f;
    number(value);
    return value;
}

double TokenReader::leadingNumber()
{
    std::string_view t;
    if (!next(t))
        return 0.0;
    t = withoutPlus(t);
    double value = 0.0;
    auto result = std::from_chars(t.data(), t.data() + t.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

std::string TokenReader::quoted()
{
    const size_t searchEnd = std::min(text_.size(), pos_ + QuoteLimit);
    size_t open = pos_;
    while (open < searchEnd && text_[open] != '"')
        ++open;
    if (open >= searchEnd) {
        pos_ = searchEnd;
        return {};
    }
    size_t close = open + 1;
    while (close < text_.size() && text_[close] != '"')
        ++close;
    const size_t length = close - open - 1;
    pos_ = close < text_.size() ? close + 1 : close;
    if (length >= QuoteLimit)
        return {};
    return std::string(text_.substr(open + 1, length));
}
