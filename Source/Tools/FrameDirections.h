#pragma once
// Hands the points a mesh edit leaves for its value tool to the shared
// manipulation target.
#include <vector>

#include "Mesh/Topology/PointDirections.h"

class ManipulatorFrame;
class Shape;

class FrameDirections : public PointDirections {
public:
    FrameDirections(ManipulatorFrame& frame, Shape& object) : frame_(frame), object_(object) {}
    void addPoint(Vertex* v, const Point3D& direction, const Point3D& negative, float weight) override;
    void finishObject(InnerShape&) override {}
    void addChangedFace(Face* face) override { changedFaces_.push_back(face); }
    // After the edit (when the object's vertex list is final): enters every
    // collected point in the frame with its directions, and enables the
    // negative list when some point has one of its own. Returns the count.
    int commit();
    // Moves the collected points as the value `v` would, before they are
    // committed (so that an undo record made now sees them moved).
    void moveBy(float v);

private:
    struct Pending {
        Vertex* vertex;
        Point3D direction, negative;
        float weight;
    };
    ManipulatorFrame& frame_;
    Shape& object_;
    std::vector<Pending> pending_;
    std::vector<Face*> changedFaces_;
};
