// Deriving edges from face corners in time linear in the corner count.
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

    static VertexEdgeTable table;
    if (!table.start(vertexCount))
        return;
    // Edges no face corner refers to (wire edges) stay at the front. Hole
    // corners count as references too: otherwise a second run would keep
    // the old hole edges as wire edges beside the new ones.
    for (Edge* e : edges)
        e->tag = 1;
    long cornerCount = 0;
    bool foreignVertices = false;
    auto countContour = [&](const Face* contour) {
        const int n = contour->corners.count();
        for (int k = 0; k < n; ++k) {
            const Corner& c = contour->corners[k];
            if (c.edge)
                c.edge->tag = 0;
            // Each corner's vertex is checked once; the side's other end is
            // the next corner's, checked on its own turn.
            if (VertexEdgeTable::positionIn(*this, c.vertex) < 0) {
                foreignVertices = true;
                continue;
            }
            const Vertex* next = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
            if (next && static_cast<unsigned>(next->tag) < static_cast<unsigned>(vertexCount))
                table.countSide(c.vertex->tag, next->tag);
        }
        cornerCount += n;
    };
    for (const Face* f : faces) {
        countContour(f);
        for (const Face* h : f->holes)
            countContour(h);
    }
    if (!table.finishCounting())
        return;
    int kept = 0;
    for (Edge* e : edges)
        if (e->tag == 1)
            edges[kept++] = e;
    edges.truncate(kept);
    // A closed manifold mesh has one edge per two corners; reserving that
    // avoids most regrowth without claiming twice the memory.
    edges.reserve(kept + static_cast<int>(cornerCount / 2) + 1);

    auto linkContour = [&](Face* owner, Face* contour) {
        const int n = contour->corners.count();
        if (n == 0)
            return;
        int a = contour->corners[0].vertex->tag;
        for (int k = 0; k < n; ++k) {
            Corner& c = contour->corners[k];
            Vertex* next = contour->corners[k + 1 == n ? 0 : k + 1].vertex;
            int b = next->tag;
            int sideStart = a;
            a = b;
            if (foreignVertices) {
                sideStart = VertexEdgeTable::positionIn(*this, c.vertex);
                b = VertexEdgeTable::positionIn(*this, next);
                if (sideStart < 0 || b < 0) {
                    c.edge = nullptr;
                    continue;
                }
            }
            int found = table.find(sideStart, b);
            Edge* e;
            if (found >= 0) {
                e = edges[found];
                e->flags &= ~Boundary;
            } else {
                e = take<Edge>(c.vertex, next);
                if (!e)
                    continue;
                table.add(sideStart, b, edges.count());
                edges.append(e);
                e->flags |= Boundary;
            }
            e->faces.append(owner);
            c.edge = e;
        }
    };
    for (Face* f : faces) {
        linkContour(f, f);
        for (Face* h : f->holes)
            linkContour(f, h);
    }
}
