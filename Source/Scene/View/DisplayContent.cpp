// What the display shows besides the cameras: the objects' shading cycle,
// the reference images of the fixed views and the default lights.
#include <algorithm>
#include <array>

#include "Mesh/Light.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/CameraSet.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ShadingCycle.h"
#include "Settings/SettingsVariables.h"

namespace {

const std::vector<FileType> imageTypes = {{"png", "PNG Image"}, {"jpg", "JPEG Image"}, {"bmp", "BMP Image"},
                                          {"tga", "TGA Image"}, {"tif", "TIFF Image"}};
// Half the side of a new reference image's square, and how far behind the
// origin it stands, so that objects about the origin stay in front of it.
constexpr float imageHalfSide = 5.0f;
constexpr float imageDepth = 100.0f;

std::vector<Shape*> shadingTargets(const List<Shape*>& objects)
{
    std::vector<Shape*> targets;
    for (Shape* o : objects)
        if (o->isSelected())
            targets.push_back(o);
    if (targets.empty())
        targets.assign(objects.begin(), objects.end());
    return targets;
}

} // namespace

void SceneDisplayManager::cycleShading(bool forward)
{
    if (!managers || !managers->objectManager)
        return;
    const std::vector<Shape*> targets = shadingTargets(managers->objectManager->objects);
    if (targets.empty())
        return;
    int mode = targets.front()->shadingMode();
    bool wire = targets.front()->displayFlags & InnerShape::WireOnShaded;
    stepShading(mode, wire, forward ? 1 : -1);
    for (Shape* o : targets) {
        o->displayFlags = wire ? (o->displayFlags | InnerShape::WireOnShaded)
                               : (o->displayFlags & ~InnerShape::WireOnShaded);
        o->setShadingMode(mode);
    }
    redrawRequested = true;
}

void SceneDisplayManager::setReferenceImage(int view, const std::string& path, const float corners[12],
                                            const float uvs[8])
{
    auto at = std::find_if(referenceImages.begin(), referenceImages.end(),
                           [view](const ReferenceImage& r) { return r.view >= view; });
    if (at != referenceImages.end() && at->view == view)
        at = referenceImages.erase(at);
    if (selectedImageView == view)
        selectedImageView = -1;
    if (path.empty())
        return;
    ReferenceImage image;
    image.view = view;
    image.imagePath = path;
    std::copy(corners, corners + 12, &image.corners[0][0]);
    std::copy(uvs, uvs + 8, &image.uv[0][0]);
    referenceImages.insert(at, image);
}

void SceneDisplayManager::setViewportImage()
{
    const Camera& c = activeCamera();
    if (!c.orthographic || c.rotates || c.kind == Camera::UVSpace) {
        if (managers && managers->applicationManager)
            managers->applicationManager->report(std::string(Refusal::SetViewportImage),
                                                 SceneApplicationManager::StatusReport);
        return;
    }
    TavoApplicationWindow* window = managers && managers->applicationManager ? managers->applicationManager->window
                                                                              : nullptr;
    const std::string path = window ? window->chooseFile(false, "Choose Reference Image", imageTypes) : "";
    if (path.empty())
        return;
    // A square facing the camera, its texture upright as the camera sees it.
    const Point3D forward = c.viewDirection();
    const Point3D right = forward.cross(c.up).normalized() * imageHalfSide;
    const Point3D up = right.cross(forward).normalized() * imageHalfSide;
    const Point3D centre = forward * imageDepth;
    const std::array<Point3D, 4> corners = {centre - right - up, centre + right - up, centre + right + up,
                                            centre - right + up};
    float xyz[12];
    for (int k = 0; k < 4; ++k) {
        xyz[3 * k] = corners[k].x;
        xyz[3 * k + 1] = corners[k].y;
        xyz[3 * k + 2] = corners[k].z;
    }
    const float uvs[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    setReferenceImage(viewOfCamera(activeCameraIndex()), path, xyz, uvs);
    redrawRequested = true;
}

void SceneDisplayManager::selectViewportImage()
{
    const int view = viewOfCamera(activeCameraIndex());
    if (std::none_of(referenceImages.begin(), referenceImages.end(),
                     [view](const ReferenceImage& r) { return r.view == view; }))
        return;
    if (managers && managers->selectionManager)
        managers->selectionManager->deselect();
    selectedImageView = view;
    // The manipulator takes hold of the image.
    if (managers && managers->toolManager)
        managers->toolManager->rebuildFrame();
    redrawRequested = true;
}

void SceneDisplayManager::deleteViewportImage()
{
    const int view = viewOfCamera(activeCameraIndex());
    const size_t before = referenceImages.size();
    const float none[12] = {};
    setReferenceImage(view, "", none, none);
    if (referenceImages.size() != before)
        redrawRequested = true;
}

void SceneDisplayManager::makeSceneLightsDefault()
{
    if (!managers || !managers->objectManager)
        return;
    lockDefaultLights = settingsVariables().lockLightsToCamera;
    double view[16];
    activeCamera().viewMatrix(view);
    // Locked lights keep where they are seen from now on.
    auto placed = [&](const Point3D& p, double w) {
        if (!lockDefaultLights)
            return p;
        const double in[4] = {p.x, p.y, p.z, w};
        double out[3];
        for (int r = 0; r < 3; ++r)
            out[r] = view[r] * in[0] + view[4 + r] * in[1] + view[8 + r] * in[2] + view[12 + r] * in[3];
        return Point3D(float(out[0]), float(out[1]), float(out[2]));
    };
    std::vector<DefaultLight> lights;
    for (Shape* o : managers->objectManager->objects) {
        if (o->shapeKind() != InnerShape::KindLight)
            continue;
        Light& l = static_cast<Light&>(*o);
        DefaultLight d;
        d.type = l.lightType;
        std::copy(l.ambient, l.ambient + 3, d.ambient);
        std::copy(l.diffuse, l.diffuse + 3, d.diffuse);
        std::copy(l.specular, l.specular + 3, d.specular);
        d.constant = l.constantAttenuation;
        d.linear = l.linearAttenuation;
        d.quadratic = l.quadraticAttenuation;
        d.spotCutoff = l.spotCutoff;
        d.spotExponent = l.spotExponent;
        d.position = placed(l.position(), 1);
        d.target = placed(l.target, 1);
        lights.push_back(d);
    }
    defaultLights = lights.empty() ? cameraLight() : lights;
    if (lights.empty())
        lockDefaultLights = true;
    redrawRequested = true;
}
