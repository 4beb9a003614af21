#pragma once
// Whole-object operations: copies, instances, moves, bounds and the axis
// frame. They know objects only, never the scene that holds them; the new
// objects they return are owned by the caller (give them back with
// `release`).
#include "Point3D.h"

class InnerShape;
class Shape;
class ShapeInstance;

// The axis-aligned box around what an object shows; `empty` when it shows
// no vertex (an instance without a source, an object without vertices).
struct ObjectBounds {
    Point3D low, high;
    bool empty = true;
    // Grows the box to hold `p`.
    void add(const Point3D& p);
    Point3D centre() const { return (low + high) * 0.5f; }
    Point3D size() const { return high - low; }
};

// The box around the vertices of a shape, or around the source's vertices
// as an instance's transform shows them.
ObjectBounds objectBounds(const Shape& object);
// The box around every object of [first, last); empty when none shows anything.
ObjectBounds combinedBounds(Shape* const* first, Shape* const* last);

// A copy of `object` with its own elements at the same subdivision level, or,
// for an instance, another instance of the same source with the same
// transform. Lights and UV proxies are not copied: null. The copy carries no
// mirrored instance of its own (`instanceMirror` 0) and is not selected.
Shape* copyObject(const Shape& object);
// A copy that owns its geometry whatever `object` is: an instance becomes an
// ordinary object holding its source's geometry as the instance shows it.
// Null for lights, UV proxies and instances without a source.
Shape* geometryCopy(const Shape& object);
// An ordinary object with its own copy of the geometry `instance` shows,
// with the instance's name, axis frame and display state; null without a source.
Shape* deinstantiate(const ShapeInstance& instance);
// A new instance showing `object` in place (identity transform). An
// instance of an instance shows the same source, through the same transform.
// Null for lights, UV proxies and instances without a source.
ShapeInstance* instanceOf(Shape& object);

// Moves the object by `offset` in world space: its vertices, or an
// instance's transform, and the axis frame's pivot.
void moveObject(Shape& object, const Point3D& offset);

// The affine map (column-major 4 × 4, translation in entries 12-14) that
// takes `from`'s axis frame (pivot and X, Y, Z directions) onto `to`'s:
// turned, scaled and moved; only moved when either frame's directions are
// degenerate or the map would mirror.
void relativePlacement(const InnerShape& from, const InnerShape& to, double out[16]);
// Moves the object through the affine map `m` (as above): its vertices, or
// an instance's transform (m applied after it), and its axis frame (the
// directions kept of unit length).
void transformObject(Shape& object, const double m[16]);

// Sets the object's axis frame: pivot `pivot`, directions `x`, `y`, `z`
// (unit vectors). The geometry does not move.
void setObjectAxis(InnerShape& object, const Point3D& pivot, const Point3D& x, const Point3D& y,
                   const Point3D& z);
// Moves the pivot to the centre of `bounds`, keeping the axis directions;
// false, changing nothing, when the bounds are empty.
bool recenterObjectAxis(InnerShape& object, const ObjectBounds& bounds);
