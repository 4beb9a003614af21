#pragma once
// Little-endian building blocks of the ".tvb" format: a byte writer that
// chunks are written into (lengths patched after the payload), collecting
// in memory or writing through to a file, and a bounded reader that never
// reads past the end it is given.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Formats/LargeBlock.h"

// Values are copied in memory order; the format is little-endian.
static_assert(std::endian::native == std::endian::little, "the .tvb code copies little-endian values as they are");

class ByteWriter {
public:
    // Collects the whole output in memory.
    ByteWriter() = default;
    // Writes through to `file` whenever about FlushSize bytes are held, so
    // that a big scene never needs its whole file in memory; lengths of
    // chunks whose start has gone out already are patched by `finish`.
    explicit ByteWriter(std::FILE* file) : file_(file) { reserve(FlushSize); }
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;
    ~ByteWriter() { std::free(data_); }

    static constexpr size_t FlushSize = size_t(1) << 19;

    // Room for `more` bytes beyond what is held; false when out of memory
    // (every later write is then dropped and `failed` tells).
    bool reserve(size_t more)
    {
        if (size_ + more <= capacity_)
            return !failed_;
        if (file_ && size_) {
            flush();
            if (more <= capacity_)
                return !failed_;
        }
        size_t wanted = capacity_ ? capacity_ : 4096;
        while (wanted < size_ + more)
            wanted *= 2;
        auto* grown = static_cast<unsigned char*>(data_ ? std::realloc(data_, wanted) : allocateLarge(wanted));
        if (!grown) {
            failed_ = true;
            return false;
        }
        data_ = grown;
        capacity_ = wanted;
        return !failed_;
    }

    // The whole output will be about `total` bytes: memory mode takes the
    // room at once; file mode keeps its fixed buffer.
    void expect(size_t total)
    {
        if (!file_)
            reserve(total);
    }

    // Raw access for per-element payloads: `room(n)` gives n writable bytes
    // (null when out of memory); write them and hand the end to `commit`.
    unsigned char* room(size_t n)
    {
        if (size_ + n > capacity_ && !reserve(n))
            return nullptr;
        return data_ + size_;
    }
    void commit(const unsigned char* end) { size_ = static_cast<size_t>(end - data_); }

    void bytes(const void* p, size_t n)
    {
        if (n == 0)
            return;
        if (file_ && n >= FlushSize) {
            // A big block goes out as it is, without a copy.
            flush();
            if (!failed_)
                write(p, n);
            return;
        }
        if (!reserve(n))
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
        for (size_t at = 0; at < s.size(); at += FlushSize / 2) {
            const size_t n = std::min(s.size() - at, FlushSize / 2);
            unsigned char* p = room(2 * n);
            if (!p)
                return;
            for (size_t i = 0; i < n; ++i) {
                *p++ = static_cast<unsigned char>(s[at + i]);
                *p++ = 0;
            }
            commit(p);
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
        const size_t at = position();
        u32(0);
        return at;
    }
    // Patches the length written by beginChunk: everything after it.
    void endChunk(size_t at)
    {
        if (failed_)
            return;
        const auto length = static_cast<uint32_t>(position() - at - 4);
        if (at >= written_)
            std::memcpy(data_ + (at - written_), &length, 4);
        else
            latePatches_.push_back({at, length});
    }

    // Bytes produced so far, written out or held.
    size_t position() const { return written_ + size_; }

    // File mode: writes what is held and patches the lengths that went out
    // early. False when anything failed.
    bool finish()
    {
        if (!file_)
            return !failed_;
        flush();
        for (const Patch& p : latePatches_) {
            if (failed_ || std::fseek(file_, static_cast<long>(p.at), SEEK_SET) != 0) {
                failed_ = true;
                break;
            }
            shortWrite_ = shortWrite_ || std::fwrite(&p.length, 4, 1, file_) != 1;
        }
        return !failed_;
    }
    // File mode, after `finish`: some bytes did not reach the file (a full
    // disk). The writers do not report it; the file commands must know.
    bool shortWrite() const { return shortWrite_; }

    // Memory mode: the whole output.
    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }
    bool failed() const { return failed_; }
    // Marks the output as failed (a part made aside could not be had).
    void fail() { failed_ = true; }
    void clearForTest() { size_ = 0; }

private:
    struct Patch {
        size_t at;
        uint32_t length;
    };

    void flush()
    {
        if (size_ && !failed_)
            write(data_, size_);
        size_ = 0;
    }
    // Write errors do not stop the writer (the writers promise not to
    // report them); only `shortWrite` remembers them.
    void write(const void* p, size_t n)
    {
        shortWrite_ = shortWrite_ || std::fwrite(p, 1, n, file_) != n;
        written_ += n;
    }

    unsigned char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t written_ = 0; // file mode: bytes already handed to the file
    std::FILE* file_ = nullptr;
    std::vector<Patch> latePatches_;
    bool failed_ = false;
    bool shortWrite_ = false;
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
