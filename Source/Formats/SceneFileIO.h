#pragma once
// File handling shared by the scene formats: input read in one piece, so
// that neither format pays per-value stream costs, and output that never
// leaves half a scene behind.
#include <cstddef>
#include <cstdio>
#include <functional>
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

// How a scene writer's pass over an open file went.
struct SceneFileWrite {
    bool held = true;    // memory sufficed for everything
    bool reached = true; // every byte reached the file
};
// Opens `path` for writing (`mode` as fopen takes it) without stdio
// buffering, since the writers hand over large pieces themselves, lets
// `write` fill it and closes it. False, leaving no partial file, when it
// cannot be opened, when memory failed, or, with `checked`, when a byte did
// not reach the file or the close failed.
bool writeSceneFile(const std::string& path, const char* mode, bool checked,
                    const std::function<SceneFileWrite(std::FILE* file)>& write);

// Removes what a failed write left at `path`, when that is a plain file: a
// scene written to a device (or through a link to one) leaves the device be.
void removePartialFile(const std::string& path);
