#pragma once
// Where an edit leaves the points its value tool moves afterwards: each new
// or affected vertex with the direction it travels per unit of the value.
// The tools layer adapts its manipulation target to this, so that the mesh
// knows nothing of tools.
#include "Mesh/Point3D.h"

class InnerShape;
class Vertex;

class PointDirections {
public:
    virtual ~PointDirections() = default;
    // `v` moves by direction × weight × value, and by `negative` × weight ×
    // value while the value is below 0 (the same as `direction` for edits
    // that have no separate negative travel).
    virtual void addPoint(Vertex* v, const Point3D& direction, const Point3D& negative, float weight) = 0;
    // Every point of `object` has been added.
    virtual void finishObject(InnerShape& object) = 0;

    void addPoint(Vertex* v, const Point3D& direction) { addPoint(v, direction, direction, 1.0f); }
};
