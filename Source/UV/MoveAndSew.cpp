#include "MoveAndSew.h"

#include <complex>
#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "UVLayout.h"
#include "UnwrapIslands.h"

namespace {

const Vertex* sourceOf(const Vertex* v)
{
    return static_cast<const ProxyVertex*>(v)->sourceVertex;
}

bool isBorder(const Edge& e)
{
    return e.faces.count() == 1;
}

std::complex<float> uv(const Vertex* v)
{
    return {v->x, v->y};
}

// The vertices of the island that uses `face`.
List<Vertex*> islandVertices(const TextureProxy& proxy, const Face* face)
{
    for (const std::vector<Face*>& island : proxyIslands(proxy.faces)) {
        for (const Face* f : island) {
            if (f != face)
                continue;
            List<Face*> faces;
            for (Face* g : island)
                faces.append(g);
            return verticesOf(faces);
        }
    }
    return {};
}

void merge(TextureProxy& proxy, Vertex* from, Vertex* into)
{
    if (from == into)
        return;
    proxy.replaceVertex(from, into);
    proxy.vertices.removeOne(from);
    from->release();
}

// Sews `edge` to its twin; false when it has none.
bool sew(TextureProxy& proxy, Edge& edge)
{
    Edge* twin = twinBorderEdge(proxy, edge);
    if (!twin)
        return false;
    Vertex* a = edge.startVertex;
    Vertex* b = edge.endVertex;
    Vertex* c = twin->startVertex;
    Vertex* d = twin->endVertex;
    if (sourceOf(c) != sourceOf(a))
        std::swap(c, d);
    const List<Vertex*> moving = islandVertices(proxy, twin->faces[0]);
    if (!moving.contains(a)) {
        // c goes onto a and d onto b; one factor turns and scales.
        const std::complex<float> from = uv(d) - uv(c);
        const std::complex<float> factor = std::abs(from) > 0 ? (uv(b) - uv(a)) / from : 1.0f;
        const std::complex<float> origin = uv(c), target = uv(a);
        for (Vertex* v : moving) {
            const std::complex<float> p = target + (uv(v) - origin) * factor;
            v->x = p.real();
            v->y = p.imag();
        }
    }
    merge(proxy, c, a);
    merge(proxy, d, b);
    // Both edges now join a and b; the topology rebuild merges them.
    proxy.rebuildTopology(true);
    return true;
}

} // namespace

Edge* twinBorderEdge(const TextureProxy& proxy, const Edge& edge)
{
    if (!isBorder(edge))
        return nullptr;
    const Vertex* a = sourceOf(edge.startVertex);
    const Vertex* b = sourceOf(edge.endVertex);
    if (!a || !b)
        return nullptr;
    for (Edge* e : proxy.edges) {
        if (e == &edge || !isBorder(*e) || e->faces[0] == edge.faces[0])
            continue;
        const Vertex* c = sourceOf(e->startVertex);
        const Vertex* d = sourceOf(e->endVertex);
        if ((c == a && d == b) || (c == b && d == a))
            return e;
    }
    return nullptr;
}

int moveAndSew(TextureProxy& proxy, const List<Edge*>& edges)
{
    // Sewing rebuilds the edge list, so the chosen edges are found again by their ends.
    std::vector<std::pair<Vertex*, Vertex*>> ends;
    for (const Edge* e : edges)
        ends.emplace_back(e->startVertex, e->endVertex);
    int sewn = 0;
    for (auto [a, b] : ends) {
        if (!proxy.vertices.contains(a) || !proxy.vertices.contains(b))
            continue;
        if (Edge* e = proxy.findEdge(a, b); e && sew(proxy, *e))
            ++sewn;
    }
    if (sewn) {
        proxy.update(true, false, -1);
        proxy.renumber();
    }
    return sewn;
}
