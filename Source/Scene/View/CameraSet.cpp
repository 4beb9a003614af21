#include "Scene/View/CameraSet.h"

namespace {

// Fixed cameras stand this far from what they look at, so that a whole
// scene of usual size lies between the eye and the far plane.
constexpr float fixedDistance = 200.0f;

struct CameraRow {
    const char* name;
    int kind;
    bool orthographic;
    bool rotates;
    Point3D eye;
    Point3D target;
    Point3D up;
    int gridNormal;
};

const Point3D yUp{0, 1, 0};
const Point3D zUp{0, 0, 1};
const Point3D uvCentre{0.5f, 0.5f, 0};

const CameraRow rows[CameraCount] = {
    {"Perspective", Camera::Model, false, true, {14, 11, 21}, {0, 0, 0}, yUp, 1},
    {"UV 3D", Camera::UVSpace, false, true, {2.0f, 2.4f, 3.4f}, uvCentre, yUp, 2},
    {"UV 2D", Camera::UVSpace, true, false, {0.5f, 0.5f, fixedDistance}, uvCentre, yUp, 2},
    // Looking straight down, so "up" on screen is away from the front view.
    {"Top", Camera::Model, true, false, {0, fixedDistance, 0}, {0, 0, 0}, {0, 0, -1}, 1},
    {"Free Ortho", Camera::Model, true, true, {101.5f, 81.2f, 152.3f}, {0, 0, 0}, yUp, 1},
    {"Bottom", Camera::Model, true, false, {0, -fixedDistance, 0}, {0, 0, 0}, zUp, 1},
    {"Right", Camera::Model, true, false, {fixedDistance, 0, 0}, {0, 0, 0}, yUp, 0},
    {"Left", Camera::Model, true, false, {-fixedDistance, 0, 0}, {0, 0, 0}, yUp, 0},
    {"Front", Camera::Model, true, false, {0, 0, fixedDistance}, {0, 0, 0}, yUp, 2},
    {"Back", Camera::Model, true, false, {0, 0, -fixedDistance}, {0, 0, 0}, yUp, 2},
};

// View numbers of the view commands, by camera position.
constexpr int viewNumbers[CameraCount] = {7, 9, 8, 4, 6, 5, 1, 0, 2, 3};

} // namespace

std::vector<Camera> defaultCameras()
{
    std::vector<Camera> cameras;
    for (const CameraRow& r : rows) {
        Camera c(r.name, r.kind, r.orthographic, r.rotates, r.eye, r.target, r.up);
        c.grid.normalAxis = r.gridNormal;
        // The UV square is one unit wide: its views start close.
        c.halfHeight = r.kind == Camera::UVSpace ? 0.75 : 5.0;
        cameras.push_back(c);
    }
    return cameras;
}

int cameraForView(int view)
{
    for (int c = 0; c < CameraCount; ++c)
        if (viewNumbers[c] == view)
            return c;
    return PerspectiveCamera;
}

int viewOfCamera(int camera)
{
    return camera >= 0 && camera < CameraCount ? viewNumbers[camera] : viewNumbers[PerspectiveCamera];
}

int cameraByName(const std::vector<Camera>& cameras, const std::string& name)
{
    for (size_t i = 0; i < cameras.size(); ++i)
        if (cameras[i].name == name)
            return static_cast<int>(i);
    return -1;
}
