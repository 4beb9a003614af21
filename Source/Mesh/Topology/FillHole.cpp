#include "Mesh/Topology/FillHole.h"

#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/AddPolygon.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

constexpr int32_t Unreached = -1;
constexpr int32_t Target = -2;

// The wave search proper, with vertex tags and ids prepared: each vertex
// reached in step s records (tag) the first border edge in list order that
// leads to it from a vertex reached before step s, and (id) the step.
// True when B was reached.
bool waveSearch(const InnerShape& mesh, const Edge* e, const Vertex* b)
{
    // Only border edges can carry the wave; scanning just these visits them
    // in the same order as a scan of the whole list would.
    std::vector<Edge*> border;
    for (Edge* x : mesh.edges)
        if (x != e && x->faces.count() < 2)
            border.push_back(x);

    for (int32_t step = 0;; ++step) {
        bool reachedAny = false;
        for (Edge* x : border) {
            Vertex* from = x->startVertex;
            Vertex* to = x->endVertex;
            auto reachedBefore = [step](const Vertex* v) { return v->tag >= 0 && v->id != step; };
            if (!reachedBefore(from) || to->tag >= 0)
                std::swap(from, to);
            if (!reachedBefore(from) || to->tag >= 0)
                continue;
            to->tag = x->tag;
            to->id = step;
            reachedAny = true;
            if (to == b)
                return true;
        }
        if (!reachedAny)
            return false;
    }
}

} // namespace

bool findHoleLoop(InnerShape& mesh, Edge* e, int maxLength, List<Vertex*>& outLoop)
{
    outLoop.clear();
    if (!e || e->faces.count() >= 2 || !e->startVertex || !e->endVertex || e->startVertex == e->endVertex)
        return false;
    Vertex* a = e->startVertex;
    Vertex* b = e->endVertex;

    for (int i = 0; i < mesh.edges.count(); ++i)
        mesh.edges[i]->tag = i;
    // The search uses `id` as its step mark; the level maps are keyed by it,
    // so the ids are put back afterwards.
    std::vector<int32_t> savedIds;
    savedIds.reserve(static_cast<size_t>(mesh.vertices.count()));
    for (Vertex* v : mesh.vertices) {
        savedIds.push_back(v->id);
        v->tag = Unreached;
        v->id = -1;
    }
    a->tag = 1;
    b->tag = Target;

    bool found = waveSearch(mesh, e, b);
    if (found) {
        // Walk back along the recorded edges; A is made the stop mark.
        a->tag = Target;
        Vertex* v = b;
        outLoop.append(b);
        const int limit = mesh.vertices.count();
        for (int walked = 0;; ++walked) {
            if (walked > limit || v->tag < 0 || v->tag >= mesh.edges.count()) {
                found = false;
                break;
            }
            v = mesh.edges[v->tag]->otherVertex(v);
            if (v == a)
                break;
            outLoop.append(v);
        }
        outLoop.append(a);
        if (maxLength > 0 && outLoop.count() > maxLength)
            found = false;
    }
    for (int i = 0; i < mesh.vertices.count(); ++i)
        mesh.vertices[i]->id = savedIds[static_cast<size_t>(i)];
    if (!found)
        outLoop.clear();
    return found;
}

bool fillHole(InnerShape& mesh, Edge* e, int maxLength)
{
    mesh.touch();
    List<Vertex*> loop;
    return findHoleLoop(mesh, e, maxLength, loop) && addPolygon(mesh, loop) != nullptr;
}

bool fillHole(Shape& object, Edge* e, int maxLength)
{
    List<Vertex*> loop;
    if (!findHoleLoop(object, e, maxLength, loop))
        return false;
    return editTopology(object, [&](InnerShape& mesh) { return addPolygon(mesh, loop) != nullptr; });
}
