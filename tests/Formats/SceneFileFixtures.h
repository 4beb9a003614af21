#pragma once
// Scenes for the scene-file tests: a scene with a recording window, and a
// scene that holds one of every thing the files carry.
#include <string>

#include "Scene/Scene.h"
#include "support/RecordingWindow.h"

// Where the test scenes pretend to live; texture and image paths sit below it.
inline const std::string sceneFolder = "/tmp/tavo-formats-test";

struct TestScene {
    TestScene() : scene(&window, "") { window.scene = &scene; }
    RecordingWindow window;
    Scene scene;
};

// Fills `scene` with, in scene order: "Cube" (materials by face, a crease,
// at level 1 with levels 1 and 2 built and displaced), "Plate" (two quads,
// one with a hole; crease, seam, hidden face, mirror partners, marks for
// partial subdivision, display switches), "Plate UV Proxy" (owner Plate,
// faces linked), an instance of Cube, a spot light; two materials (one
// textured), four groups and a reference image on the top view.
void buildRichScene(Scene& scene);

// A small scene for the truncation tests: a textured cube at level 1 with
// displacement, an instance, a light, a group and a reference image.
void buildSmallScene(Scene& scene);
