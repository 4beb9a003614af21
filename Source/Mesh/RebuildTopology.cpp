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
    auto position = [&](const Vertex* v) { return VertexEdgeTable::positionIn(*this, v); };

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

    // Rows sized for every edge and every corner side, since a damaged
    // corner may still need an edge of its own.
    VertexEdgeTable table;
    if (!table.start(vertexCount))
        return;
    for (const Edge* e : edges) {
        int a = position(e->startVertex), b = position(e->endVertex);
        if (a >= 0 && b >= 0)
            table.countSide(a, b);
    }
    forEachContour([&](Face*, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            int a = position(contour->corners[k].vertex), b = position(contour->corners[k + 1 == n ? 0 : k + 1].vertex);
            if (a >= 0 && b >= 0)
                table.countSide(a, b);
        }
    });
    if (!table.finishCounting())
        return;

    // Edge tags: 0 kept, 1 duplicate of an earlier edge.
    std::vector<Edge*> duplicates;
    for (int i = 0; i < edges.count(); ++i) {
        Edge* e = edges[i];
        e->faces.clear();
        e->tag = 0;
        int a = position(e->startVertex), b = position(e->endVertex);
        if (a < 0 || b < 0)
            continue;
        if (table.find(a, b) >= 0) {
            e->tag = 1;
            duplicates.push_back(e);
        } else {
            table.add(a, b, i);
        }
    }

    forEachContour([&](Face* owner, Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            Corner& c = contour->corners[k];
            Vertex* next = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
            Edge* e = c.edge;
            // A corner whose stored edge does not join its two vertices (a
            // damaged file) gets the edge that does, made if need be.
            if (e && !e->joins(c.vertex, next))
                e = nullptr;
            int a = position(c.vertex), b = position(next);
            if (a >= 0 && b >= 0) {
                int twin = table.find(a, b);
                if (twin >= 0) {
                    e = edges[twin];
                } else {
                    if (!e) {
                        e = take<Edge>(c.vertex, next);
                        if (!e)
                            continue;
                    }
                    // Every listed edge with these ends is in the table, so
                    // a stored edge that is not must be missing from the list.
                    e->tag = 0;
                    table.add(a, b, edges.count());
                    edges.append(e);
                }
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
            if (e->tag == 1)
                e->release();
}
