#pragma once
// Drawing of the scene's objects in one viewport: each object at its current
// level, in its shading mode, with its selection highlighted. Needs a current
// GL context with the viewport's matrices loaded.
#include "Scene/View/Camera.h"

struct SceneManagers;

// What the frame decides about object drawing beyond the objects' own state.
struct ObjectDrawOptions {
    bool showLights = true; // light objects draw their icon ("Show Lights Toggle")
};

// uvSpace: draw the objects' UV proxies in the UV plane instead of the
// objects. The options come from the settings ("Show Lights").
void drawSceneObjects(SceneManagers& managers, const ViewProjection& view, bool uvSpace);
void drawSceneObjects(SceneManagers& managers, const ViewProjection& view, bool uvSpace,
                      const ObjectDrawOptions& options);

// Gives back the GL buffers kept for big meshes. Call with the context they
// were made in current, before that context goes away.
void releaseObjectDrawCaches();
