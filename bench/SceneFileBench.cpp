// Scene files of one object of 1000 x 1000 quads (1001 x 1001 vertices),
// against the raw cost of writing as many bytes with one fwrite.
//   tvb-save-1M: writeBinaryScene to a file (goal: ratio 2 or less);
//   tvb-load-1M: readBinaryScene of that file into an empty scene (goal: 5 or less);
//   tva-save-1M, tva-load-1M: the same with the ASCII format, for the record.
// The peer `raw` writes a prepared buffer of the file's size with one fwrite
// and closes the file. Timed: the call alone; the scene and the buffer are
// made outside the timing, and the loaded objects are given back after it.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Comparison.h"
#include "GridShape.h"
#include "Formats/AsciiScene.h"
#include "Formats/BinaryScene.h"
#include "Formats/SceneContents.h"
#include "Mesh/Shape.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;
constexpr int QuadCount = QuadsPerSide * QuadsPerSide;

std::string benchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// The contents that are saved, built once.
const SceneContents& gridScene()
{
    static SceneContents contents;
    if (contents.objects.empty())
        contents.objects.push_back(gridShape(QuadsPerSide));
    return contents;
}

bool rawWrite(const char* name, Sample& outSample)
{
    const auto size = static_cast<size_t>(std::filesystem::file_size(benchPath(name)));
    std::vector<unsigned char> buffer(size, 7);
    const std::string path = benchPath("tavo-bench-raw.bin");
    Stopwatch clock;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const size_t written = std::fwrite(buffer.data(), 1, size, f);
    std::fclose(f);
    outSample.seconds = clock.seconds();
    return written == size;
}

using Writer = bool (*)(const std::string&, const SceneContents&, bool, const FileProgress&);
using Reader = bool (*)(const std::string&, SceneContents&, const SceneReadFeedback&);

template <Writer write>
bool save(const char* name, Sample& outSample)
{
    const SceneContents& contents = gridScene();
    Stopwatch clock;
    const bool ok = write(benchPath(name), contents, false, {});
    outSample.seconds = clock.seconds();
    return ok;
}

template <Reader read, Writer write>
bool load(const char* name, Sample& outSample)
{
    if (!std::filesystem::exists(benchPath(name)) && !write(benchPath(name), gridScene(), false, {}))
        return false;
    SceneContents contents;
    Stopwatch clock;
    const bool ok = read(benchPath(name), contents, {});
    outSample.seconds = clock.seconds();
    const std::vector<Shape*>& objects = contents.objects;
    const bool whole = ok && objects.size() == 1 && objects[0]->faces.count() == QuadCount &&
        objects[0]->vertices.count() == Side * Side && objects[0]->edges.count() == 2 * QuadsPerSide * Side;
    discardContents(contents);
    return whole;
}

bool saveTvb(Sample& s) { return save<writeBinaryScene>("tavo-bench.tvb", s); }
bool loadTvb(Sample& s) { return load<readBinaryScene, writeBinaryScene>("tavo-bench.tvb", s); }
bool saveTva(Sample& s) { return save<writeAsciiScene>("tavo-bench.tva", s); }
bool loadTva(Sample& s) { return load<readAsciiScene, writeAsciiScene>("tavo-bench.tva", s); }
// The raw figures need the file there first; the first side run writes it.
bool rawTvb(Sample& s) { return (std::filesystem::exists(benchPath("tavo-bench.tvb")) || saveTvb(s)) && rawWrite("tavo-bench.tvb", s); }
bool rawTva(Sample& s) { return (std::filesystem::exists(benchPath("tavo-bench.tva")) || saveTva(s)) && rawWrite("tavo-bench.tva", s); }

const bool registered = registerComparison({"tvb-save-1M", "raw", saveTvb, rawTvb}) &&
    registerComparison({"tvb-load-1M", "raw", loadTvb, rawTvb}) &&
    registerComparison({"tva-save-1M", "raw", saveTva, rawTva}) &&
    registerComparison({"tva-load-1M", "raw", loadTva, rawTva});

} // namespace
