#include "Scene/View/SceneDisplayManager.h"

#include <cmath>

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
    redrawRequested = true;
}

namespace {

// The one orbiting view until cameras and layouts exist.
Camera orbitCamera(const SceneDisplayManager& d)
{
    const float fieldOfView = d.fieldOfView, rotationX = d.rotationX, rotationY = d.rotationY,
                orbitDistance = d.orbitDistance;
    Camera camera;
    camera.angle = fieldOfView;
    const float pitch = rotationX * 3.14159265f / 180, yaw = rotationY * 3.14159265f / 180;
    camera.eye = Point3D(-std::sin(yaw) * std::cos(pitch), std::sin(pitch), std::cos(yaw) * std::cos(pitch)) *
                 orbitDistance;
    camera.nearDistance = orbitDistance * 0.01f;
    camera.farDistance = orbitDistance * 100.0f;
    return camera;
}

} // namespace

ViewProjection SceneDisplayManager::activeView() const
{
    return ViewProjection(orbitCamera(*this), ViewRect{0, 0, viewportWidth, viewportHeight});
}

bool SceneDisplayManager::viewAt(int x, int y, ViewProjection& out) const
{
    out = activeView();
    return out.viewport.contains(x, y);
}

float SceneDisplayManager::worldLength(float pixels) const
{
    ViewProjection view = activeView();
    if (view.viewport.height <= 0) // a usual window until one is shown
        view = ViewProjection(orbitCamera(*this), ViewRect{0, 0, 640, 480});
    else if (view.viewport.width <= 0)
        view = ViewProjection(orbitCamera(*this), ViewRect{0, 0, view.viewport.height, view.viewport.height});
    return view.worldLength(pixels, view.target);
}
