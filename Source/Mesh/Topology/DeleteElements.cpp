#include "Mesh/Topology/DeleteElements.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// The listed elements that belong to `own`, each once, in list order.
template <class T>
std::vector<T*> membersOf(const List<T*>& own, const List<T*>& listed)
{
    std::unordered_set<T*> mine(own.begin(), own.end()), seen;
    std::vector<T*> out;
    for (T* x : listed)
        if (x && mine.count(x) && seen.insert(x).second)
            out.push_back(x);
    return out;
}

// The index k of a contour's corners with vertices a then b at k and k + 1;
// -1 when the contour has no such side.
int sideIndex(const std::vector<Corner>& corners, const Vertex* a, const Vertex* b)
{
    const int n = static_cast<int>(corners.size());
    for (int k = 0; k < n; ++k)
        if (corners[k].vertex == a && corners[(k + 1) % n].vertex == b)
            return k;
    return -1;
}

// Drops corners that repeat their predecessor and spurs (x, y, x) until
// none is left.
void trimSpurs(Face& f)
{
    bool changed = true;
    while (changed && f.cornerCount() >= 3) {
        changed = false;
        const int n = f.cornerCount();
        for (int k = 0; k < n; ++k) {
            if (f.cornerVertex(k) == f.cornerVertex(k + 1)) {
                f.corners.removeAt(k);
                changed = true;
                break;
            }
            if (f.cornerVertex(k - 1) == f.cornerVertex(k + 1)) {
                // Removing k and k + 1 leaves k − 1 leading on to k + 2.
                const int next = (k + 1) % n;
                f.corners.removeAt(std::max(k, next));
                f.corners.removeAt(std::min(k, next));
                changed = true;
                break;
            }
        }
    }
}

// Folds face b into face a across the side (p, q) that a runs p→q. When b
// runs the side the same way it is read backwards. False when either has
// no such side.
bool mergeAcross(Face& a, Face& b, Vertex* p, Vertex* q)
{
    std::vector<Corner> mine(a.corners.begin(), a.corners.end());
    std::vector<Corner> other(b.corners.begin(), b.corners.end());
    int i = sideIndex(mine, p, q);
    if (i < 0) {
        std::swap(p, q);
        i = sideIndex(mine, p, q);
    }
    int j = sideIndex(other, q, p);
    if (i >= 0 && j < 0) {
        std::reverse(other.begin(), other.end());
        // Read backwards, each corner's edge leads the wrong way; the relink
        // gives every corner the right one.
        for (Corner& c : other)
            c.edge = nullptr;
        j = sideIndex(other, q, p);
    }
    if (i < 0 || j < 0)
        return false;
    const int na = static_cast<int>(mine.size()), nb = static_cast<int>(other.size());
    a.corners.clear();
    for (int k = 1; k <= na; ++k)
        a.corners.append(mine[static_cast<size_t>((i + k) % na)]);
    for (int k = 2; k < nb; ++k)
        a.corners.append(other[static_cast<size_t>((j + k) % nb)]);
    // The corner at p used to lead along the dissolved side.
    a.corners[na - 1].edge = nullptr;
    for (Face* h : b.holes)
        a.holes.append(h);
    b.holes.clear();
    trimSpurs(a);
    return true;
}

// Face sets joined by dissolved edges: find gives the face that stands for
// the set.
struct FaceSets {
    std::unordered_map<Face*, Face*> parent;
    Face* find(Face* f)
    {
        auto it = parent.find(f);
        if (it == parent.end() || it->second == f)
            return f;
        return it->second = find(it->second);
    }
};

} // namespace

int deleteFaces(InnerShape& mesh, const List<Face*>& faces)
{
    std::vector<Face*> gone = membersOf(mesh.faces, faces);
    if (gone.empty())
        return 0;
    std::unordered_set<Edge*> edges;
    std::unordered_set<Vertex*> vertices;
    for (Face* f : gone)
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners) {
                edges.insert(c.edge);
                vertices.insert(c.vertex);
            }
        });
    removeFaces(mesh, gone);
    relinkAndDropUnused(mesh, edges, vertices);
    return static_cast<int>(gone.size());
}

int deleteVertices(InnerShape& mesh, const List<Vertex*>& vertices)
{
    std::vector<Vertex*> listed = membersOf(mesh.vertices, vertices);
    if (listed.empty())
        return 0;
    std::unordered_set<Vertex*> goneVertices(listed.begin(), listed.end());
    std::vector<Face*> goneFaces;
    for (Face* f : mesh.faces) {
        bool uses = false;
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners)
                uses = uses || goneVertices.count(c.vertex);
        });
        if (uses)
            goneFaces.push_back(f);
    }
    std::unordered_set<Edge*> edgeCandidates;
    std::unordered_set<Vertex*> vertexCandidates;
    for (Face* f : goneFaces)
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners) {
                edgeCandidates.insert(c.edge);
                if (!goneVertices.count(c.vertex))
                    vertexCandidates.insert(c.vertex);
            }
        });
    removeFaces(mesh, goneFaces);
    // Edges at the vertices go even when they carry no face (wire edges).
    std::vector<Edge*> goneEdges;
    int kept = 0;
    for (Edge* e : mesh.edges) {
        if (goneVertices.count(e->startVertex) || goneVertices.count(e->endVertex))
            goneEdges.push_back(e);
        else
            mesh.edges[kept++] = e;
    }
    mesh.edges.truncate(kept);
    for (Edge* e : goneEdges) {
        edgeCandidates.erase(e);
        e->release();
    }
    releaseVertices(mesh, goneVertices);
    relinkAndDropUnused(mesh, edgeCandidates, vertexCandidates);
    return static_cast<int>(listed.size());
}

int deleteEdges(InnerShape& mesh, const List<Edge*>& edges)
{
    std::vector<Edge*> listed = membersOf(mesh.edges, edges);
    if (listed.empty())
        return 0;
    mesh.touch();
    FaceSets sets;
    std::vector<Face*> absorbed, bordering;
    std::unordered_set<Edge*> edgeCandidates(listed.begin(), listed.end());
    std::unordered_set<Vertex*> vertexCandidates;
    for (Edge* e : listed) {
        vertexCandidates.insert(e->startVertex);
        vertexCandidates.insert(e->endVertex);
        if (e->faces.count() == 1) {
            bordering.push_back(e->faces[0]);
            continue;
        }
        if (e->faces.count() != 2)
            continue;
        Face* a = sets.find(e->faces[0]);
        Face* b = sets.find(e->faces[1]);
        if (a == b) {
            // Both sides already one face: the side is a spur or a slit
            // inside it; trimming removes the spur kind.
            trimSpurs(*a);
            continue;
        }
        if (!mergeAcross(*a, *b, e->startVertex, e->endVertex))
            continue;
        sets.parent[b] = a;
        absorbed.push_back(b);
    }
    std::vector<Face*> gone = absorbed;
    std::unordered_set<Face*> goneSet(gone.begin(), gone.end());
    for (Face* f : bordering) {
        Face* owner = sets.find(f);
        if (goneSet.insert(owner).second)
            gone.push_back(owner);
    }
    for (Face* f : gone)
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners) {
                edgeCandidates.insert(c.edge);
                vertexCandidates.insert(c.vertex);
            }
        });
    removeFaces(mesh, gone);
    // The dissolved edges still list their faces; the rebuild starts afresh.
    relinkAndDropUnused(mesh, edgeCandidates, vertexCandidates);
    // A listed edge that survived (a slit inside a face) is not removed.
    int removed = 0;
    std::unordered_set<Edge*> still(mesh.edges.begin(), mesh.edges.end());
    for (Edge* e : listed)
        removed += !still.count(e);
    return removed;
}

int deleteFaces(Shape& object, const List<Face*>& faces)
{
    return editTopology(object, [&](InnerShape& mesh) { return deleteFaces(mesh, faces); });
}

int deleteVertices(Shape& object, const List<Vertex*>& vertices)
{
    return editTopology(object, [&](InnerShape& mesh) { return deleteVertices(mesh, vertices); });
}

int deleteEdges(Shape& object, const List<Edge*>& edges)
{
    return editTopology(object, [&](InnerShape& mesh) { return deleteEdges(mesh, edges); });
}
