#pragma once
// Undo record of point moves (manipulators, tweak, nudges): the moved points
// with their positions from before the move. Undo and redo swap positions.
#include <functional>
#include <vector>

#include "Scene/Undo/UndoCommand.h"

class InnerShape;
class Point3D;
class Shape;

class URmovePoints : public UndoCommand {
public:
    URmovePoints() = default;

    // Records vertex `index` of `object`'s control mesh at its current
    // position; the object is rebuilt after every swap.
    void addPoint(InnerShape& object, int index);
    // Records vertex `index` of subdivision level `level` of `object`
    // (level 0 is the control mesh). Level vertices follow their stencils,
    // so they are moved through their displacement.
    void addLevelPoint(Shape& object, int level, int index);
    // Records a point reached directly (a free point, an axis-frame vertex).
    void addPoint(Point3D& point);
    // Adds an object to rebuild after every swap (once each).
    void addObject(InnerShape& object);

    bool apply() override { return true; }
    // Swaps every point's position with the stored one, then every affected
    // object updates its normals and levels and `refreshProxies` runs.
    // Points that can no longer be found are skipped. Always true.
    bool revert() override;
    bool reapply() override { return revert(); }

    int pointCount() const { return static_cast<int>(points_.size()); }
    // Runs after every swap; the owner refreshes UV proxies here.
    std::function<void()> refreshProxies;

private:
    struct MovedPoint {
        InnerShape* object; // null for a point reached directly
        int level;
        int index;
        Point3D* direct;
        float position[3]; // the other state's position
    };
    Point3D* resolve(const MovedPoint& p) const;
    void record(MovedPoint p);

    std::vector<MovedPoint> points_;
    std::vector<InnerShape*> objects_; // distinct
};
