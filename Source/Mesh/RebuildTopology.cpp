// Repairing the edges of a mesh whose corners may already carry edges (as
// read from a file): one edge per vertex pair, every corner pointing at it.
#include <vector>

#include "InnerShape.h"
#include "Pool.h"
#include "VertexEdgeTable.h"

void InnerShape::rebuildTopology(bool releaseDuplicates)
{
    touch();
    const int vertexCount = vertices.count();
    for (int i = 0; i < vertexCount; ++i)
        vertices[i]->tag = i;

    auto forEachContour = [&](auto&& visit) {
        for (Face* f : faces) {
            visit(f, f);
            for (Face* h : f->holes)
                visit(f, h);
        }
    };

    forEachContour([&](Face*, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            Corner& c = contour->corners[k];
            if (c.edge)
                continue;
            c.edge = take<Edge>(c.vertex, contour->corners[k + 1 == n ? 0 : k + 1].vertex);
            if (c.edge)
                edges.append(c.edge);
        }
    });

    VertexEdgeTable table;
    if (!table.build(*this, true))
        return;
    // Edge tags: 0 kept, 1 duplicate of an earlier edge.
    std::vector<Edge*> duplicates;
    for (Edge* e : edges) {
        e->faces.clear();
        e->tag = 0;
        if (!table.owns(*this, e->startVertex) || !table.owns(*this, e->endVertex))
            continue;
        if (table.find(e->startVertex, e->endVertex) || table.find(e->endVertex, e->startVertex)) {
            e->tag = 1;
            duplicates.push_back(e);
        } else {
            table.add(e->startVertex, e->endVertex, e);
        }
    }

    auto twinOf = [&](const Vertex* a, const Vertex* b) -> Edge* {
        Edge* e = table.find(a, b);
        return e ? e : table.find(b, a);
    };
    forEachContour([&](Face* owner, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            Corner& c = contour->corners[k];
            Vertex* a = c.vertex;
            Vertex* b = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
            Edge* e = c.edge;
            // A corner whose stored edge does not join its two vertices (a
            // damaged file) gets the edge that does, made if need be.
            if (e && !e->joins(a, b))
                e = nullptr;
            if (table.owns(*this, a) && table.owns(*this, b)) {
                Edge* twin = twinOf(a, b);
                if (!twin) {
                    twin = e ? e : take<Edge>(a, b);
                    if (!twin)
                        continue;
                    if (!e)
                        edges.append(twin);
                    twin->tag = 0;
                    table.add(a, b, twin);
                }
                e = twin;
            }
            if (!e)
                continue;
            c.edge = e;
            e->faces.append(owner);
        }
    });

    int kept = 0;
    for (Edge* e : edges) {
        if (e->tag == 1)
            continue;
        e->set(Boundary, e->faces.count() < 2);
        edges[kept++] = e;
    }
    edges.truncate(kept);
    if (releaseDuplicates)
        for (Edge* e : duplicates)
            e->release();
}
