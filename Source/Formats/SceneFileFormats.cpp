#include "Formats/SceneFileFormats.h"

#include "Formats/AsciiScene.h"
#include "Formats/BinaryScene.h"

std::vector<SceneFormat> nativeSceneFormats()
{
    return {
        {"tvb", looksLikeBinaryScene, readBinaryScene, writeBinarySceneChecked},
        {"tva", looksLikeAsciiScene, readAsciiScene, writeAsciiSceneChecked},
    };
}
