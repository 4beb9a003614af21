#include "Scene/View/CameraNavigation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float degrees = 3.14159265358979f / 180.0f;
// Far plane in eye-to-target distances: deep enough for a scene around the
// target, shallow enough to keep depth precision.
constexpr float perspectiveDepth = 50.0f;
// The closest a zoom brings the eye to its target, as a share of the distance.
constexpr float closestShare = 0.05f;
constexpr float smallestHalfHeight = 1e-4f;
constexpr float fitMargin = 1.15f;

// `v` turned by `angle` degrees about the unit axis `axis` (Rodrigues).
Point3D rotated(const Point3D& v, const Point3D& axis, float angle)
{
    const float c = std::cos(angle * degrees), s = std::sin(angle * degrees);
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
}

void turnAbout(Camera& camera, const Point3D& centre, float yaw, float pitch)
{
    const Point3D worldUp{0, 1, 0};
    const Point3D right = camera.viewDirection().cross(camera.up).normalized();
    auto turn = [&](const Point3D& v) { return rotated(rotated(v, right, pitch), worldUp, yaw); };
    camera.eye = centre + turn(camera.eye - centre);
    camera.target = centre + turn(camera.target - centre);
    camera.up = turn(camera.up).normalized();
}

} // namespace

void orbitCamera(Camera& camera, const Point3D& pivot, float yaw, float pitch)
{
    turnAbout(camera, pivot, yaw, pitch);
}

void turnCamera(Camera& camera, float yaw, float pitch)
{
    turnAbout(camera, camera.eye, yaw, pitch);
}

void zoomCamera(Camera& camera, float amount, bool walkthrough, float walkSpeed)
{
    const float distance = camera.targetDistance();
    const float d = walkthrough ? walkSpeed : distance;
    float step = 0.007f * amount * d * -1.0f;
    if (camera.orthographic) {
        const float scale = std::max(1.0f + 0.005f * step, closestShare);
        camera.halfHeight = std::max(camera.halfHeight / scale, double(smallestHalfHeight));
        return;
    }
    const Point3D forward = camera.viewDirection();
    if (walkthrough) {
        camera.eye += forward * step;
        camera.target += forward * step;
        return;
    }
    step = std::min(step, distance * (1 - closestShare));
    camera.eye += forward * step;
}

void panCamera(Camera& camera, const ViewRect& rect, double fromX, double fromY, double toX, double toY)
{
    const ViewProjection view(camera, rect);
    double px, py, depth;
    if (!view.project(camera.target, px, py, depth))
        return;
    const Point3D shift = view.unproject(fromX, fromY, depth) - view.unproject(toX, toY, depth);
    camera.eye += shift;
    camera.target += shift;
}

void centreCamera(Camera& camera, const Point3D& centre)
{
    const Point3D shift = centre - camera.target;
    camera.eye += shift;
    camera.target = centre;
}

void fitCamera(Camera& camera, const Point3D& centre, float radius, double aspect)
{
    centreCamera(camera, centre);
    radius = std::max(radius, smallestHalfHeight) * fitMargin;
    // The narrower side of the viewport must hold the sphere.
    const double across = aspect < 1 ? radius / aspect : radius;
    if (camera.orthographic) {
        camera.halfHeight = across;
        return;
    }
    const double distance = across / std::sin(camera.angle * degrees);
    camera.eye = centre - camera.viewDirection() * float(distance);
}

void applyLensSettings(Camera& camera, float fieldOfView, float nearRatio)
{
    camera.angle = fieldOfView / 2;
    const float distance = std::max(camera.targetDistance(), smallestHalfHeight);
    // An orthographic camera sees as far behind its target as in front.
    camera.farDistance = camera.orthographic ? 2 * distance : perspectiveDepth * distance;
    camera.nearDistance = camera.farDistance * nearRatio;
}
