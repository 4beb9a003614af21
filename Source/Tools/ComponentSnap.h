#pragma once
// What component snapping aims at: the point of the scene's geometry under
// the mouse, leaving out everything the manipulator is moving.
#include "Mesh/Point3D.h"

class ManipulatorFrame;
struct SceneManagers;
struct ViewProjection;

// Within `reach` pixels of (x, y): the nearest vertex; else the nearest
// point of the nearest edge (the point of the edge closest to the mouse
// ray); else the nearest point where the mouse ray meets a face. Hidden
// objects and elements, the frame's whole objects and every vertex, edge
// and face touching a point the frame moves are skipped. False when
// nothing is there.
bool componentPointUnder(const SceneManagers& managers, const ViewProjection& view, double x, double y,
                         const ManipulatorFrame& moving, float reach, Point3D& out);
