#pragma once
// Owns how the scene is looked at: the ten named cameras, the viewport
// layouts that show them, the active viewport, view navigation, shading
// cycles, reference images, the lights of the frame, and the drawing of
// every frame. It sees every mouse press first, so navigation wins over
// tools and selection.
#include <string>
#include <vector>

#include "Mesh/List.h"
#include "Scene/SceneManager.h"
#include "Scene/View/Camera.h"
#include "Scene/View/DefaultLight.h"
#include "Scene/View/ReferenceImageTextures.h"
#include "Scene/View/ViewLayout.h"

// The image a view shows behind the scene, on a plane of four corners.
struct ReferenceImage {
    int view = 2;                 // 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 7 Perspective
    std::string imagePath;        // absolute once read from a scene file
    float corners[4][3] = {};     // the plane's corners, in the order of its face
    float uv[4][2] = {};          // texture coordinates of the same corners
};

class SceneDisplayManager : public SceneManager {
public:
    // What a drag started in the display manager does (`dragMode`).
    enum DragMode { RotateDrag = 0, ZoomDrag = 1, PanDrag = 2, DividerDrag = 3, NoDrag = 5 };

    SceneDisplayManager();

    // Initializing applies the saved settings; shutting down saves them.
    void initialize() override;
    void shutdown() override;
    // The layout, its cameras and dividers, every camera's placement and
    // the default lights, to and from hidden options of "Display Settings"
    // and "Light Options".
    void saveSettings() override;
    void applySettings() override;

    // A press makes the viewport under it active (switching between model
    // and UV space when its camera needs it) and is consumed only while a
    // navigation drag runs or when it grabs a divider between viewports.
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override;
    // Carry a navigation or divider drag; false when none runs.
    bool mouseDrag(int x, int y) override;
    bool mouseRelease(int x, int y) override;

    // The drawing area changed size (pixels); refits the layout, asks for a redraw.
    virtual void resize(int width, int height);
    // The camera of the viewport under (x, y); null where there is none.
    virtual Camera* cameraAt(int x, int y);
    // The camera and rectangle of the active viewport (the one last pressed in).
    virtual ViewProjection activeView() const;
    // The view of the viewport under (x, y); false when none is there.
    virtual bool viewAt(int x, int y, ViewProjection& out) const;
    // True while the active viewport shows a UV camera.
    virtual bool inUVSpace() const;
    // World length that `pixels` pixels have in the active viewport, at the
    // depth of the camera's target.
    virtual float worldLength(float pixels) const;
    // Draws one frame (needs a current GL context). `drawers` are asked, in
    // list order, for `drawActiveViewport` after the scene, for
    // `drawActiveViewportUnlit` once the lights are off, both in the active
    // viewport, and for `drawOverlay` once at the end. Draws nothing while
    // the area is empty.
    virtual void drawViewports(const List<SceneManager*>& drawers);

    // --- operations the command dispatch calls ---
    // view: 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 6 Free Ortho,
    // 7 Perspective (and any other value), 8 UV 2D, 9 UV 3D, for the active viewport.
    virtual void setView(int view);
    // camera: a CameraIndex; the active viewport shows it.
    void setViewCamera(int camera);
    // layout: 0 Single, 1 4 View, 2 Vertical, 3 Horizontal, 4 3 View Right,
    // 5 3 View Left. 0 again returns to the layout single view came from.
    virtual void setLayout(int layout);
    // Button pages belong to the window's button bar.
    virtual void setButtonPage(int /*page*/) {}
    virtual void previousButtonPage() {}
    virtual void nextButtonPage() {}
    virtual void toggleButtons() {}
    virtual void toggleWalkthrough();
    // forward: the order of the shading cycle. The selected objects, or all
    // objects when none is selected, take the next step from the first one's.
    virtual void cycleShading(bool forward);
    // Centre the selection (with none, every shown object, or the work grid
    // of an empty view) in the active viewport; focusing also comes close enough for it to fill the
    // viewport. Both make its centre the pivot of "Framed Selection".
    virtual void focusSelection();
    virtual void frameSelection();
    virtual void zoomIn() { zoomBy(-15); }
    virtual void zoomOut() { zoomBy(15); }
    // One zoom step of the active camera (negative zooms in); see zoomCamera.
    void zoomBy(float amount);
    // The scene's lights become the default lights (the camera light again
    // when the scene has none).
    virtual void makeSceneLightsDefault();
    virtual void setViewportImage();
    virtual void selectViewportImage();
    virtual void deleteViewportImage();
    // Start a view drag at (x, y) in the viewport under it.
    virtual void startPan(int x, int y) { startDrag(PanDrag, x, y); }
    virtual void startZoom(int x, int y) { startDrag(ZoomDrag, x, y); }
    virtual void startRotate(int x, int y) { startDrag(RotateDrag, x, y); }
    // Switches the mode in which plain left, middle and right drags rotate,
    // zoom and pan the view.
    virtual void toggleAlternativeViewManipulation();
    // Before UVs are recreated: puts the "UV 3D" and "UV 2D" cameras on
    // screen, or refits the layout when one already shows them.
    virtual void showUVViews();

    // --- reference images ---
    // Gives `view` the image at `path` on the plane with corner positions
    // `corners` (4 × x y z) and corner texture coordinates `uvs` (4 × u v),
    // replacing the image it had. An empty path removes the view's image.
    void setReferenceImage(int view, const std::string& path, const float corners[12], const float uvs[8]);
    // In view order, at most one per view.
    const std::vector<ReferenceImage>& referenceImageList() const { return referenceImages; }

    // --- state ---
    const ViewLayout& layout() const { return layouts[layoutId]; }
    // The camera list position of the active viewport's camera.
    int activeCameraIndex() const { return layout().viewports[layout().active].camera; }
    // The active camera, its lens brought up to the camera settings.
    Camera& activeCamera() { return lensed(activeCameraIndex()); }
    const Camera& activeCamera() const { return cameras[activeCameraIndex()]; }
    // Camera `camera` with the lens of the camera settings, seen through
    // `rect`.
    ViewProjection viewOf(int camera, const ViewRect& rect) const;

    int viewportWidth = 0;            // drawing area in pixels
    int viewportHeight = 0;
    std::vector<Camera> cameras;      // in CameraIndex order
    std::vector<ViewLayout> layouts;  // one per layout id, each keeping its cameras
    int layoutId = ViewLayout::Single;
    int previousLayout = -1;          // where "Single View Layout" returns to; -1 none
    int dragMode = NoDrag;            // a DragMode
    int dragViewport = 0;             // the viewport of the running drag
    int dividerAxis = 0;              // of a divider drag: 0 upright, 1 level
    Point3D pivot{0, 0, 0};           // what rotate drags orbit
    int lastX = 0;                    // mouse position of the last drag step
    int lastY = 0;
    bool walkthrough = false;         // rotate turns about the eye, zoom walks
    bool buttonNavigation = false;    // plain presses of the three buttons navigate
    std::vector<DefaultLight> defaultLights = cameraLight();
    bool lockDefaultLights = true;    // default light positions are in eye coordinates
    std::vector<ReferenceImage> referenceImages; // in view order, at most one per view
    int selectedImageView = -1;       // view of the selected reference image; -1 none
    ReferenceImageTextures imageTextures; // of the images drawn so far; made and freed while drawing

private:
    void startDrag(int mode, int x, int y);
    // Camera `index` with the lens of the camera settings, which may have
    // changed since it last moved.
    Camera& lensed(int index);
    // Model or UV space as the active camera needs; the selection follows.
    void matchSpaceToCamera();
    // After a change of layout or cameras: refit, tell the peers, redraw.
    void layoutChanged();
    // Centre of the selection and the radius around it that holds it.
    bool selectionSphere(Point3D& outCentre, float& outRadius) const;
    // What framing shows: the selection, else every shown object of the
    // current space, else the active camera's work grid.
    void framingSphere(Point3D& outCentre, float& outRadius) const;
    // The camera of the viewport under a drag, for a drag's own moves.
    Camera& dragCamera();
    void drawViewport(int index, const List<SceneManager*>& drawers);
    void enableLights(const ViewProjection& view);
};
