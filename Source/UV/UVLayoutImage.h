#pragma once
// The UV layout as a picture: the outlines of UV faces drawn into an RGB
// image of the unit square (v up), and that image written as a PNG file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Mesh/List.h"

class Face;

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // rows from the top, 3 bytes a pixel
};

using Colour = std::array<float, 3>; // components 0 to 1

// Every side of `faces` (proxy faces) drawn one pixel wide in `line` on
// `background`; UV (0, 0) is the bottom left corner, (1, 1) the top right.
// An empty image for a width or height below 1.
RgbImage drawUVLayout(const List<Face*>& faces, int width, int height, const Colour& background,
                      const Colour& line);

// Writes `image` as an 8-bit RGB PNG (uncompressed deflate blocks, so that
// no compression library is needed). False when the file cannot be written.
bool writePng(const std::string& path, const RgbImage& image);
