#pragma once
// The path extrusion: a profile swept along a path, growing and twisting
// on the way.
#include <vector>

#include "PrimitiveConstruction.h"

class PathExtrude : public Shape {
public:
    // One copy (ring) of the profile per path point. The profile is taken
    // about its centre (the mean of its points) with its plane (the best fit
    // of its points, or the path's first direction when it has none) turned
    // to face along the path; each further ring is carried along by the
    // smallest turn between successive path directions (the direction at a
    // point runs from the point before it to the point after). Along the way
    // the ring's size goes from 1 to `scale` and its twist about the path
    // from 0 to `rotation` degrees, in proportion to the length travelled.
    // Vertices ring by ring, then the wall quads band by band; with
    // `capEnds`, a closed profile (3 points or more) gets a face at each
    // end. Faces face away from the path (a closed result: outward). Fewer
    // than 2 points in either gives an empty object. Named "Path Extrusion".
    PathExtrude(const std::vector<Point3D>& profile, bool closedProfile, const std::vector<Point3D>& path,
                bool capEnds, float scale, float rotation, float layoutSpacing = DefaultLayoutSpacing);
};

static_assert(sizeof(PathExtrude) == sizeof(Shape));
template <>
class Pool<PathExtrude> : public ShapePoolStorage<PathExtrude> {};
