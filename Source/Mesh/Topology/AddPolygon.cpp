#include "Mesh/Topology/AddPolygon.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ObjectProtocol.h"
#include "Mesh/Topology/PassNumber.h"

namespace {

// Edges between the vertices of the loops being added, found with one pass
// over the edge list rather than one linear search per side.
class SideEdges {
public:
    SideEdges(const InnerShape& mesh, const std::vector<Vertex*>& vertices)
    {
        const int32_t pass = nextPassNumber();
        for (Vertex* v : vertices)
            v->tag = pass;
        for (Edge* e : mesh.edges)
            if (e->startVertex && e->endVertex && e->startVertex->tag == pass && e->endVertex->tag == pass)
                edges_.emplace(key(e->startVertex, e->endVertex), e); // the first edge wins, as in findEdge
    }

    Edge* find(const Vertex* a, const Vertex* b) const
    {
        auto it = edges_.find(key(a, b));
        return it == edges_.end() ? nullptr : it->second;
    }
    void add(Edge* e) { edges_.emplace(key(e->startVertex, e->endVertex), e); }

private:
    struct Key {
        const Vertex* low;
        const Vertex* high;
        bool operator==(const Key& o) const { return low == o.low && high == o.high; }
    };
    struct KeyHash {
        size_t operator()(const Key& k) const
        {
            return std::hash<const void*>()(k.low) * 31u ^ std::hash<const void*>()(k.high);
        }
    };
    static Key key(const Vertex* a, const Vertex* b) { return a < b ? Key{a, b} : Key{b, a}; }

    std::unordered_map<Key, Edge*, KeyHash> edges_;
};

// How the faces already on the loop's sides run them: the balance of faces
// running a side the other way (agreeing with the loop) minus those
// running it the same way.
int orientationVote(const std::vector<Vertex*>& loop, const SideEdges& sides)
{
    int vote = 0;
    const size_t n = loop.size();
    for (size_t k = 0; k < n; ++k) {
        Vertex* a = loop[k];
        Edge* e = sides.find(a, loop[(k + 1) % n]);
        if (!e)
            continue;
        for (const Face* g : e->faces) {
            auto count = [&](const Face* contour) {
                for (const Corner& c : contour->corners)
                    if (c.edge == e)
                        vote += c.vertex == a ? -1 : 1;
            };
            count(g);
            for (const Face* h : g->holes)
                count(h);
        }
    }
    return vote;
}

Face* makePolygon(InnerShape& mesh, std::vector<Vertex*> loop, SideEdges& sides)
{
    if (orientationVote(loop, sides) < 0)
        std::reverse(loop.begin(), loop.end());
    Face* f = take<Face>();
    if (!f)
        return nullptr;
    const size_t n = loop.size();
    for (size_t k = 0; k < n; ++k) {
        Vertex* a = loop[k];
        Vertex* b = loop[(k + 1) % n];
        Edge* e = sides.find(a, b);
        if (!e) {
            e = take<Edge>(a, b);
            if (!e) {
                f->release();
                return nullptr;
            }
            mesh.addEdge(e);
            sides.add(e);
        }
        f->appendCorner(a, e);
    }
    // Linked only once complete, so that running out of edges above leaves
    // no edge listing a released face.
    for (const Corner& c : f->corners) {
        c.edge->faces.append(f);
        c.edge->set(Geometry::Boundary, c.edge->faces.count() == 1);
    }
    f->computeNormal();
    mesh.addFace(f);
    return f;
}

std::vector<Vertex*> sortedVertices(const Face& f)
{
    std::vector<Vertex*> out;
    for (const Corner& c : f.corners)
        out.push_back(c.vertex);
    std::sort(out.begin(), out.end());
    return out;
}

// The loop of mirror partners, reversed; empty when there is to be no
// counterpart (a partner missing, the loop on the plane, or a face over the
// partners already there).
std::vector<Vertex*> mirroredLoop(const std::vector<Vertex*>& loop, const SideEdges& sides)
{
    std::vector<Vertex*> out;
    for (auto it = loop.rbegin(); it != loop.rend(); ++it) {
        if (!(*it)->mirror)
            return {};
        out.push_back((*it)->mirror);
    }
    std::vector<Vertex*> mine(loop), theirs(out);
    std::sort(mine.begin(), mine.end());
    std::sort(theirs.begin(), theirs.end());
    if (mine == theirs)
        return {};
    if (Edge* e = sides.find(out[0], out[1]))
        for (const Face* g : e->faces)
            if (sortedVertices(*g) == theirs)
                return {};
    return out;
}

} // namespace

Face* addPolygon(InnerShape& mesh, const List<Vertex*>& loopList)
{
    if (loopList.count() < 3)
        return nullptr;
    std::vector<Vertex*> loop(loopList.begin(), loopList.end());
    std::vector<Vertex*> involved(loop);
    if (mesh.hasSymmetry())
        for (Vertex* v : loop)
            if (v->mirror)
                involved.push_back(v->mirror);
    SideEdges sides(mesh, involved);

    Face* f = makePolygon(mesh, loop, sides);
    if (!f || !mesh.hasSymmetry())
        return f;
    std::vector<Vertex*> mirrored = mirroredLoop(loop, sides);
    if (mirrored.empty())
        return f;
    if (Face* counterpart = makePolygon(mesh, mirrored, sides)) {
        f->mirror = counterpart;
        counterpart->mirror = f;
    }
    return f;
}

Face* addPolygon(Shape& object, const List<Vertex*>& loop)
{
    return editTopology(object, [&](InnerShape& mesh) { return addPolygon(mesh, loop); });
}
