#pragma once
// "Move and Sew": a border edge of a UV island and its twin (the border
// edge on the other side of the same source edge) are joined again. The
// twin's island is first moved, turned and scaled as one piece so that the
// twin lands on the edge; then the twin's vertices are merged into the
// edge's.
#include "Mesh/List.h"

class Edge;
class TextureProxy;

// The proxy border edge that stands for the same source edge as `edge`
// (a border edge of `proxy`), or null.
Edge* twinBorderEdge(const TextureProxy& proxy, const Edge& edge);

// Sews each of `edges` (proxy edges) that is a border edge with a twin.
// An island sewn to itself is not moved, only joined. Returns the number
// of edges sewn; the proxy's edges are rebuilt when it is not 0.
int moveAndSew(TextureProxy& proxy, const List<Edge*>& edges);
