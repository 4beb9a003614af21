// View navigation: presses, rotate, zoom, pan and divider drags, zoom
// steps, walkthrough mode, and framing the selection.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/View/CameraNavigation.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"

namespace {

constexpr float orbitDegreesPerPixel = 0.5f;
constexpr int dividerReach = 3;       // pixels either side of a divider that grab it
constexpr float dividerMargin = 5.0f; // percent a viewport keeps at least
constexpr int leftButton = 0;
constexpr int rotateAroundSelection = 0; // "Rotate Camera Around": "Selection"

// Grows the box [outMin, outMax] by `p`.
void include(const Point3D& p, Point3D& outMin, Point3D& outMax, bool& outAny)
{
    if (!outAny) {
        outMin = outMax = p;
        outAny = true;
        return;
    }
    outMin = Point3D(std::min(outMin.x, p.x), std::min(outMin.y, p.y), std::min(outMin.z, p.z));
    outMax = Point3D(std::max(outMax.x, p.x), std::max(outMax.y, p.y), std::max(outMax.z, p.z));
}

// The box of what `selected` holds: whole objects with all their vertices.
void includeSelection(const ObjectSelection& s, Point3D& outMin, Point3D& outMax, bool& outAny)
{
    if (s.whole)
        for (const Vertex* v : s.object->vertices)
            include(*v, outMin, outMax, outAny);
    for (const Vertex* v : s.vertices)
        include(*v, outMin, outMax, outAny);
    for (const Edge* e : s.edges) {
        include(*e->startVertex, outMin, outMax, outAny);
        include(*e->endVertex, outMin, outMax, outAny);
    }
    for (const Face* f : s.faces)
        for (int k = 0; k < f->cornerCount(); ++k)
            include(*f->cornerVertex(k), outMin, outMax, outAny);
}

} // namespace

bool SceneDisplayManager::mousePress(int x, int y, int button, int modifiers, int, bool)
{
    if (dragMode != NoDrag)
        return true;
    ViewLayout& l = layouts[layoutId];
    if (button == leftButton && l.viewports.size() > 1) {
        const int divider = l.dividerAt(x, y, dividerReach);
        if (divider >= 0) {
            dragMode = DividerDrag;
            dividerAxis = divider;
            return true;
        }
    }
    const int at = l.viewportAt(x, y);
    if (at >= 0 && at != l.active) {
        l.active = at;
        redrawRequested = true;
        matchSpaceToCamera();
    }
    if (buttonNavigation && modifiers == 0 && button >= 0 && button < 3) {
        static constexpr int byButton[3] = {RotateDrag, ZoomDrag, PanDrag};
        startDrag(byButton[button], x, y);
        return true;
    }
    return false;
}

void SceneDisplayManager::toggleAlternativeViewManipulation()
{
    buttonNavigation = !buttonNavigation;
    if (managers && managers->applicationManager)
        managers->applicationManager->report(buttonNavigation ? "Ostra-style view manipulation on"
                                                              : "Ostra-style view manipulation off",
                                             SceneApplicationManager::StatusReport);
}

void SceneDisplayManager::startDrag(int mode, int x, int y)
{
    const int at = layout().viewportAt(x, y);
    dragViewport = at >= 0 ? at : layout().active;
    dragMode = mode;
    lastX = x;
    lastY = y;
    // Objects may draw lighter while the view moves.
    redrawRequested = true;
    Point3D centre;
    float radius = 0;
    if (settingsVariables().rotateCameraAround == rotateAroundSelection)
        pivot = selectionSphere(centre, radius) ? centre : dragCamera().target;
}

Camera& SceneDisplayManager::dragCamera()
{
    const ViewLayout& l = layout();
    const int at = dragViewport < static_cast<int>(l.viewports.size()) ? dragViewport : l.active;
    return lensed(l.viewports[at].camera);
}

bool SceneDisplayManager::mouseDrag(int x, int y)
{
    if (dragMode == NoDrag)
        return false;
    ViewLayout& l = layouts[layoutId];
    switch (dragMode) {
    case RotateDrag: {
        Camera& c = dragCamera();
        const float yaw = -orbitDegreesPerPixel * (x - lastX), pitch = orbitDegreesPerPixel * (y - lastY);
        if (!c.rotates)
            break;
        if (walkthrough)
            turnCamera(c, yaw, pitch);
        else
            orbitCamera(c, pivot, yaw, pitch);
        break;
    }
    case ZoomDrag: {
        const int dx = lastX - x, dy = lastY - y;
        zoomCamera(dragCamera(), float(std::abs(dx) > std::abs(dy) ? dx : dy), walkthrough,
                   settingsVariables().walkthroughSpeed);
        break;
    }
    case PanDrag:
        panCamera(dragCamera(), l.viewports[std::min<size_t>(dragViewport, l.viewports.size() - 1)].rect, lastX,
                  lastY, x, y);
        break;
    case DividerDrag: {
        const float percent = dividerAxis == 0 ? x * 100.0f / std::max(viewportWidth, 1)
                                               : y * 100.0f / std::max(viewportHeight, 1);
        (dividerAxis == 0 ? l.splitX : l.splitY) = std::clamp(percent, dividerMargin, 100 - dividerMargin);
        l.fit(viewportWidth, viewportHeight);
        break;
    }
    default:
        break;
    }
    lastX = x;
    lastY = y;
    redrawRequested = true;
    return true;
}

bool SceneDisplayManager::mouseRelease(int, int)
{
    if (dragMode == NoDrag)
        return false;
    dragMode = NoDrag;
    // Other managers measure in the view that moved.
    sceneChanged = true;
    redrawRequested = true;
    return true;
}

void SceneDisplayManager::zoomBy(float amount)
{
    zoomCamera(activeCamera(), amount, walkthrough, settingsVariables().walkthroughSpeed);
    redrawRequested = true;
}

void SceneDisplayManager::toggleWalkthrough()
{
    walkthrough = !walkthrough;
    if (managers && managers->applicationManager)
        managers->applicationManager->report(walkthrough ? "Walkthrough mode on" : "Walkthrough mode off",
                                             SceneApplicationManager::StatusReport);
}

bool SceneDisplayManager::selectionSphere(Point3D& outCentre, float& outRadius) const
{
    if (!managers || !managers->objectManager || !managers->selectionManager)
        return false;
    Point3D low, high;
    bool any = false;
    const SelectedElements selected(*managers);
    for (const ObjectSelection& s : selected.perObject())
        includeSelection(s, low, high, any);
    if (!any)
        return false;
    outCentre = (low + high) * 0.5f;
    outRadius = (high - low).length() / 2;
    return true;
}

void SceneDisplayManager::framingSphere(Point3D& outCentre, float& outRadius) const
{
    if (selectionSphere(outCentre, outRadius))
        return;
    Point3D low, high;
    bool any = false;
    const bool uv = inUVSpace();
    if (managers && managers->objectManager)
        for (const Shape* o : managers->objectManager->objects)
            if (!o->isHidden() && (o->shapeKind() == InnerShape::KindTextureProxy) == uv)
                for (const Vertex* v : o->vertices)
                    include(*v, low, high, any);
    if (any) {
        outCentre = (low + high) * 0.5f;
        outRadius = (high - low).length() / 2;
        return;
    }
    // An empty view shows its work grid.
    const Camera& c = activeCamera();
    outCentre = c.kind == Camera::UVSpace ? Point3D(0.5f, 0.5f, 0) : Point3D(0, 0, 0);
    outRadius = c.kind == Camera::UVSpace ? 0.75f : c.grid.size;
}

void SceneDisplayManager::frameSelection()
{
    Point3D centre;
    float radius = 0;
    framingSphere(centre, radius);
    centreCamera(activeCamera(), centre);
    pivot = centre;
    sceneChanged = true;
    redrawRequested = true;
}

void SceneDisplayManager::focusSelection()
{
    Point3D centre;
    float radius = 0;
    framingSphere(centre, radius);
    const ViewRect& r = layout().viewports[layout().active].rect;
    fitCamera(activeCamera(), centre, radius, r.height > 0 ? double(r.width) / r.height : 1.0);
    pivot = centre;
    sceneChanged = true;
    redrawRequested = true;
}
