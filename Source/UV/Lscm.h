#pragma once
// Least-squares conformal maps (Levy, Petitjean, Ray, Maillot: "Least
// Squares Conformal Maps for Automatic Texture Atlas Generation", 2002) on
// one island: the UVs that keep every triangle's angles as well as possible,
// found by a sparse least-squares solve with some vertices held fixed.
#include <cstdint>
#include <span>

#include "NlSystem.h"

// One island given as flat arrays; n vertices indexed 0 .. n - 1.
template <class Real>
struct LscmIsland {
    std::span<const Real> positions;   // 3n: x, y, z of vertex i at 3i
    std::span<const int> faceStarts;   // F + 1: face f's corners are corners[faceStarts[f] .. faceStarts[f + 1])
    std::span<const int> corners;      // vertex indices, in face order
    std::span<const uint8_t> pinned;   // n, or empty for none: nonzero keeps the vertex's UV
};

struct LscmSettings {
    NlSolver solver = NlSolver::Direct;
    int maxIterations = -1; // conjugate gradient only; -1: 5 x the vertex count
};

// Unwraps `island`. `uvs` (2n: u, v of vertex i at 2i) holds the current UVs
// on entry and the result on return. Pinned vertices keep their UVs. With
// fewer than two pinned vertices (and at least two vertices), the vertices of
// smallest and largest coordinate along the longest axis of the bounding box
// of the positions are held too (the first in index order on ties); when
// their UVs coincide, the second is moved to the first plus (d, 0), d being
// their distance in space, so that the island cannot collapse to a point.
// Faces are split into fans from their first corner; triangles with no
// direction (coincident or collinear corners) add nothing. Vertices no
// triangle reaches keep their UVs. Returns false, with `uvs` unchanged, on
// mismatched sizes, a corner index out of range, or no finite solution.
bool unwrapLscm(const LscmIsland<double>& island, std::span<double> uvs, const LscmSettings& settings = {});
bool unwrapLscm(const LscmIsland<float>& island, std::span<double> uvs, const LscmSettings& settings = {});
