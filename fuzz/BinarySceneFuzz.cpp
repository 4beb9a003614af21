// Any bytes given to the ".tvb" reader: it must neither crash nor hang, and
// nothing it reads may be unsafe to save again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Formats/BinaryScene.h"
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
    readBinarySceneFromBytes(std::span<const unsigned char>(data, size), "/nonexistent", contents);
    // Writing back walks everything the reader built, links included.
    writeBinarySceneToBytes(contents, false, "/nonexistent");
    discardContents(contents);
    return 0;
}
