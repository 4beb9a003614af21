#pragma once
// Moving the geometry of other objects into one object (bridging and
// combining objects).
#include "Mesh/List.h"

class InnerShape;
class Shape;
class ShapeInstance;

// Appends every vertex, edge and face pointer of `from`, in list order, to
// the lists of `into`, then empties the lists of `from`: the elements now
// belong to `into`.
void moveElements(InnerShape& into, InnerShape& from);

// A new mesh from the InnerShape pool holding a copy of the instance's
// source geometry as the instance shows it: positions through its transform
// (column-major, translation in entries 12-14, divided by the homogeneous w
// when that is neither 0 nor 1) and, for a mirroring transform, every face
// reversed so that it keeps facing the way it is seen. Null when the
// instance has no source or memory runs out. The caller releases it.
InnerShape* instanceGeometryAsShown(const ShapeInstance& instance);

// Object-level: moves the geometry of each object of `others` (each once, in
// list order, skipping `object` itself, null entries, lights and UV proxies)
// into `object`. An instance contributes a copy of what it shows and keeps
// its own (empty) lists. The emptied objects are left to the caller. Then
// topologyChanged, resetAxis (pivot to the combined bounding box centre) and
// an update of the normals. Returns how many objects contributed geometry.
int absorbShapes(Shape& object, const List<Shape*>& others);
