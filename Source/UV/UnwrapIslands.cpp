#include "UnwrapIslands.h"

#include <algorithm>
#include <vector>

#include "Lscm.h"
#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"

namespace {

struct Island {
    std::vector<Face*> faces;
    std::vector<Vertex*> vertices; // each once, in order of first use
};

std::vector<Vertex*> sortedCopy(const List<Vertex*>& vertices)
{
    std::vector<Vertex*> sorted(vertices.begin(), vertices.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

int rootOf(std::vector<int>& parent, int i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// The groups of `faces` joined through shared vertices. Leaves each vertex's
// `tag` at its position in its island's vertex list.
std::vector<Island> islandsOf(const List<Face*>& faces)
{
    std::vector<Vertex*> vertices;
    for (Face* f : faces) {
        for (const Corner& c : f->corners)
            c.vertex->tag = -1;
    }
    std::vector<int> parent;
    for (Face* f : faces) {
        for (const Corner& c : f->corners) {
            if (c.vertex->tag < 0) {
                c.vertex->tag = static_cast<int>(vertices.size());
                vertices.push_back(c.vertex);
                parent.push_back(c.vertex->tag);
            }
            parent[rootOf(parent, c.vertex->tag)] = rootOf(parent, f->corners[0].vertex->tag);
        }
    }
    std::vector<int> islandOfRoot(vertices.size(), -1);
    std::vector<Island> islands;
    auto islandOf = [&](Vertex* v) -> Island& {
        int& index = islandOfRoot[rootOf(parent, v->tag)];
        if (index < 0) {
            index = static_cast<int>(islands.size());
            islands.emplace_back();
        }
        return islands[index];
    };
    for (Face* f : faces) {
        if (f->cornerCount() > 0)
            islandOf(f->corners[0].vertex).faces.push_back(f);
    }
    for (Vertex* v : vertices)
        islandOf(v).vertices.push_back(v);
    for (Island& island : islands) {
        for (size_t k = 0; k < island.vertices.size(); ++k)
            island.vertices[k]->tag = static_cast<int>(k);
    }
    return islands;
}

bool unwrapIsland(const Island& island, int maxIterations, NlSolver solver)
{
    const size_t n = island.vertices.size();
    std::vector<float> positions;
    std::vector<double> uvs;
    std::vector<uint8_t> pinned;
    positions.reserve(3 * n);
    uvs.reserve(2 * n);
    pinned.reserve(n);
    for (Vertex* v : island.vertices) {
        const Vertex* source = v;
        if (v->vertexKind() == Vertex::VertexKindProxy && static_cast<ProxyVertex*>(v)->sourceVertex)
            source = static_cast<ProxyVertex*>(v)->sourceVertex;
        positions.insert(positions.end(), {source->x, source->y, source->z});
        uvs.insert(uvs.end(), {v->x, v->y});
        pinned.push_back(v->has(PinnedVertex));
    }
    std::vector<int> faceStarts{0}, corners;
    for (Face* f : island.faces) {
        for (const Corner& c : f->corners)
            corners.push_back(c.vertex->tag);
        faceStarts.push_back(static_cast<int>(corners.size()));
    }
    if (!unwrapLscm(LscmIsland<float>{positions, faceStarts, corners, pinned}, uvs, {solver, maxIterations}))
        return false;
    for (size_t i = 0; i < n; ++i) {
        island.vertices[i]->x = static_cast<float>(uvs[2 * i]);
        island.vertices[i]->y = static_cast<float>(uvs[2 * i + 1]);
        island.vertices[i]->z = 0.0f;
    }
    return true;
}

// Pins the vertices that pass `pick` and are not pinned yet; unpins them
// again when it goes out of scope.
class TemporaryPins {
public:
    template <class Vertices, class Pick>
    TemporaryPins(const Vertices& vertices, Pick pick)
    {
        for (Vertex* v : vertices) {
            if (!v->has(PinnedVertex) && pick(v)) {
                v->set(PinnedVertex);
                pinned_.push_back(v);
            }
        }
    }
    ~TemporaryPins()
    {
        for (Vertex* v : pinned_)
            v->set(PinnedVertex, false);
    }
    TemporaryPins(const TemporaryPins&) = delete;
    TemporaryPins& operator=(const TemporaryPins&) = delete;

private:
    std::vector<Vertex*> pinned_;
};

} // namespace

std::vector<std::vector<Face*>> proxyIslands(const List<Face*>& faces)
{
    std::vector<std::vector<Face*>> result;
    for (Island& island : islandsOf(faces))
        result.push_back(std::move(island.faces));
    return result;
}

int unwrapIslands([[maybe_unused]] TextureProxy& proxy, const List<Face*>& faces, int maxIterations, NlSolver solver)
{
    int solved = 0;
    for (const Island& island : islandsOf(faces))
        solved += unwrapIsland(island, maxIterations, solver);
    return solved;
}

int unwrapTouchedIslands(TextureProxy& proxy, const List<Vertex*>& vertices, int maxIterations, NlSolver solver)
{
    const std::vector<Vertex*> touched = sortedCopy(vertices);
    int solved = 0;
    for (const Island& island : islandsOf(proxy.faces)) {
        const bool isTouched = std::any_of(island.vertices.begin(), island.vertices.end(), [&](Vertex* v) {
            return std::binary_search(touched.begin(), touched.end(), v);
        });
        if (isTouched)
            solved += unwrapIsland(island, maxIterations, solver);
    }
    return solved;
}

int unwrapSelection(TextureProxy& proxy, const List<Face*>& faces, const List<Vertex*>& movable, int maxIterations,
                    NlSolver solver)
{
    std::vector<Vertex*> corners;
    for (Face* f : faces) {
        for (const Corner& c : f->corners)
            corners.push_back(c.vertex);
    }
    const std::vector<Vertex*> free = sortedCopy(movable);
    const TemporaryPins pins(corners, [&](Vertex* v) { return !std::binary_search(free.begin(), free.end(), v); });
    return unwrapIslands(proxy, faces, maxIterations, solver);
}

int unwrapAfterMove(TextureProxy& proxy, const List<Vertex*>& moved, NlSolver solver)
{
    const TemporaryPins pins(moved, [](Vertex*) { return true; });
    return unwrapTouchedIslands(proxy, moved, LiveUnwrapIterations, solver);
}
