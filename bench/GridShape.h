#pragma once
// The big flat object several comparisons work on, made outside their timing.
#include <vector>

class Shape;

// A Shape of `quadsPerSide` x `quadsPerSide` quads on the XZ unit square
// (vertex j * (quadsPerSide + 1) + i at (i, 0, j) / quadsPerSide), corner 2
// of each quad at texture coordinates (1, 1); edges, normals and list
// positions made.
Shape* gridShape(int quadsPerSide);

// The same grid as flat arrays for the peers: three floats per vertex and
// four vertex numbers per quad, in the same order as gridShape's lists.
void gridArrays(int quadsPerSide, std::vector<float>& outPositions, std::vector<int>& outQuads);
