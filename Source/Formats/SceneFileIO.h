#pragma once
// File handling shared by the scene formats: input mapped in one piece, so
// that neither format pays per-value stream costs nor holds a copy of the
// file, and output that never leaves half a scene behind.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

// The bytes of a regular file, mapped read-only for as long as the view
// lives. Anything else (a folder, a pipe, a device) is refused without
// waiting on it: the file is opened without blocking and checked first.
class FileView {
public:
    // False when `path` cannot be opened, is not a regular file, or cannot be mapped.
    bool open(const std::string& path);
    ~FileView();
    FileView() = default;
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }

private:
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
    bool mapped_ = false; // an empty file has nothing mapped
};

// Whether `path` names a regular file (or a link to one).
bool isRegularFile(const std::string& path);
// Up to `n` bytes from the start of the regular file at `path`; empty when
// it is not one or cannot be read.
std::string fileStart(const std::string& path, size_t n);

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
