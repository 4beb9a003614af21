#pragma once
// Owns how the scene is looked at and draws every frame. Until the cameras
// and viewport layouts exist it keeps one orbiting perspective view that
// fills the whole drawing area.
#include <algorithm>
#include <string>
#include <vector>

#include "Mesh/List.h"
#include "Scene/SceneManager.h"
#include "Scene/View/Camera.h"

// The image a view shows behind the scene, on a plane of four corners.
struct ReferenceImage {
    int view = 2;                 // 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 7 Perspective
    std::string imagePath;        // absolute once read from a scene file
    float corners[4][3] = {};     // the plane's corners, in the order of its face
    float uv[4][2] = {};          // texture coordinates of the same corners
};

class SceneDisplayManager : public SceneManager {
public:
    // Initializing applies the saved settings; shutting down saves them.
    void initialize() override;
    void shutdown() override;

    // The drawing area changed size (pixels); asks for a redraw.
    virtual void resize(int width, int height);
    // The camera of the viewport under (x, y); null until camera objects exist.
    virtual Camera* cameraAt(int /*x*/, int /*y*/) { return nullptr; }
    // The camera and rectangle of the active viewport (the one last clicked).
    virtual ViewProjection activeView() const;
    // The view of the viewport under (x, y); false when none is there.
    virtual bool viewAt(int x, int y, ViewProjection& out) const;
    // True while the scene shows UV space (a UV camera is active).
    virtual bool inUVSpace() const { return false; }
    // World length that `pixels` pixels have in the active viewport, at the
    // depth of the camera's target.
    virtual float worldLength(float pixels) const;
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

    // --- reference images ---
    // Gives `view` the image at `path` on the plane with corner positions
    // `corners` (4 × x y z) and corner texture coordinates `uvs` (4 × u v),
    // replacing the image it had. An empty path removes the view's image.
    void setReferenceImage(int view, const std::string& path, const float corners[12], const float uvs[8])
    {
        auto at = std::find_if(referenceImages.begin(), referenceImages.end(),
                               [view](const ReferenceImage& r) { return r.view >= view; });
        if (at != referenceImages.end() && at->view == view)
            at = referenceImages.erase(at);
        if (path.empty())
            return;
        ReferenceImage image;
        image.view = view;
        image.imagePath = path;
        std::copy(corners, corners + 12, &image.corners[0][0]);
        std::copy(uvs, uvs + 8, &image.uv[0][0]);
        referenceImages.insert(at, image);
    }
    // In view order, at most one per view.
    const std::vector<ReferenceImage>& referenceImageList() const { return referenceImages; }

    int viewportWidth = 0;    // drawing area in pixels
    int viewportHeight = 0;
    float orbitDistance = 10; // eye distance from the origin, world units
    float rotationX = 25;     // elevation of the eye, degrees
    float rotationY = -35;    // turn about the world Y axis, degrees
    float fieldOfView = 20;   // half the vertical view angle, degrees
    std::vector<ReferenceImage> referenceImages; // in view order, at most one per view
};
