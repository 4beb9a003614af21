#pragma once
// A named camera: how one viewport looks at the scene. Pure math, no GL, so
// that picking and tests work without a display.
#include <string>

#include "Mesh/Point3D.h"

// A camera's work grid: square, centred on the origin, in the plane whose
// normal is the world axis `normalAxis` (0 x, 1 y, 2 z).
struct WorkGrid {
    int normalAxis = 1;
    float size = 5.0f;    // half the side: the grid reaches from -size to size
    float spacing = 0.5f; // between neighbouring lines
};

class Camera {
public:
    enum Kind { Model = 0, UVSpace = 1 }; // kind 1 marks the two UV cameras

    Camera() = default;
    Camera(std::string cameraName, int cameraKind, bool ortho, bool freeRotation, Point3D eyePoint,
           Point3D targetPoint, Point3D upVector);

    // Column-major 4 × 4 matrices, as GL takes them. False (out untouched)
    // when the viewport has no area.
    bool projectionMatrix(int width, int height, double out[16]) const;
    void viewMatrix(double out[16]) const;
    // Unit vector from the eye to the target.
    Point3D viewDirection() const;
    float targetDistance() const { return (target - eye).length(); }

    std::string name;
    int kind = Model;
    bool orthographic = false;
    bool rotates = true;        // free rotation; fixed orthographic cameras do not turn
    double angle = 20;          // half the vertical view angle, degrees
    double halfHeight = 5;      // orthographic half-height, world units
    float nearDistance = 0.01f;
    float farDistance = 1000.0f;
    Point3D eye{0, 0, 10};
    Point3D target{0, 0, 0};
    Point3D up{0, 1, 0};
    WorkGrid grid;
};

// A rectangle of the drawing area in pixels, origin bottom-left, y upward.
struct ViewRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// A camera seen through one viewport: everything a pick or a projection
// needs, copied so that it stays valid while the camera moves. Pixel
// coordinates are those of the drawing area, origin bottom-left, y upward.
struct ViewProjection {
    ViewProjection() = default;
    ViewProjection(const Camera& camera, const ViewRect& rect);

    // Window position (px, py) and depth 0 (near) to 1 (far) of a world
    // point, as gluProject gives them. False for a point behind the eye.
    bool project(const Point3D& world, double& px, double& py, double& depth) const;
    // The world point at window position (px, py) and depth 0 to 1.
    Point3D unproject(double px, double py, double depth) const;
    // The ray under window position (px, py): from the near plane, unit direction.
    void ray(double px, double py, Point3D& origin, Point3D& direction) const;
    // World length of `pixels` pixels at the depth of `at`.
    float worldLength(float pixels, const Point3D& at) const;

    double modelview[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    double projection[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ViewRect viewport;
    bool orthographic = false;
    Point3D eye;
    Point3D target;
};
