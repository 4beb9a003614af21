#pragma once
// Scene contents for the scene-file tests: contents that give back what
// they hold, and contents holding one of every thing the files carry.
#include <span>
#include <string>
#include <vector>

#include "Formats/AsciiScene.h"
#include "Formats/BinaryScene.h"
#include "Formats/SceneContents.h"

// Where the test scenes pretend to live; texture and image paths sit below it.
inline const std::string sceneFolder = "/tmp/tavo-formats-test";

// Contents that own what they hold, as a read leaves them.
struct OwnedContents : SceneContents {
    OwnedContents() = default;
    OwnedContents(const OwnedContents&) = delete;
    ~OwnedContents() { discardContents(*this); }
    Shape& object(int i) const { return *objects[static_cast<size_t>(i)]; }
    std::string text(bool selectedOnly = false) const { return writeAsciiSceneToText(*this, selectedOnly, sceneFolder); }
    std::vector<unsigned char> bytes() const { return writeBinarySceneToBytes(*this, false, sceneFolder); }
    void readText(std::string_view text) { readAsciiSceneFromText(text, sceneFolder, *this); }
    void readBytes(std::span<const unsigned char> bytes) { readBinarySceneFromBytes(bytes, sceneFolder, *this); }
};

// Fills `scene` with, in scene order: "Cube" (materials by face, a crease,
// at level 1 with levels 1 and 2 built and displaced), "Plate" (two quads,
// one with a hole; crease, seam, hidden face, mirror partners, marks for
// partial subdivision, display switches), "Plate UV Proxy" (owner Plate,
// faces linked), an instance of Cube, a spot light; two materials (one
// textured), four groups and a reference image on the top view.
void buildRichScene(SceneContents& scene);

// A small scene for the truncation tests: a textured cube at level 1 with
// displacement, an instance, a light, a group and a reference image.
void buildSmallScene(SceneContents& scene);
