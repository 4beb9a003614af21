#include "Scene/View/Camera.h"

#include <cmath>
#include <utility>

namespace {

constexpr double pi = 3.14159265358979323846;

void multiply(const double a[16], const double b[16], double out[16])
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += a[k * 4 + r] * b[c * 4 + k];
            out[c * 4 + r] = s;
        }
}

void transform(const double m[16], const double in[4], double out[4])
{
    for (int r = 0; r < 4; ++r)
        out[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r] * in[3];
}

// General 4 × 4 inverse by cofactors; false for a singular matrix.
bool invert(const double m[16], double out[16])
{
    double inv[16];
    inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] + m[9] * m[7] * m[14] +
             m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
    inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] - m[8] * m[7] * m[14] -
             m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
    inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] + m[8] * m[7] * m[13] +
             m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
    inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] - m[8] * m[6] * m[13] -
              m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
    inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] - m[9] * m[3] * m[14] -
             m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
    inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] + m[8] * m[3] * m[14] +
             m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
    inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] - m[8] * m[3] * m[13] -
             m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
    inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] + m[8] * m[2] * m[13] +
              m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
    inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] + m[5] * m[3] * m[14] +
             m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
    inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] - m[4] * m[3] * m[14] -
             m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
    inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] + m[4] * m[3] * m[13] +
              m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
    inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] - m[4] * m[2] * m[13] -
              m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
    inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] - m[5] * m[3] * m[10] -
             m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
    inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] + m[4] * m[3] * m[10] +
             m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
    inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] - m[4] * m[3] * m[9] -
              m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
    inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] + m[4] * m[2] * m[9] +
              m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
    double det = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
    if (det == 0)
        return false;
    for (int i = 0; i < 16; ++i)
        out[i] = inv[i] / det;
    return true;
}

} // namespace

Camera::Camera(std::string cameraName, int cameraKind, bool ortho, bool freeRotation, Point3D eyePoint,
               Point3D targetPoint, Point3D upVector)
    : name(std::move(cameraName)), kind(cameraKind), orthographic(ortho), rotates(freeRotation), eye(eyePoint),
      target(targetPoint), up(upVector)
{
}

bool Camera::projectionMatrix(int width, int height, double out[16]) const
{
    if (width <= 0 || height <= 0)
        return false;
    const double n = nearDistance, f = farDistance;
    for (int i = 0; i < 16; ++i)
        out[i] = 0;
    if (orthographic) {
        const double h = halfHeight, w = halfHeight * width / height;
        out[0] = 1 / w;
        out[5] = 1 / h;
        out[10] = -2 / (f - n);
        out[14] = -(f + n) / (f - n);
        out[15] = 1;
    } else {
        const double h = n * std::tan(angle * pi / 180), w = h * width / height;
        out[0] = n / w;
        out[5] = n / h;
        out[10] = -(f + n) / (f - n);
        out[11] = -1;
        out[14] = -2 * f * n / (f - n);
    }
    return true;
}

void Camera::viewMatrix(double out[16]) const
{
    Point3D f = viewDirection();
    Point3D s = f.cross(up).normalized();
    Point3D u = s.cross(f);
    const double m[16] = {s.x, u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        out[i] = m[i];
    out[12] = -(s.x * double(eye.x) + s.y * double(eye.y) + s.z * double(eye.z));
    out[13] = -(u.x * double(eye.x) + u.y * double(eye.y) + u.z * double(eye.z));
    out[14] = f.x * double(eye.x) + f.y * double(eye.y) + f.z * double(eye.z);
}

Point3D Camera::viewDirection() const
{
    return (target - eye).normalized();
}

ViewProjection::ViewProjection(const Camera& camera, const ViewRect& rect)
    : viewport(rect), orthographic(camera.orthographic), eye(camera.eye), target(camera.target)
{
    camera.projectionMatrix(rect.width, rect.height, projection);
    camera.viewMatrix(modelview);
}

bool ViewProjection::project(const Point3D& world, double& px, double& py, double& depth) const
{
    const double in[4] = {world.x, world.y, world.z, 1};
    double eyeSpace[4], clip[4];
    transform(modelview, in, eyeSpace);
    transform(projection, eyeSpace, clip);
    if (clip[3] <= 0)
        return false;
    px = viewport.x + viewport.width * (clip[0] / clip[3] + 1) / 2;
    py = viewport.y + viewport.height * (clip[1] / clip[3] + 1) / 2;
    depth = (clip[2] / clip[3] + 1) / 2;
    return true;
}

Point3D ViewProjection::unproject(double px, double py, double depth) const
{
    double m[16], inv[16];
    multiply(projection, modelview, m);
    if (!invert(m, inv) || viewport.width <= 0 || viewport.height <= 0)
        return eye;
    const double ndc[4] = {2 * (px - viewport.x) / viewport.width - 1, 2 * (py - viewport.y) / viewport.height - 1,
                           2 * depth - 1, 1};
    double w[4];
    transform(inv, ndc, w);
    if (w[3] == 0)
        return eye;
    return Point3D(float(w[0] / w[3]), float(w[1] / w[3]), float(w[2] / w[3]));
}

void ViewProjection::ray(double px, double py, Point3D& origin, Point3D& direction) const
{
    origin = unproject(px, py, 0);
    direction = (unproject(px, py, 1) - origin).normalized();
}

float ViewProjection::worldLength(float pixels, const Point3D& at) const
{
    double px, py, depth;
    if (!project(at, px, py, depth))
        return 0;
    return (unproject(px + pixels, py, depth) - unproject(px, py, depth)).length();
}
