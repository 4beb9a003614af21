#pragma once
// Whole-file input for the scene readers: a file is read in one piece, so
// that neither format pays per-value stream costs. And the clean-up after a
// write that failed half way.
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

// Removes what a failed write left at `path`, when that is a plain file: a
// scene written to a device (or through a link to one) leaves the device be.
void removePartialFile(const std::string& path);
