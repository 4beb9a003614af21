#include "LevelTables.h"

namespace subdivision {

namespace {

// Counts shifted one place (start[i + 1] = count of i) become the first
// slot of each i in a compact adjacency.
void prefixSums(Flat<int32_t>& start)
{
    for (size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
}

// The number each element of a new level gets as its `id`: the maps are
// indexed by the ids below, and the elements they point at are numbered in
// map order (where two elements below share an id, the map keeps the last).
// Per element below: its number, or -1.
// Only elements with `mapped` set (all when null) have map entries.
void numberInMapOrder(const Flat<int32_t>& ids, const Flat<uint8_t>* mapped, int mapSize,
                      Flat<int32_t>& outNumber)
{
    static Flat<int32_t> holder;
    holder.assign(static_cast<size_t>(mapSize), -1);
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] >= 0 && ids[i] < mapSize && (!mapped || (*mapped)[i]))
            holder[static_cast<size_t>(ids[i])] = static_cast<int32_t>(i);
    outNumber.assign(ids.size(), -1);
    int32_t next = 0;
    for (int32_t i : holder)
        if (i >= 0)
            outNumber[static_cast<size_t>(i)] = next++;
}

} // namespace

void readTopology(InnerShape& m, MeshTables& t)
{
    const int V = m.vertices.count(), E = m.edges.count(), F = m.faces.count();
    t.vertexIds.resize(V);
    for (int i = 0; i < V; ++i) {
        Vertex* v = m.vertices[i];
        v->tag = i;
        t.vertexIds[i] = v->id;
    }
    t.ends.resize(2 * static_cast<size_t>(E));
    t.edgeIds.resize(E);
    t.edgeFaceStart.resize(E + 1);
    static std::vector<Face*> edgeFaces;
    edgeFaces.clear();
    for (int j = 0; j < E; ++j) {
        Edge* e = m.edges[j];
        e->tag = j;
        t.edgeIds[j] = e->id;
        t.ends[2 * j] = e->startVertex->tag;
        t.ends[2 * j + 1] = e->endVertex->tag;
        t.edgeFaceStart[j] = static_cast<int32_t>(edgeFaces.size());
        edgeFaces.insert(edgeFaces.end(), e->faces.begin(), e->faces.end());
    }
    t.edgeFaceStart[E] = static_cast<int32_t>(edgeFaces.size());

    t.cornerStart.resize(F + 1);
    t.cornerVertex.clear();
    t.cornerEdge.clear();
    t.hasChildren.resize(F);
    t.faceIds.resize(F);
    for (int i = 0; i < F; ++i) {
        Face* f = m.faces[i];
        f->tag = i;
        t.faceIds[i] = f->id;
        t.cornerStart[i] = static_cast<int32_t>(t.cornerVertex.size());
        bool edgesKnown = f->cornerCount() > 0;
        for (const Corner& c : f->corners) {
            const int e = c.edge ? c.edge->tag : -1;
            const bool edgeKnown = e >= 0 && e < E && m.edges[e] == c.edge;
            t.cornerVertex.push_back(c.vertex->tag);
            t.cornerEdge.push_back(edgeKnown ? e : -1);
            edgesKnown = edgesKnown && edgeKnown;
        }
        t.hasChildren[i] = edgesKnown;
    }
    t.cornerStart[F] = static_cast<int32_t>(t.cornerVertex.size());

    t.edgeFaces.resize(edgeFaces.size());
    for (size_t k = 0; k < edgeFaces.size(); ++k) {
        const Face* f = edgeFaces[k];
        const int i = f->tag;
        t.edgeFaces[k] = i >= 0 && i < F && m.faces[i] == f ? i : -1;
    }
}

void readFlags(InnerShape& m, MeshTables& t)
{
    const int V = m.vertices.count(), E = m.edges.count(), F = m.faces.count();
    t.valence.assign(V, 0);
    t.sharpEdges.assign(V, 0);
    t.creases.assign(V, 0);
    t.vertexBits.assign(V, 0);
    t.edgeBits.resize(E);
    for (int j = 0; j < E; ++j) {
        Edge* e = m.edges[j];
        if (e->tag != j)
            e->tag = j;
        const int a = t.ends[2 * j], c = t.ends[2 * j + 1];
        // The length of its face list, from the tables.
        const bool boundary = t.edgeFaceStart[j + 1] - t.edgeFaceStart[j] <= 1;
        if (boundary != e->has(Geometry::Boundary))
            e->set(Geometry::Boundary, boundary);
        if (boundary) {
            t.vertexBits[a] |= Geometry::Boundary;
            t.vertexBits[c] |= Geometry::Boundary;
        }
        const uint8_t bits = e->flags & SharpEdge;
        t.edgeBits[j] = bits;
        if (bits & Geometry::Creased) {
            ++t.creases[a];
            ++t.creases[c];
        }
        if (bits) {
            ++t.sharpEdges[a];
            ++t.sharpEdges[c];
        }
        ++t.valence[a];
        ++t.valence[c];
    }
    for (int i = 0; i < V; ++i) {
        if (t.creases[i] > 1)
            t.vertexBits[i] |= Geometry::CreaseVertex;
        Vertex* v = m.vertices[i];
        const auto flags = static_cast<uint8_t>((v->flags & ~Sharp) | t.vertexBits[i]);
        if (v->flags != flags)
            v->flags = flags;
        if (v->tag != i)
            v->tag = i;
    }
    t.material.resize(F);
    for (int i = 0; i < F; ++i) {
        Face* f = m.faces[i];
        if (f->tag != i)
            f->tag = i;
        if (!f->has(Geometry::Psub))
            f->set(Geometry::Psub);
        t.material[i] = f->material;
    }

    // Faces around each vertex, in face order; edge ends, in edge order.
    t.vertexFaceStart.assign(V + 1, 0);
    for (int32_t v : t.cornerVertex)
        ++t.vertexFaceStart[v + 1];
    prefixSums(t.vertexFaceStart);
    t.vertexFaces.resize(t.cornerVertex.size());
    Flat<int32_t>& cursor = t.creases; // spent: CreaseVertex is set
    cursor.assign(t.vertexFaceStart.begin(), t.vertexFaceStart.end() - 1);
    for (int i = 0; i < F; ++i)
        for (int k = t.cornerStart[i]; k < t.cornerStart[i + 1]; ++k)
            t.vertexFaces[cursor[t.cornerVertex[k]]++] = i;

    t.vertexEndStart.resize(V + 1);
    t.vertexEndStart[0] = 0;
    for (int i = 0; i < V; ++i)
        t.vertexEndStart[i + 1] = t.vertexEndStart[i] + t.valence[i];
    t.vertexEnds.resize(2 * static_cast<size_t>(E));
    cursor.assign(t.vertexEndStart.begin(), t.vertexEndStart.end() - 1);
    for (int k = 0; k < 2 * E; ++k)
        t.vertexEnds[cursor[t.ends[k]]++] = k;
}

Layout layOut(const MeshTables& b)
{
    Layout at;
    const int F = b.faceCount();
    at.facePoint.resize(F);
    at.firstQuad.resize(F);
    for (int i = 0; i < F; ++i) {
        const int n = b.cornerStart[i + 1] - b.cornerStart[i];
        at.facePoint[i] = n > 0 ? at.faceCount++ : -1;
        at.firstQuad[i] = at.quads;
        if (b.hasChildren[i])
            at.quads += n;
    }
    at.edgeStart = at.faceCount;
    at.vertexStart = at.edgeStart + b.edgeCount();
    at.total = at.vertexStart + b.vertexCount();
    return at;
}

void listQuadsAtHalves(const MeshTables& b, Flat<int32_t>& start, Flat<int32_t>& quads)
{
    const int F = b.faceCount();
    const int H = 2 * b.edgeCount();
    start.assign(H + 1, 0);
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const auto [corner, side, n] = b.cornersOf(f);
        for (int k = 0; k < n; ++k) {
            const int next = k + 1 == n ? 0 : k + 1;
            ++start[halfAt(b, side[k], corner[next]) + 1];
            ++start[halfAt(b, side[next], corner[next]) + 1];
        }
    }
    prefixSums(start);
    quads.resize(start[H]);
    static Flat<int32_t> cursor;
    cursor.assign(start.begin(), start.end() - 1);
    int q = 0;
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const auto [corner, side, n] = b.cornersOf(f);
        for (int k = 0; k < n; ++k, ++q) {
            const int next = k + 1 == n ? 0 : k + 1;
            quads[cursor[halfAt(b, side[k], corner[next])]++] = q;
            quads[cursor[halfAt(b, side[next], corner[next])]++] = q;
        }
    }
}

int mapSize(const Flat<int32_t>& ids)
{
    int size = 0;
    for (int32_t id : ids)
        if (id >= size)
            size = id + 1;
    return size;
}

void numberAll(const MeshTables& b, Numbers& out)
{
    numberInMapOrder(b.vertexIds, nullptr, mapSize(b.vertexIds), out.vertex);
    numberInMapOrder(b.edgeIds, nullptr, mapSize(b.edgeIds), out.edge);
    numberInMapOrder(b.faceIds, &b.hasChildren, mapSize(b.faceIds), out.face);
}

void deriveLevel(const MeshTables& b, MeshTables& n)
{
    const Layout at = layOut(b);
    static Numbers number;
    numberAll(b, number);
    const int E = b.edgeCount(), F = b.faceCount();
    const int edges = 2 * E + at.quads;

    n.vertexIds.assign(at.total, -1);
    std::copy(number.vertex.begin(), number.vertex.end(), n.vertexIds.begin() + at.vertexStart);

    n.edgeIds.assign(edges, -1);
    n.ends.resize(2 * static_cast<size_t>(edges));
    listQuadsAtHalves(b, n.edgeFaceStart, n.edgeFaces);
    n.edgeFaceStart.resize(edges + 1);
    for (int e = 0; e < E; ++e) {
        const int32_t ep = at.edgeStart + e;
        n.ends[4 * e] = at.vertexStart + b.ends[2 * e];
        n.ends[4 * e + 1] = ep;
        n.ends[4 * e + 2] = ep;
        n.ends[4 * e + 3] = at.vertexStart + b.ends[2 * e + 1];
        n.edgeIds[2 * e] = number.edge[e];
    }

    n.faceIds.assign(at.quads, -1);
    n.hasChildren.assign(at.quads, 1);
    n.cornerStart.resize(at.quads + 1);
    n.cornerVertex.resize(4 * static_cast<size_t>(at.quads));
    n.cornerEdge.resize(4 * static_cast<size_t>(at.quads));
    int32_t link = n.edgeFaceStart[2 * E];
    n.edgeFaces.resize(static_cast<size_t>(link) + 2 * static_cast<size_t>(at.quads));
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const auto [corner, side, count] = b.cornersOf(f);
        const int32_t first = at.firstQuad[f];
        const int32_t internal = 2 * E + first;
        n.faceIds[first] = number.face[f];
        for (int k = 0; k < count; ++k) {
            const int next = k + 1 == count ? 0 : k + 1;
            const int32_t q = first + k;
            n.ends[2 * (internal + k)] = at.facePoint[f];
            n.ends[2 * (internal + k) + 1] = at.edgeStart + side[k];
            n.edgeFaceStart[internal + k] = link;
            n.edgeFaces[link++] = k == 0 ? first : q - 1;
            n.edgeFaces[link++] = k == 0 ? first + count - 1 : q;
            n.cornerStart[q] = 4 * q;
            int32_t* cv = n.cornerVertex.data() + 4 * q;
            int32_t* ce = n.cornerEdge.data() + 4 * q;
            cv[0] = at.facePoint[f];
            cv[1] = at.edgeStart + side[k];
            cv[2] = at.vertexStart + corner[next];
            cv[3] = at.edgeStart + side[next];
            ce[0] = internal + k;
            ce[1] = halfAt(b, side[k], corner[next]);
            ce[2] = halfAt(b, side[next], corner[next]);
            ce[3] = internal + next;
        }
    }
    n.edgeFaceStart[edges] = link;
    n.cornerStart[at.quads] = 4 * at.quads;
}

} // namespace subdivision
