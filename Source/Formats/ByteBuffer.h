#pragma once
// Little-endian building blocks of the ".tvb" format: a growing byte
// buffer that chunks are written into (lengths patched after the payload),
// and a bounded reader that never reads past the end it is given.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// Values are copied in memory order; the format is little-endian.
static_assert(std::endian::native == std::endian::little, "the .tvb code copies little-endian values as they are");

class ByteWriter {
public:
    ByteWriter() = default;
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;
    ~ByteWriter() { std::free(data_); }

    // Room for `more` bytes beyond what is written; false when out of memory
    // (every later write is then dropped and `failed` tells).
    bool reserve(size_t more)
    {
        if (size_ + more <= capacity_)
            return true;
        size_t wanted = capacity_ ? capacity_ : 4096;
        while (wanted < size_ + more)
            wanted *= 2;
        auto* grown = static_cast<unsigned char*>(std::realloc(data_, wanted));
        if (!grown) {
            failed_ = true;
            return false;
        }
        data_ = grown;
        capacity_ = wanted;
        return true;
    }

    void bytes(const void* p, size_t n)
    {
        if (n == 0 || !reserve(n))
            return;
        std::memcpy(data_ + size_, p, n);
        size_ += n;
    }
    void u32(uint32_t v) { bytes(&v, 4); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    // A value that is not a number is written as 0.
    void f32(float v)
    {
        if (std::isnan(v))
            v = 0.0f;
        bytes(&v, 4);
    }
    void f32s(const float* v, int n)
    {
        for (int i = 0; i < n; ++i)
            f32(v[i]);
    }
    void tag(const char* t) { bytes(t, 4); }
    // One 16-bit unit per character (its 8-bit code), no terminator.
    void text(const std::string& s)
    {
        if (!reserve(2 * s.size()))
            return;
        for (unsigned char c : s) {
            data_[size_++] = c;
            data_[size_++] = 0;
        }
    }
    // A u32 byte length, then the text.
    void stringRecord(const std::string& s)
    {
        u32(static_cast<uint32_t>(2 * s.size()));
        text(s);
    }

    // Writes the tag and a length to be patched; returns where the length is.
    size_t beginChunk(const char* t)
    {
        tag(t);
        const size_t at = size_;
        u32(0);
        return at;
    }
    // Patches the length written by beginChunk: everything after it.
    void endChunk(size_t at)
    {
        if (failed_)
            return;
        const auto length = static_cast<uint32_t>(size_ - at - 4);
        std::memcpy(data_ + at, &length, 4);
    }

    // Raw access for bulk payloads: reserve first, then write `n` bytes at
    // `tail()` and `advance(n)`.
    unsigned char* tail() { return data_ + size_; }
    void advance(size_t n) { size_ += n; }

    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }
    bool failed() const { return failed_; }

private:
    unsigned char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    bool failed_ = false;
};

// Reads values between `pos` and `end`; a read that does not fit fails and
// consumes nothing.
class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t begin, size_t end) : data_(data), pos_(begin), end_(end) {}

    size_t position() const { return pos_; }
    size_t end() const { return end_; }
    size_t remaining() const { return end_ - pos_; }
    bool atEnd() const { return pos_ >= end_; }
    void seek(size_t p) { pos_ = p < end_ ? p : end_; }

    bool u32(uint32_t& out)
    {
        if (remaining() < 4)
            return false;
        std::memcpy(&out, data_ + pos_, 4);
        pos_ += 4;
        return true;
    }
    // As u32, read as signed (object and element indices).
    bool i32(long& out)
    {
        uint32_t v;
        if (!u32(v))
            return false;
        out = static_cast<int32_t>(v);
        return true;
    }
    // A value that is not a number reads as 0.
    bool f32(float& out)
    {
        if (remaining() < 4)
            return false;
        std::memcpy(&out, data_ + pos_, 4);
        if (std::isnan(out))
            out = 0.0f;
        pos_ += 4;
        return true;
    }
    // Reads up to n floats into `out`; those not read keep their values.
    void f32s(float* out, int n)
    {
        for (int i = 0; i < n && f32(out[i]); ++i) {
        }
    }
    bool tag(char out[4])
    {
        if (remaining() < 4)
            return false;
        std::memcpy(out, data_ + pos_, 4);
        pos_ += 4;
        return true;
    }
    // The text of `bytes` bytes (one character per 16-bit unit; a unit
    // beyond 8 bits reads as '?'), clipped to what is left.
    std::string text(size_t bytes)
    {
        if (bytes > remaining())
            bytes = remaining();
        std::string s;
        s.reserve(bytes / 2);
        for (size_t i = 0; i + 1 < bytes; i += 2) {
            const unsigned unit = data_[pos_ + i] | (data_[pos_ + i + 1] << 8);
            s.push_back(unit < 256 ? static_cast<char>(unit) : '?');
        }
        pos_ += bytes;
        return s;
    }
    // A string record: u32 byte length, then the text.
    std::string stringRecord()
    {
        uint32_t length = 0;
        if (!u32(length))
            return {};
        return text(length);
    }

    const unsigned char* at() const { return data_ + pos_; }

private:
    const unsigned char* data_;
    size_t pos_;
    size_t end_;
};

// One chunk: its tag and payload bounds, clipped to the enclosing chunk.
struct Chunk {
    char tag[4];
    size_t begin = 0;
    size_t end = 0;
    bool is(const char* t) const { return std::memcmp(tag, t, 4) == 0; }
};

// Reads the next chunk header from `in` and moves `in` past the payload, so
// that a chunk nobody decodes is skipped. False when no whole header is left.
inline bool nextChunk(ByteReader& in, Chunk& out)
{
    uint32_t length = 0;
    if (in.remaining() < 8 || !in.tag(out.tag) || !in.u32(length))
        return false;
    out.begin = in.position();
    out.end = length > in.remaining() ? in.end() : out.begin + length;
    in.seek(out.end);
    return true;
}
