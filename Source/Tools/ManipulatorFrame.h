#pragma once
// The one manipulation target every manipulator and value tool works on:
// the manipulator axes and centre, the affected points with their weights,
// the whole objects of object mode, and the start positions each drag
// step is computed from, so that steps never accumulate.
#include <functional>
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Point3D.h"
#include "Mesh/RegionNormals.h"

class Face;
class Shape;
class URmovePoints;
class Vertex;

class ManipulatorFrame {
public:
    // Forgets every point and object; the axes and centre stay.
    void clear();
    // Adds control vertex `index` of `object` with `weight` (1 for
    // selected components, the soft-selection falloff for the others).
    void addPoint(Shape& object, int index, float weight);
    // Adds an object that moves as a whole (its vertices and axis frame).
    void addObject(Shape& object);
    // The world axes.
    void setWorldAxes();
    // Unit axes; `z` is recomputed from the first two so that they stay orthonormal.
    void setAxes(const Point3D& x, const Point3D& y);
    bool hasTarget() const { return !points.empty() || !objects.empty() || !loosePoints.empty(); }

    // Captures the start positions (and the centre) a drag is computed from.
    void captureStart();
    // The steps below set positions from the start positions.
    // Points move by weight × t; in edit mode only the centre and the
    // objects' pivots move.
    void translate(const Point3D& t);
    // About `axis` (unit) through `pivot` by `degrees`; a point turns by
    // weight × degrees, objects' axis directions turn with them.
    void rotate(const Point3D& axis, const Point3D& pivot, float degrees);
    // Along `axis` (unit) about `pivot` by `factor`, or with `plane` in the
    // plane perpendicular to `axis`; a point scales by 1 + weight × (factor − 1).
    void scale(const Point3D& pivot, const Point3D& axis, float factor, bool plane);
    void scaleUniform(const Point3D& pivot, float factor);
    // Turns what moves about the centre so that the axes become the world
    // axes (a point by its weight's share), then takes the world axes.
    void alignAxesToWorld();
    // Value tools: point i = start i + direction i × weight i × v, the
    // direction taken from `negativeDirections` when they are enabled and
    // v < 0; a missing direction counts as zero.
    void setValue(float v);
    // Normals, levels and display data of every changed object. At level 0
    // only the faces around the frame's points (and their vertices) are
    // worked on, found once per set of points or told by setChangedFaces.
    void finish();
    // Every face of `object` that has one of the frame's points among its
    // corners, as the edit that made the points knows them: finish then
    // needs no search.
    void setChangedFaces(Shape& object, std::vector<Face*> faces);

    // An undo record of every point the frame may move, at its current
    // position; the caller owns it.
    URmovePoints* makeUndoRecord() const;

    Point3D axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}; // unit, right-handed
    Point3D centre;                  // where the manipulator stands
    Point3D startCentre;             // centre at the last captureStart
    List<Vertex*> points;            // affected control vertices of the component modes
    std::vector<float> weights;      // one per point, 0 ≤ weight ≤ 1 (0: recorded, not moved)
    List<Shape*> objects;            // whole objects (object mode)
    // Points of no mesh (a reference image's corners): they move with
    // weight 1. After an undo or redo of the frame's move `afterLooseUndo`
    // runs (it also copies moved UVs into their owners).
    List<Point3D*> loosePoints;
    std::function<void()> afterLooseUndo;
    std::vector<Point3D> directions;         // value tools: one per point
    std::vector<Point3D> negativeDirections; // used for negative values when enabled
    bool negativeEnabled = false;
    float value = 0;                 // the value tools' current value
    bool editMode = false;           // "Manipulator Edit Mode": only the centre and object axes move

private:
    // Kept small and plain (no Point3D, which carries a vtable): a drag of a
    // million points walks this list on every mouse move.
    struct Moved {
        Point3D* point;
        float start[3];
        float weight;
        bool pivot; // an object's pivot: moves in edit mode too
        Point3D from() const { return Point3D(start); }
        void capture() { start[0] = point->x, start[1] = point->y, start[2] = point->z; }
    };
    static Moved moved(Point3D* point, float weight, bool pivot)
    {
        Moved m{point, {point->x, point->y, point->z}, weight, pivot};
        return m;
    }
    // Everything a step moves: the points, then every vertex and pivot of
    // the whole objects; rebuilt by captureStart when the counts changed.
    void collectMoved();
    struct PointOwner {
        Shape* object;
        int index;
    };
    std::vector<PointOwner> owners_;     // of each point, for undo
    std::vector<Moved> moved_;
    std::vector<Moved> objectAxes_;      // X, Y, Z directions of whole objects, turned by rotate
    std::vector<Shape*> touched_;        // distinct objects that own moved points
    // The part of each touched object whose normals a step changes, kept
    // while the object's topology and the points stay the same.
    struct Region {
        Shape* object;
        int32_t changeCount;
        bool whole;            // so much of it moves that every step updates all of it
        RegionNormals normals;
    };
    std::vector<Region> regions_;
    Region& regionOf(Shape& object);
    bool collected_ = false;
};
