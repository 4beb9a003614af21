#pragma once
// Placing UV islands: flat projection of an island onto its own plane, and
// packing islands side by side into the unit square.
#include "Mesh/List.h"

class Face;
class Vertex;

// Gives the vertices of each island of `faces` (proxy faces) the
// projection of their source positions onto the island's plane, the plane
// across the area-weighted normal of its faces, seen from the front so that
// no face turns over.
void projectIslandsFlat(const List<Face*>& faces);

// Packs the islands of `faces` (proxy faces) in rows into the unit square,
// keeping their shapes and their relative sizes, with `spacing` (a fraction
// of the square) around and between them.
void packIslands(const List<Face*>& faces, float spacing);

// The vertices of `faces`, each once, in order of first use. Uses `tag`.
List<Vertex*> verticesOf(const List<Face*>& faces);
