#pragma once
// Owns how the scene is looked at and draws every frame. Until the cameras
// and viewport layouts exist it keeps one orbiting perspective view that
// fills the whole drawing area.
#include "Mesh/List.h"
#include "Scene/SceneManager.h"

class Camera;

class SceneDisplayManager : public SceneManager {
public:
    // Initializing applies the saved settings; shutting down saves them.
    void initialize() override;
    void shutdown() override;

    // The drawing area changed size (pixels); asks for a redraw.
    virtual void resize(int width, int height);
    // The camera of the viewport under (x, y); null until camera objects exist.
    virtual Camera* cameraAt(int /*x*/, int /*y*/) { return nullptr; }
    // Draws one frame (needs a current GL context). `drawers` are asked, in
    // list order, for `drawActiveViewport` after the scene, for
    // `drawActiveViewportUnlit` once the lights are off, and for
    // `drawOverlay` once at the end. Draws nothing while the area is empty.
    virtual void drawViewports(const List<SceneManager*>& drawers);

    int viewportWidth = 0;    // drawing area in pixels
    int viewportHeight = 0;
    float orbitDistance = 10; // eye distance from the origin, world units
    float rotationX = 25;     // elevation of the eye, degrees
    float rotationY = -35;    // turn about the world Y axis, degrees
    float fieldOfView = 20;   // half the vertical view angle, degrees

private:
    void drawObjects();
};
