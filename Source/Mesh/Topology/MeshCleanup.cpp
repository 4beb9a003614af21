#include "Mesh/Topology/MeshCleanup.h"

#include "Mesh/InnerShape.h"

void removeFaces(InnerShape& mesh, const std::vector<Face*>& gone)
{
    if (gone.empty())
        return;
    mesh.touch();
    std::unordered_set<Face*> goneSet(gone.begin(), gone.end());
    int kept = 0;
    for (Face* f : mesh.faces)
        if (!goneSet.count(f))
            mesh.faces[kept++] = f;
    mesh.faces.truncate(kept);
    for (Face* f : mesh.faces)
        if (goneSet.count(f->mirror))
            f->mirror = nullptr;
    for (Face* f : goneSet) {
        forEachContour(*f, [&](Face& contour) {
            for (Corner& c : contour.corners) {
                if (c.edge) {
                    while (c.edge->faces.removeOne(f)) {
                    }
                    c.edge->set(Geometry::Boundary, c.edge->faces.count() < 2);
                }
                if (c.vertex)
                    while (c.vertex->faces.removeOne(f)) {
                    }
            }
        });
        f->release();
    }
}

void releaseVertices(InnerShape& mesh, const std::unordered_set<Vertex*>& gone)
{
    if (gone.empty())
        return;
    int kept = 0;
    for (Vertex* v : mesh.vertices)
        if (!gone.count(v))
            mesh.vertices[kept++] = v;
    mesh.vertices.truncate(kept);
    for (Vertex* v : mesh.vertices)
        if (gone.count(v->mirror))
            v->mirror = nullptr;
    for (Vertex* v : gone)
        v->release();
}

void relinkAndDropUnused(InnerShape& mesh, const std::unordered_set<Edge*>& edgeCandidates,
                         const std::unordered_set<Vertex*>& vertexCandidates)
{
    // Corners may still point at edges that no longer join their vertices;
    // the rebuild gives each the edge that does.
    mesh.rebuildTopology(true);
    std::vector<Edge*> dropped;
    int kept = 0;
    for (Edge* e : mesh.edges) {
        if (e->faces.empty() && edgeCandidates.count(e))
            dropped.push_back(e);
        else
            mesh.edges[kept++] = e;
    }
    mesh.edges.truncate(kept);
    for (Edge* e : dropped)
        e->release();

    if (vertexCandidates.empty())
        return;
    std::unordered_set<Vertex*> used;
    for (const Edge* e : mesh.edges) {
        used.insert(e->startVertex);
        used.insert(e->endVertex);
    }
    for (Face* f : mesh.faces)
        forEachContour(*f, [&](Face& contour) {
            for (const Corner& c : contour.corners)
                used.insert(c.vertex);
        });
    std::unordered_set<Vertex*> unused;
    for (Vertex* v : mesh.vertices)
        if (vertexCandidates.count(v) && !used.count(v))
            unused.insert(v);
    releaseVertices(mesh, unused);
}
