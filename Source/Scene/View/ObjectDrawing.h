#pragma once
// Drawing of the scene's objects in one viewport: each object at its current
// level, in its shading mode, with its selection highlighted. Needs a current
// GL context with the viewport's matrices loaded.
#include "Scene/View/Camera.h"

struct SceneManagers;

void drawSceneObjects(SceneManagers& managers, const ViewProjection& view, bool uvSpace);
