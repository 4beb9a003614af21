// Extruding edges: every listed border or wire edge pulls out a quad strip.
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Mesh/Topology/PartnersByConstruction.h"
#include "Mesh/Topology/PassNumber.h"

namespace {

// The copy of one end vertex, shared by every listed edge at it.
struct Copy {
    Vertex* vertex = nullptr;
    Edge* side = nullptr;  // from the old vertex up to the copy
    Point3D normalSum{0, 0, 0};
};

using VertexPair = std::pair<const Vertex*, const Vertex*>;

VertexPair pairOf(const Vertex* a, const Vertex* b) { return a < b ? VertexPair{a, b} : VertexPair{b, a}; }

// The contour of `f` (outer or a hole) and the position in it of the
// corner whose edge is `e`; a null contour when there is none.
std::pair<const Face*, int> cornerOn(const Face* f, const Edge* e)
{
    for (int k = 0; k < f->cornerCount(); ++k)
        if (f->corners[k].edge == e)
            return {f, k};
    for (const Face* h : f->holes)
        for (int k = 0; k < h->cornerCount(); ++k)
            if (h->corners[k].edge == e)
                return {h, k};
    return {nullptr, 0};
}

} // namespace

int extrudeEdges(InnerShape& mesh, const List<Edge*>& edges, PointDirections* directions)
{
    mesh.touch();
    const int32_t pass = nextPassNumber();
    // Only edges that can be extruded can be partners of listed ones.
    std::map<VertexPair, Edge*> byEnds;
    if (mesh.hasSymmetry())
        for (Edge* e : mesh.edges)
            if (e->faces.count() <= 1)
                byEnds[pairOf(e->startVertex, e->endVertex)] = e;

    std::vector<Edge*> work;
    auto enlist = [&](Edge* e) {
        if (!e || e->tag == pass || e->faces.count() > 1 || !e->startVertex || !e->endVertex ||
            e->startVertex == e->endVertex)
            return;
        e->tag = pass;
        work.push_back(e);
    };
    for (Edge* e : edges) {
        enlist(e);
        if (e && mesh.hasSymmetry() && e->startVertex->mirror && e->endVertex->mirror) {
            auto m = byEnds.find(pairOf(e->startVertex->mirror, e->endVertex->mirror));
            if (m != byEnds.end())
                enlist(m->second);
        }
    }

    std::unordered_map<const Vertex*, Copy> copies;
    std::vector<const Vertex*> copied; // in the order the copies were made
    for (Edge* e : work) {
        Point3D normal(0, 0, 0);
        if (!e->faces.empty())
            normal = e->faces[0]->computeNormal();
        for (Vertex* v : {e->startVertex, e->endVertex}) {
            Copy& c = copies[v];
            if (!c.vertex) {
                c.vertex = take<Vertex>(v->x, v->y, v->z);
                c.side = take<Edge>(v, c.vertex);
                mesh.addVertex(c.vertex);
                mesh.addEdge(c.side);
                copied.push_back(v);
            }
            c.normalSum += normal;
        }
    }
    if (directions)
        for (const Vertex* v : copied)
            directions->addPoint(copies[v].vertex, copies[v].normalSum.normalized());

    std::map<const Edge*, Face*> strips;
    for (Edge* e : work) {
        // The strip runs e from p to q, against the face on e when there is one.
        Vertex* p = e->startVertex;
        Vertex* q = e->endVertex;
        Corner atP{}, atQ{};
        Face* strip = nullptr;
        if (!e->faces.empty()) {
            const Face* f = e->faces[0];
            const auto [contour, k] = cornerOn(f, e);
            if (contour) {
                const Corner& c = contour->corners[k];
                const Corner& next = contour->corners[(k + 1) % contour->cornerCount()];
                if (c.vertex == e->startVertex)
                    std::swap(p, q);
                atP = c.vertex == p ? c : next;
                atQ = c.vertex == p ? next : c;
            }
            strip = take<Face>(f->material);
        } else {
            strip = take<Face>();
        }
        const Copy& cp = copies[p];
        const Copy& cq = copies[q];
        Edge* top = take<Edge>(cq.vertex, cp.vertex);
        top->set(Geometry::Creased, e->has(Geometry::Creased));
        strip->corners.append(Corner{p, e, atP.u, atP.v, atP.w});
        strip->corners.append(Corner{q, cq.side, atQ.u, atQ.v, atQ.w});
        strip->corners.append(Corner{cq.vertex, top, atQ.u, atQ.v, atQ.w});
        strip->corners.append(Corner{cp.vertex, cp.side, atP.u, atP.v, atP.w});
        e->faces.append(strip);
        cq.side->faces.append(strip);
        top->faces.append(strip);
        cp.side->faces.append(strip);
        mesh.addEdge(top);
        mesh.addFace(strip);
        strips[e] = strip;
    }
    for (Edge* e : work) {
        e->set(Geometry::Boundary, e->faces.count() == 1);
        strips[e]->corners[2].edge->set(Geometry::Boundary);
        strips[e]->computeNormal();
    }
    for (auto& [v, c] : copies)
        c.side->set(Geometry::Boundary, c.side->faces.count() == 1);

    if (mesh.hasSymmetry()) {
        // Copies and strips start on top of old elements: partners come from
        // the construction, the copy of v mirroring the copy of v's partner.
        for (auto& [v, c] : copies) {
            auto across = v->mirror ? copies.find(v->mirror) : copies.end();
            if (across == copies.end())
                continue;
            c.vertex->mirror = across->second.vertex;
            c.vertex->set2(Geometry::OnPlane, c.vertex->mirror == c.vertex);
        }
        for (Edge* e : work) {
            if (!e->startVertex->mirror || !e->endVertex->mirror)
                continue;
            auto m = byEnds.find(pairOf(e->startVertex->mirror, e->endVertex->mirror));
            if (m != byEnds.end() && strips.count(m->second))
                strips[e]->mirror = strips[m->second];
        }
    }
    if (directions)
        directions->finishObject(mesh);
    return static_cast<int>(work.size());
}

int extrudeEdges(Shape& object, const List<Edge*>& edges, PointDirections* directions)
{
    return editKeepingPartners(object, [&](InnerShape& mesh) { return extrudeEdges(mesh, edges, directions); });
}
