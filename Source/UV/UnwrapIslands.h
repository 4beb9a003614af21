#pragma once
// LSCM unwrapping of a UV proxy's islands: the groups of proxy faces joined
// through shared proxy vertices, each solved on its own from the 3D
// positions of the source vertices.
#include <cstdint>
#include <vector>

#include "Mesh/List.h"
#include "Mesh/Geometry.h"
#include "NlSystem.h"

class Face;
class TextureProxy;
class Vertex;

// The flag bit of a pinned proxy vertex. On a proxy vertex it is the bit
// that marks boundary vertices of subdivided meshes; proxies have no
// subdivision levels, so nothing else sets it there.
constexpr uint8_t PinnedVertex = Geometry::Boundary;

// The islands that `faces` form among themselves, each as its faces in
// the order given. Uses the vertices' `tag`.
std::vector<std::vector<Face*>> proxyIslands(const List<Face*>& faces);

// Unwraps each island that `faces` (faces of `proxy`) form among themselves:
// their vertices get new (u, v, 0) positions, pinned ones keep theirs.
// `maxIterations` caps a conjugate-gradient solve, -1 meaning 5 x the
// island's vertex count. A proxy vertex without a source vertex stands at
// its own position. Uses the vertices' `tag`. Returns the number of islands
// solved; an island whose solve fails keeps its UVs.
int unwrapIslands(TextureProxy& proxy, const List<Face*>& faces, int maxIterations,
                  NlSolver solver = NlSolver::Direct);

// Unwraps only the islands of the whole proxy that contain one of
// `vertices`; the other islands stay bit for bit. Uses the vertices' `tag`.
// Returns the number of islands solved.
int unwrapTouchedIslands(TextureProxy& proxy, const List<Vertex*>& vertices, int maxIterations,
                         NlSolver solver = NlSolver::Direct);

// Unwraps the islands of `faces` (the faces a selection covers) with every
// vertex of theirs that is not in `movable` (the vertices of the selected
// elements) pinned for the solve. Returns the number of islands solved.
int unwrapSelection(TextureProxy& proxy, const List<Face*>& faces, const List<Vertex*>& movable,
                    int maxIterations, NlSolver solver = NlSolver::Direct);

// Live unwrapping after a drag: the islands of `moved` are solved again with
// the moved vertices pinned for the solve (they stay where the user put
// them), at most LiveUnwrapIterations conjugate-gradient iterations.
constexpr int LiveUnwrapIterations = 100;
int unwrapAfterMove(TextureProxy& proxy, const List<Vertex*>& moved, NlSolver solver = NlSolver::Direct);
