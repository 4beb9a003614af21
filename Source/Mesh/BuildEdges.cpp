// Deriving edges from face corners in time linear in the corner count.
#include <memory>
#include <new>

#include "InnerShape.h"
#include "Pool.h"
#include "VertexEdgeTable.h"

void InnerShape::buildEdges()
{
    touch();
    if (faces.empty())
        return;
    const int vertexCount = vertices.count();
    for (int i = 0; i < vertexCount; ++i)
        vertices[i]->tag = i;

    // Edges no face corner refers to (wire edges) stay at the front.
    for (Edge* e : edges)
        e->tag = 1;
    long cornerCount = 0;
    // Hole corners count as references too: otherwise a second run would
    // keep the old hole edges as wire edges beside the new ones.
    auto unmarkContour = [&](const Face* contour) {
        for (const Corner& c : contour->corners)
            if (c.edge)
                c.edge->tag = 0;
        cornerCount += contour->corners.count();
    };
    for (Face* f : faces) {
        unmarkContour(f);
        for (const Face* h : f->holes)
            unmarkContour(h);
    }
    int kept = 0;
    for (Edge* e : edges)
        if (e->tag == 1)
            edges[kept++] = e;
    edges.truncate(kept);
    // A closed manifold mesh has one edge per two corners; reserving that
    // avoids most regrowth without claiming twice the memory.
    edges.reserve(kept + static_cast<int>(cornerCount / 2) + 1);

    VertexEdgeTable table;
    if (!table.build(*this))
        return;
    for (Face* f : faces) {
        auto linkContour = [&](Face* contour) {
            const int n = contour->corners.count();
            for (int k = 0; k < n; ++k) {
                Corner& c = contour->corners[k];
                Vertex* a = c.vertex;
                Vertex* b = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
                if (!table.owns(*this, a) || !table.owns(*this, b))
                    continue;
                Edge* e = table.find(a, b);
                if (!e)
                    e = table.find(b, a);
                if (e) {
                    e->set(Boundary, false);
                } else {
                    e = take<Edge>(a, b);
                    if (!e)
                        continue;
                    table.add(a, b, e);
                    edges.append(e);
                    e->set(Boundary, true);
                }
                e->faces.append(f);
                c.edge = e;
            }
        };
        linkContour(f);
        for (Face* h : f->holes)
            linkContour(h);
    }
}
