#pragma once
// "windowdata.dat": the main window's dock and toolbar layout, an opaque
// block that the toolkit produces and accepts, kept byte for byte.
#include <filesystem>
#include <vector>

// Writes `block` as it is. False when the file cannot be created or written.
bool saveWindowData(const std::filesystem::path& path, const std::vector<char>& block);

// Reads the whole file into `outBlock`. False, leaving `outBlock` alone, when
// the file is missing or cannot be read.
bool loadWindowData(const std::filesystem::path& path, std::vector<char>& outBlock);
