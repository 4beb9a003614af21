#pragma once
// Boolean operations on closed meshes: subtract, combine (union) and
// intersect, through exact corefinement of triangulated copies.

class InnerShape;
class Shape;

enum class BooleanOperation { Subtract, Combine, Intersect };

// How a boolean operation ended. Every value but Done leaves the output
// untouched; the command turns each into a sentence of its own.
enum class BooleanOutcome {
    Done,
    NotClosed,        // an input is not a closed manifold surface
    SelfIntersecting, // an input's surface crosses itself where it meets the other
    Failed,           // the result would not be a manifold surface
};

// Fills `out` (emptied first, when the operation succeeds) with the surface
// bounding a op b: a minus b, a union b, or their intersection. The inputs
// are read, never changed (beyond their vertex tags, which are scratch);
// their faces are triangulated on copies, and a copy found facing inward
// is turned. Self-crossings are looked for only
// among the triangles that meet the other input. Faces of the result that
// come from one face of an input are merged back into one polygon (with
// holes where the cut left some) when their border is a single outer loop,
// and keep that face's material; corners get texture coordinates 0. The
// result's vertices are rounded to float, and points that cutting left in
// the middle of straight sides are dissolved. Empty inputs and results are
// allowed (the intersection of disjoint meshes is empty). `out` may be `a`
// or `b`: the inputs are read in full before it is emptied.
BooleanOutcome booleanMeshes(const InnerShape& a, const InnerShape& b, BooleanOperation operation, InnerShape& out);

// Object-level: the result goes into `result` inside the object protocol,
// and its pivot is moved to the centre of its bounding box.
BooleanOutcome booleanShapes(const InnerShape& a, const InnerShape& b, BooleanOperation operation, Shape& result);
