#pragma once
// What component snapping aims at: the point of the scene's geometry under
// the mouse, leaving out everything the manipulator is moving.
#include "Mesh/Point3D.h"

class Geometry;
class ManipulatorFrame;
class Shape;
struct SceneManagers;
struct ViewProjection;

// Within `reach` pixels of (x, y): the nearest vertex; else the nearest
// point of the nearest edge (the point of the edge closest to the mouse
// ray); else the nearest point where the mouse ray meets a face. Hidden
// objects and elements, the frame's whole objects and every vertex, edge
// and face touching a point the frame moves are skipped. False when
// nothing is there.
// `outTarget`, when given, receives the vertex, edge or face aimed at.
struct SnapTarget {
    Shape* object = nullptr;
    const Geometry* element = nullptr;
};
bool componentPointUnder(const SceneManagers& managers, const ViewProjection& view, double x, double y,
                         const ManipulatorFrame& moving, float reach, Point3D& out, SnapTarget* outTarget = nullptr);

// Distance along the ray (o, d) to where it meets the triangle abc; < 0
// for a miss.
float rayTriangle(const Point3D& o, const Point3D& d, const Point3D& a, const Point3D& b, const Point3D& c);
