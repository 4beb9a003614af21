#pragma once
// Creasing and uncreasing edges for subdivision.
#include "Mesh/List.h"

class Edge;
class Shape;

// Sets (`on`) or clears `Creased` on every listed edge; null entries are
// skipped. Returns how many edges changed.
int setCreased(const List<Edge*>& edges, bool on);

// Object-level: sets or clears the flag on the listed edges of `object`,
// then rebuilds its subdivision levels so every level carries the creases.
// No undo record of its own is involved.
void crease(Shape& object, const List<Edge*>& edges);
void uncrease(Shape& object, const List<Edge*>& edges);
