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
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;
constexpr int QuadCount = QuadsPerSide * QuadsPerSide;

std::string benchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// The scene that is saved, built once.
Scene& gridScene()
{
    static std::unique_ptr<Scene> scene;
    if (!scene) {
        scene = std::make_unique<Scene>(nullptr, "");
        Shape* grid = gridShape(QuadsPerSide);
        scene->objectManager->addObject(grid);
    }
    return *scene;
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

template <bool (*write)(const std::string&, Scene&, bool, const SceneFileProgress&)>
bool save(const char* name, Sample& outSample)
{
    Scene& scene = gridScene();
    Stopwatch clock;
    const bool ok = write(benchPath(name), scene, false, {});
    outSample.seconds = clock.seconds();
    return ok;
}

template <bool (*read)(const std::string&, Scene&, const SceneFileProgress&), bool (*write)(const std::string&, Scene&, bool, const SceneFileProgress&)>
bool load(const char* name, Sample& outSample)
{
    if (!std::filesystem::exists(benchPath(name)) && !write(benchPath(name), gridScene(), false, {}))
        return false;
    Scene scene(nullptr, "");
    Stopwatch clock;
    const bool ok = read(benchPath(name), scene, {});
    outSample.seconds = clock.seconds();
    const List<Shape*>& objects = scene.objectManager->objects;
    return ok && objects.count() == 1 && objects[0]->faces.count() == QuadCount &&
        objects[0]->vertices.count() == Side * Side && objects[0]->edges.count() == 2 * QuadsPerSide * Side;
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
