#pragma once
// Moving UV vertices as one piece: shifts, turns about the centre of their
// bounding box, scaling onto the unit square and mirroring.
#include "Mesh/List.h"

class Vertex;

void moveUVs(const List<Vertex*>& vertices, float du, float dv);
// Counter-clockwise for positive `degrees`.
void rotateUVs(const List<Vertex*>& vertices, float degrees);
// Stretches the vertices' bounding box onto the unit square, each axis on
// its own, or with `proportional` both by the same factor, centred in it.
// An axis without extent is only centred.
void scaleUVsToUnitSquare(const List<Vertex*>& vertices, bool proportional);

enum class MirrorAxis { U, V };
// Reverses the U (or V) coordinates about the centre of the bounding box.
void mirrorUVs(const List<Vertex*>& vertices, MirrorAxis axis);

// Moves every vertex to the mean of their positions (each vertex counted
// once): their UVs become one.
void mergeUVs(const List<Vertex*>& vertices);
