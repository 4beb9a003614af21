#pragma once
// Whole-file input and output for the scene formats: a scene is built in
// memory and written with one call, and read back in one piece, so that
// neither format pays per-value stream costs.
#include <cstddef>
#include <memory>
#include <string>

// Bytes of a file read whole; `data` is null when the file could not be
// opened, its size not told, or the memory not had.
struct FileBytes {
    struct Free {
        void operator()(unsigned char* p) const;
    };
    std::unique_ptr<unsigned char, Free> data;
    size_t size = 0;
};

FileBytes readWholeFile(const std::string& path);

// Creates (or replaces) the file and writes `size` bytes; `text` opens it
// in text mode. False when the file cannot be created; errors after that
// are not reported, as the writers promise.
bool writeWholeFile(const std::string& path, const void* data, size_t size, bool text);
