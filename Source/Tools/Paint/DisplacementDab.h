#pragma once
// The steps of one dab that do not depend on the function: gathering the
// vertices around the brush point with their falloff, moving them (and their
// mirror partners), and bringing the normals of the touched region up to date.
#include <functional>
#include <span>
#include <vector>

#include "Mesh/Point3D.h"
#include "Tools/Paint/Brush.h"
#include "Tools/Paint/DisplacementFunction.h"

class InnerShape;
class LevelAdjacency;
class MirrorPlane;

// A brush image as grey values 0 … 1, row by row from the top.
struct BrushImage {
    int width = 0, height = 0;
    std::vector<float> values;
    bool empty() const { return width <= 0 || height <= 0; }
};

// Where and how a dab reaches.
struct DabReach {
    Point3D point;                    // brush point P
    Point3D direction;                // brush direction N (unit)
    float radius = 0;                 // R, world units
    const Brush* brush = nullptr;     // its curve and focus give the falloff
    const BrushImage* image = nullptr; // when not empty, replaces the curve
    float strength = 0;               // brush strength × strengthScale × pressure
};

// The falloff of a vertex at `position`, distance d from P.
float dabFalloff(const DabReach& reach, const Point3D& position, float d);

// Gathers into outGathered (cleared first) every vertex within R of P that
// the faces grown from `startFace` reach, with strength falloff × strength.
// Growth continues through faces that have a corner within R; hidden faces
// are neither gathered nor grown through. Each face and vertex once per dab.
void gatherDab(const InnerShape& mesh, LevelAdjacency& adjacency, int startFace, const DabReach& reach,
               std::vector<GatheredVertex>& outGathered);

// How moves reach the other half of a symmetric object.
struct DabSymmetry {
    const MirrorPlane* plane = nullptr; // null: no symmetry
    // Push and pull: a vertex within `blendLimit` of the plane takes its own
    // and its partner's mirrored move summed, scaled by 1 − b/2 with
    // b = 1 − distance / blendLimit, so that the two halves of one dab do not
    // add up to twice the push where the brush straddles the plane.
    bool blend = false;
    float blendLimit = 0;
};

// Adds every move (and, with symmetry, the mirrored move of each partner)
// to the vertex position and, with `keepDisplacement`, to its displacement
// vector (created on first use). `beforeMove(index)` runs for each vertex
// just before it moves; a zero move moves nothing. The moved vertex positions
// go to outTouched.
void applyMoves(InnerShape& mesh, std::span<const VertexMove> moves, const DabSymmetry& symmetry,
                bool keepDisplacement, const std::function<void(int)>& beforeMove, std::vector<int32_t>& outTouched);

// Face normals of the faces around the touched vertices, then vertex normals
// (the unweighted mean of the face normals, as a smooth update makes them) of
// every corner of those faces; those corners go to outRenormalised.
void refreshTouchedNormals(InnerShape& mesh, LevelAdjacency& adjacency, std::span<const int32_t> touched,
                           std::vector<int32_t>& outRenormalised);
