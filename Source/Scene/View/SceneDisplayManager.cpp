// Cameras, layouts and the views they give.
#include "Scene/View/SceneDisplayManager.h"

#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/CameraNavigation.h"
#include "Scene/View/CameraSet.h"
#include "Settings/SettingsVariables.h"

SceneDisplayManager::SceneDisplayManager() : cameras(defaultCameras())
{
    for (int id = 0; id < ViewLayout::Count; ++id)
        layouts.emplace_back(id);
}

void SceneDisplayManager::initialize()
{
    applySettings();
}

void SceneDisplayManager::shutdown()
{
    saveSettings();
}

void SceneDisplayManager::resize(int width, int height)
{
    viewportWidth = width;
    viewportHeight = height;
    layouts[layoutId].fit(width, height);
    redrawRequested = true;
}

ViewProjection SceneDisplayManager::viewOf(int camera, const ViewRect& rect) const
{
    Camera c = cameras[camera];
    const SettingsVariables& v = settingsVariables();
    applyLensSettings(c, v.cameraFieldOfView, v.nearClipRatio);
    return ViewProjection(c, rect);
}

Camera& SceneDisplayManager::lensed(int index)
{
    Camera& c = cameras[index];
    const SettingsVariables& v = settingsVariables();
    applyLensSettings(c, v.cameraFieldOfView, v.nearClipRatio);
    return c;
}

Camera* SceneDisplayManager::cameraAt(int x, int y)
{
    const int at = layout().viewportAt(x, y);
    return at < 0 ? nullptr : &lensed(layout().viewports[at].camera);
}

ViewProjection SceneDisplayManager::activeView() const
{
    const Viewport& v = layout().viewports[layout().active];
    return viewOf(v.camera, v.rect);
}

bool SceneDisplayManager::viewAt(int x, int y, ViewProjection& out) const
{
    const int at = layout().viewportAt(x, y);
    if (at < 0)
        return false;
    const Viewport& v = layout().viewports[at];
    out = viewOf(v.camera, v.rect);
    return true;
}

bool SceneDisplayManager::inUVSpace() const
{
    return activeCamera().kind == Camera::UVSpace;
}

float SceneDisplayManager::worldLength(float pixels) const
{
    ViewRect rect = layout().viewports[layout().active].rect;
    // Before the window shows the viewports, measure as in a usual one.
    if (rect.width <= 0 || rect.height <= 0)
        rect = ViewRect{0, 0, 640, 480};
    const ViewProjection view = viewOf(activeCameraIndex(), rect);
    return view.worldLength(pixels, view.target);
}

void SceneDisplayManager::matchSpaceToCamera()
{
    if (!managers || !managers->objectManager)
        return;
    const bool uv = inUVSpace();
    if (managers->objectManager->uvSpace == uv)
        return;
    managers->objectManager->uvSpace = uv;
    if (managers->selectionManager)
        managers->selectionManager->refreshDisplay();
    sceneChanged = true;
}

void SceneDisplayManager::layoutChanged()
{
    layouts[layoutId].fit(viewportWidth, viewportHeight);
    sceneChanged = true;
    matchSpaceToCamera();
    redrawRequested = true;
}

void SceneDisplayManager::setView(int view)
{
    setViewCamera(cameraForView(view));
}

void SceneDisplayManager::setViewCamera(int camera)
{
    if (camera < 0 || camera >= static_cast<int>(cameras.size()))
        return;
    ViewLayout& l = layouts[layoutId];
    l.viewports[l.active].camera = camera;
    sceneChanged = true;
    matchSpaceToCamera();
    redrawRequested = true;
}

void SceneDisplayManager::setLayout(int id)
{
    if (id < 0 || id >= ViewLayout::Count)
        return;
    ViewLayout& single = layouts[ViewLayout::Single];
    if (id != ViewLayout::Single) {
        layoutId = id;
    } else if (layoutId != ViewLayout::Single) {
        previousLayout = layoutId;
        single.viewports[0].camera = activeCameraIndex();
        single.active = 0;
        layoutId = ViewLayout::Single;
    } else if (previousLayout >= 0) {
        // The maximized view goes back where it came from, camera and all.
        ViewLayout& back = layouts[previousLayout];
        back.viewports[back.active].camera = single.viewports[0].camera;
        layoutId = previousLayout;
        previousLayout = -1;
    }
    layoutChanged();
}

void SceneDisplayManager::showUVViews()
{
    for (const Viewport& v : layout().viewports)
        if (cameras[v.camera].kind == Camera::UVSpace) {
            layoutChanged();
            return;
        }
    layoutId = ViewLayout::ThreeRight;
    ViewLayout& l = layouts[layoutId];
    if (l.viewports.size() == 3) {
        l.viewports[1].camera = UV3DCamera;
        l.viewports[2].camera = UV2DCamera;
    }
    l.active = 0;
    layoutChanged();
}
