#pragma once
// Where an edit leaves the points its value tool moves afterwards: each new
// or affected vertex with the direction it travels per unit of the value.
// The tools layer adapts its manipulation target to this, so that the mesh
// knows nothing of tools.
#include <vector>

#include "Mesh/Point3D.h"

class Face;
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
    // An edit that knows every face with one of its points among the
    // corners may say so, face by face: moving the points then updates
    // only those faces. An edit that names some must name them all.
    virtual void addChangedFace(Face* /*face*/) {}

    void addPoint(Vertex* v, const Point3D& direction) { addPoint(v, direction, direction, 1.0f); }
};

// Hands everything on to another receiver (when there is one) and keeps the
// changed faces the edit names, for the update that follows the edit.
class NamingFaces : public PointDirections {
public:
    explicit NamingFaces(PointDirections* next) : next_(next) {}
    void addPoint(Vertex* v, const Point3D& direction, const Point3D& negative, float weight) override
    {
        if (next_)
            next_->addPoint(v, direction, negative, weight);
    }
    void finishObject(InnerShape& object) override
    {
        if (next_)
            next_->finishObject(object);
    }
    void addChangedFace(Face* face) override
    {
        faces_.push_back(face);
        if (next_)
            next_->addChangedFace(face);
    }
    std::vector<Face*> takeFaces() { return std::move(faces_); }

private:
    PointDirections* next_;
    std::vector<Face*> faces_;
};
