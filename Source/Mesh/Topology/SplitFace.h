#pragma once
// Splitting one face in two along a chord between two of its corners.

class Face;
class InnerShape;
class Vertex;

// When p and q are corners of `f` and not neighbours: f keeps the corners
// from p to q, a new face of f's material and flags (appended to the mesh)
// takes those from q back to p, and the chord's corner on each side (f's
// last, the new face's last) is left without an edge for the caller to
// link. Returns the new face, or null, changing nothing.
Face* splitFaceAlong(InnerShape& mesh, Face& f, const Vertex* p, const Vertex* q);
