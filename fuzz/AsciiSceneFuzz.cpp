// Any text given to the ".tva" reader: it must neither crash nor hang, and
// nothing it reads may leave the scene unsafe to save again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Formats/AsciiScene.h"
#include "Formats/SceneReadLimits.h"
#include "Scene/Scene.h"

// A small file may ask for many subdivision levels; the budget keeps each
// input within the fuzzer's memory limit, as it keeps real reads sane.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sceneReadLimits().maxLevelElements = 20000;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Scene scene(nullptr, "");
    readAsciiSceneFromText(std::string_view(reinterpret_cast<const char*>(data), size), "/nonexistent", scene);
    // Writing back walks everything the reader built, links included.
    writeAsciiSceneToText(scene, false, "/nonexistent");
    return 0;
}
