#include "UVLayoutImage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "Mesh/Face.h"
#include "Mesh/Vertex.h"

namespace {

uint8_t byteOf(float component)
{
    return static_cast<uint8_t>(std::lround(std::clamp(component, 0.0f, 1.0f) * 255.0f));
}

void drawLine(RgbImage& image, float x0, float y0, float x1, float y1, const uint8_t rgb[3])
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    // One sample a pixel; sides reaching far outside the square are sampled
    // no finer than a few times the picture's size.
    const float length = std::max(std::fabs(x1 - x0), std::fabs(y1 - y0));
    const int steps = static_cast<int>(std::min(std::ceil(length), 4.0f * (image.width + image.height)));
    for (int i = 0; i <= steps; ++i) {
        const float t = steps ? static_cast<float>(i) / steps : 0.0f;
        const long x = std::lround(x0 + (x1 - x0) * t);
        const long y = std::lround(y0 + (y1 - y0) * t);
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            continue;
        std::copy(rgb, rgb + 3, &image.pixels[3 * (static_cast<size_t>(y) * image.width + x)]);
    }
}

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBig32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    putBig32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(&out[typeAt], data.size() + 4));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> out{0x78, 0x01};
    constexpr size_t maxBlock = 65535;
    size_t at = 0;
    do {
        const size_t n = std::min(maxBlock, raw.size() - at);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(out, (b << 16) | a);
    return out;
}

} // namespace

RgbImage drawUVLayout(const List<Face*>& faces, int width, int height, const Colour& background, const Colour& line)
{
    RgbImage image;
    if (width < 1 || height < 1)
        return image;
    image.width = width;
    image.height = height;
    const uint8_t back[3] = {byteOf(background[0]), byteOf(background[1]), byteOf(background[2])};
    const uint8_t ink[3] = {byteOf(line[0]), byteOf(line[1]), byteOf(line[2])};
    image.pixels.resize(3 * static_cast<size_t>(width) * height);
    for (size_t i = 0; i < image.pixels.size(); i += 3)
        std::copy(back, back + 3, &image.pixels[i]);
    auto column = [&](const Vertex* v) { return v->x * (width - 1); };
    auto row = [&](const Vertex* v) { return (1 - v->y) * (height - 1); };
    for (const Face* f : faces)
        for (int k = 0; k < f->cornerCount(); ++k) {
            const Vertex* a = f->cornerVertex(k);
            const Vertex* b = f->cornerVertex(k + 1);
            drawLine(image, column(a), row(a), column(b), row(b), ink);
        }
    return image;
}

bool writePng(const std::string& path, const RgbImage& image)
{
    if (image.width < 1 || image.height < 1)
        return false;
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBig32(header, static_cast<uint32_t>(image.width));
    putBig32(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);
    const size_t rowBytes = 3 * static_cast<size_t>(image.width);
    std::vector<uint8_t> raw;
    raw.reserve((rowBytes + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // filter: none
        const auto rowStart = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), rowStart, rowStart + static_cast<std::ptrdiff_t>(rowBytes));
    }
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    return std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
}
