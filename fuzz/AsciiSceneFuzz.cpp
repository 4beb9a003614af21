// Any text given to the ".tva" reader: it must neither crash nor hang, and
// nothing it reads may be unsafe to save again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Formats/AsciiScene.h"
#include "Formats/SceneReadLimits.h"

// A small file may ask for many subdivision levels; the budget keeps each
// input within the fuzzer's memory limit, as it keeps real reads sane.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sceneReadLimits().maxReadElements = 20000;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SceneContents contents;
    readAsciiSceneFromText(std::string_view(reinterpret_cast<const char*>(data), size), "/nonexistent", contents);
    // Writing back walks everything the reader built, links included.
    writeAsciiSceneToText(contents, false, "/nonexistent");
    discardContents(contents);
    return 0;
}
