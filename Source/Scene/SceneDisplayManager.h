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

    // --- operations the command dispatch calls ---
    // Each does nothing until cameras, layouts and button pages are built.
    // view: 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 6 Free Ortho,
    // 7 Perspective, 8 UV 2D, 9 UV 3D, for the active viewport.
    virtual void setView(int /*view*/) {}
    // layout: 0 Single, 1 4 View, 2 Vertical, 3 Horizontal, 4 3 View Right, 5 3 View Left.
    virtual void setLayout(int /*layout*/) {}
    // page: 0 to 8.
    virtual void setButtonPage(int /*page*/) {}
    virtual void previousButtonPage() {}
    virtual void nextButtonPage() {}
    virtual void toggleButtons() {}
    virtual void toggleWalkthrough() {}
    // forward: the order of the shading cycle.
    virtual void cycleShading(bool /*forward*/) {}
    virtual void focusSelection() {}
    virtual void frameSelection() {}
    virtual void zoomIn() {}
    virtual void zoomOut() {}
    virtual void makeSceneLightsDefault() {}
    virtual void setViewportImage() {}
    virtual void selectViewportImage() {}
    virtual void deleteViewportImage() {}
    // Start a view drag at (x, y) in the viewport under it.
    virtual void startPan(int /*x*/, int /*y*/) {}
    virtual void startZoom(int /*x*/, int /*y*/) {}
    virtual void startRotate(int /*x*/, int /*y*/) {}
    virtual void toggleAlternativeViewManipulation() {}
    // Before UVs are recreated: puts the "UV 3D" and "UV 2D" cameras on
    // screen, or refreshes the layout when one already shows them.
    virtual void showUVViews() {}

    int viewportWidth = 0;    // drawing area in pixels
    int viewportHeight = 0;
    float orbitDistance = 10; // eye distance from the origin, world units
    float rotationX = 25;     // elevation of the eye, degrees
    float rotationY = -35;    // turn about the world Y axis, degrees
    float fieldOfView = 20;   // half the vertical view angle, degrees

private:
    void drawObjects();
};
