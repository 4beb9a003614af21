#pragma once
// Surface snapping: each moved point drops onto the surface seen behind it,
// along the view ray through its place on the screen.
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Point3D.h"
#include "Tools/ComponentSnap.h"

class ManipulatorFrame;
class Vertex;
struct SceneManagers;
struct ViewProjection;

// The triangles points may land on: the faces of the visible, unselected
// objects at their current level, leaving out the frame's whole objects and
// every face touching a moved point.
class SurfaceTargets {
public:
    void collect(SceneManagers& managers, const ManipulatorFrame& moving);
    // Where the view ray through the screen position of `p` first meets a
    // target; false when it meets none.
    bool hit(const ViewProjection& view, const Point3D& p, Point3D& out) const;
    // Where the view ray through window position (x, y) first meets a
    // target, and which face that is.
    bool hitAt(const ViewProjection& view, double x, double y, Point3D& out, SnapTarget* outTarget = nullptr) const;
    bool empty() const { return triangles_.empty(); }

private:
    struct Triangle {
        Point3D a, b, c;
        SnapTarget face;
    };
    std::vector<Triangle> triangles_;
};

// Moves every point that lies in front of a target onto it; the others stay.
// Returns how many moved.
int snapToSurface(const SurfaceTargets& targets, const ViewProjection& view, const List<Vertex*>& points);
