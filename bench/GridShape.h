#pragma once
// The big flat object several comparisons work on, made outside their timing.
class Shape;

// A Shape of `quadsPerSide` x `quadsPerSide` quads on the XZ unit square
// (vertex j * (quadsPerSide + 1) + i at (i, 0, j) / quadsPerSide), corner 2
// of each quad at texture coordinates (1, 1); edges, normals and list
// positions made.
Shape* gridShape(int quadsPerSide);
