#pragma once
// "Scene Info": what the scene holds, as lines of text for a notice box.
#include <QString>

class Scene;

// Objects, then the control meshes' vertices, edges and faces, then the
// faces drawn at the objects' current subdivision levels.
QString sceneInfoText(Scene& scene);
