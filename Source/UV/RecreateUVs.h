#pragma once
// New texture coordinates for some faces of an object, by the methods of
// the UV recreation commands. Only the given faces' corners change; the
// object's UV proxy is rebuilt from the result afterwards.
#include "Mesh/List.h"

class Face;
class Shape;

enum class UVMethod {
    StoredCoordinates = 0, // keep what the faces carry
    XyzCoordinates = 1,    // top-down planar projection
    PerFace = 2,           // every face its own island
    PlanarRegions = 3,     // every group of nearly coplanar faces its own island
    Neighbors = 4,         // interpolated from the faces around
    Lscm = 5,              // conformal unwrapping split along seams and borders
};

struct UVMethodSettings {
    float layoutSpacing = 0.01f;   // margin around and between islands in the unit square
    float degreeTolerance = 5.0f;  // planar regions: largest angle between a face and its region
};

// Whether `owner` has an edge with only one face or a seam, without which
// conformal unwrapping has nowhere to open a closed surface.
bool canUnwrapConformally(const Shape& owner);

// Gives the corners of `faces` (faces of `owner`, edges built) new texture
// coordinates by `method`. False, changing nothing, when the pools cannot
// supply the scratch proxy a method needs.
bool recreateTextureCoordinates(Shape& owner, const List<Face*>& faces, UVMethod method,
                                const UVMethodSettings& settings);
