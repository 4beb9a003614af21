#pragma once
// The highlight of the vertex, edge or face a drag snaps to.
class Geometry;

// Draws `element` in the highlight colour over the geometry, in world
// space with the viewport's matrices loaded (GL, current context).
void drawSnapTarget(const Geometry& element);
