// One step of Catmull-Clark subdivision: the level above a mesh, with every
// new vertex's position given as a stencil over the mesh below. The numbered
// comments are the twelve steps of the build.
//
// The mesh below is read once, list by list, into flat tables of positions
// (corner vertices, edge ends, flags); everything after that works on those
// tables and writes the new level's elements in list order, so the level's
// stencil lists, its flattened stencil table and its element lists are each
// written front to back.
#include <vector>

#include "InnerShape.h"
#include "LevelStack.h"
#include "Pool.h"
#include "SubdivisionStencils.h"

namespace {

constexpr uint8_t Sharp = Geometry::CreaseVertex | Geometry::Boundary;
constexpr uint8_t SharpEdge = Geometry::Creased | Geometry::Boundary;

// 1/n² for the neighbours of a smooth vertex of valence n; a vertex without
// edges must not divide by zero.
float inverseSquare(int n)
{
    const float square = static_cast<float>(n) * static_cast<float>(n);
    return square == 0.0f ? 1.0f / 0.001f : 1.0f / square;
}

// The mesh below as flat tables, indexed by list positions. Kept between
// builds so that their storage is reused.
struct Below {
    // Vertices.
    std::vector<uint8_t> vertexBits;  // Sharp bits after step 2
    std::vector<int32_t> valence;     // edge ends at the vertex
    std::vector<int32_t> sharpEdges;  // creased or boundary edge ends at the vertex
    std::vector<int32_t> creases;     // creased edge ends at the vertex
    std::vector<int32_t> vertexIds;
    // Edges.
    std::vector<int32_t> ends;        // start, end vertex per edge
    std::vector<uint8_t> edgeBits;    // Boundary and Creased after step 2
    std::vector<int32_t> edgeFaceStart; // per edge into edgeFaces, then the end
    std::vector<int32_t> edgeFaces;   // face positions, in each edge's link order
    std::vector<Face*> edgeFacePointers;
    std::vector<int32_t> edgeIds;
    // Faces.
    std::vector<int32_t> cornerStart; // per face into the corner tables, then the end
    std::vector<int32_t> cornerVertex;
    std::vector<int32_t> cornerEdge;  // -1 where the corner has no edge yet
    std::vector<Material*> material;
    std::vector<uint8_t> hasChildren; // a face point and an edge at every corner
    std::vector<int32_t> faceIds;
    // Around each vertex: the faces of its corners in face order, and its
    // edge ends (2 × edge + end) in edge order.
    std::vector<int32_t> vertexFaceStart, vertexFaces;
    std::vector<int32_t> vertexEndStart, vertexEnds;
};

// Where the level's vertices sit: face points (faces with corners), then
// edge points, then vertex points.
struct Layout {
    std::vector<int32_t> facePoint; // per face, -1 for a face without corners
    int faceCount = 0;
    int edgeStart = 0;
    int vertexStart = 0;
    int total = 0;
};

// One vertex's stencil on its way into the level: entries into the shared
// list storage, slots and weights into the table.
struct StencilWriter {
    StencilEntry* storage = nullptr;
    size_t used = 0;
    std::vector<int32_t> slots;
    std::vector<float> weights;

    void add(Geometry* source, int32_t slot, float weight, uint32_t flags)
    {
        storage[used++] = {source, weight, flags};
        slots.push_back(slot);
        weights.push_back(weight);
    }
    void finish(Vertex* v, StencilTable& table)
    {
        const int count = static_cast<int>(slots.size());
        if (count)
            v->stencil.borrow(storage + used - static_cast<size_t>(count), count, count);
        table.add(slots.data(), weights.data(), count);
        slots.clear();
        weights.clear();
    }
};

// Counts shifted one place (start[i + 1] = count of i) become the first
// slot of each i in a compact adjacency.
void prefixSums(std::vector<int32_t>& start)
{
    for (size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
}

// 2. Boundary and crease flags of the mesh below, scratch tags = positions,
// read into `b` with everything later steps need from the mesh.
void readBelow(InnerShape& m, Below& b)
{
    const int V = m.vertices.count(), E = m.edges.count(), F = m.faces.count();
    b.valence.assign(V, 0);
    b.sharpEdges.assign(V, 0);
    b.creases.assign(V, 0);
    b.vertexBits.assign(V, 0);
    b.vertexIds.resize(V);
    for (int i = 0; i < V; ++i) {
        Vertex* v = m.vertices[i];
        v->tag = i;
        b.vertexIds[i] = v->id;
    }

    b.ends.resize(2 * static_cast<size_t>(E));
    b.edgeBits.resize(E);
    b.edgeIds.resize(E);
    b.edgeFaceStart.resize(E + 1);
    b.edgeFacePointers.clear();
    for (int j = 0; j < E; ++j) {
        Edge* e = m.edges[j];
        e->tag = j;
        b.edgeIds[j] = e->id;
        const int a = e->startVertex->tag, c = e->endVertex->tag;
        b.ends[2 * j] = a;
        b.ends[2 * j + 1] = c;
        if (e->faces.count() <= 1) {
            e->set(Geometry::Boundary);
            b.vertexBits[a] |= Geometry::Boundary;
            b.vertexBits[c] |= Geometry::Boundary;
        } else {
            e->set(Geometry::Boundary, false);
        }
        const uint8_t bits = e->flags & SharpEdge;
        b.edgeBits[j] = bits;
        if (bits & Geometry::Creased) {
            ++b.creases[a];
            ++b.creases[c];
        }
        if (bits) {
            ++b.sharpEdges[a];
            ++b.sharpEdges[c];
        }
        ++b.valence[a];
        ++b.valence[c];
        b.edgeFaceStart[j] = static_cast<int32_t>(b.edgeFacePointers.size());
        b.edgeFacePointers.insert(b.edgeFacePointers.end(), e->faces.begin(), e->faces.end());
    }
    b.edgeFaceStart[E] = static_cast<int32_t>(b.edgeFacePointers.size());

    for (int i = 0; i < V; ++i) {
        if (b.creases[i] > 1)
            b.vertexBits[i] |= Geometry::CreaseVertex;
        Vertex* v = m.vertices[i];
        v->flags = static_cast<uint8_t>((v->flags & ~Sharp) | b.vertexBits[i]);
    }

    b.cornerStart.resize(F + 1);
    b.cornerVertex.clear();
    b.cornerEdge.clear();
    b.material.resize(F);
    b.hasChildren.resize(F);
    b.faceIds.resize(F);
    for (int i = 0; i < F; ++i) {
        Face* f = m.faces[i];
        f->tag = i;
        f->set(Geometry::Psub);
        b.faceIds[i] = f->id;
        b.material[i] = f->material;
        b.cornerStart[i] = static_cast<int32_t>(b.cornerVertex.size());
        bool edgesKnown = f->cornerCount() > 0;
        for (const Corner& c : f->corners) {
            const int e = c.edge ? c.edge->tag : -1;
            const bool known = e >= 0 && e < E && m.edges[e] == c.edge;
            b.cornerVertex.push_back(c.vertex->tag);
            b.cornerEdge.push_back(known ? e : -1);
            edgesKnown = edgesKnown && known;
        }
        b.hasChildren[i] = edgesKnown;
    }
    b.cornerStart[F] = static_cast<int32_t>(b.cornerVertex.size());

    b.edgeFaces.resize(b.edgeFacePointers.size());
    for (size_t k = 0; k < b.edgeFacePointers.size(); ++k) {
        const Face* f = b.edgeFacePointers[k];
        const int i = f->tag;
        b.edgeFaces[k] = i >= 0 && i < F && m.faces[i] == f ? i : -1;
    }

    // Faces around each vertex, in face order; edge ends, in edge order.
    b.vertexFaceStart.assign(V + 1, 0);
    for (int32_t v : b.cornerVertex)
        ++b.vertexFaceStart[v + 1];
    prefixSums(b.vertexFaceStart);
    b.vertexFaces.resize(b.cornerVertex.size());
    std::vector<int32_t>& cursor = b.creases; // spent: CreaseVertex is set
    cursor.assign(b.vertexFaceStart.begin(), b.vertexFaceStart.end() - 1);
    for (int i = 0; i < F; ++i)
        for (int k = b.cornerStart[i]; k < b.cornerStart[i + 1]; ++k)
            b.vertexFaces[cursor[b.cornerVertex[k]]++] = i;

    b.vertexEndStart.resize(V + 1);
    b.vertexEndStart[0] = 0;
    for (int i = 0; i < V; ++i)
        b.vertexEndStart[i + 1] = b.vertexEndStart[i] + b.valence[i];
    b.vertexEnds.resize(2 * static_cast<size_t>(E));
    cursor.assign(b.vertexEndStart.begin(), b.vertexEndStart.end() - 1);
    for (int k = 0; k < 2 * E; ++k)
        b.vertexEnds[cursor[b.ends[k]]++] = k;
}

bool isSharpVertex(const Below& b, int v)
{
    return b.vertexBits[v] & Sharp;
}

// Steps 8 and 9: vertices with fewer than two edges, and corners where more
// than two sharp edges meet, stay where they are.
bool isFixedVertex(const Below& b, int v)
{
    return b.valence[v] < 2 || b.sharpEdges[v] > 2;
}

bool isSharpEdgePoint(const Below& b, int e)
{
    return b.edgeBits[e] && isSharpVertex(b, b.ends[2 * e]) && isSharpVertex(b, b.ends[2 * e + 1]);
}

// The face point of face f (-1 for a face outside the mesh).
int facePointOf(const Layout& at, int f)
{
    return f >= 0 ? at.facePoint[f] : -1;
}

int edgePointEntries(const Below& b, const Layout& at, int e)
{
    if (isSharpEdgePoint(b, e))
        return 2;
    int n = 2;
    for (int k = b.edgeFaceStart[e]; k < b.edgeFaceStart[e + 1]; ++k)
        n += facePointOf(at, b.edgeFaces[k]) >= 0;
    return n;
}

int vertexPointEntries(const Below& b, int v)
{
    if (isFixedVertex(b, v))
        return 1;
    if (isSharpVertex(b, v))
        return 1 + b.sharpEdges[v];
    return 1 + (b.vertexFaceStart[v + 1] - b.vertexFaceStart[v]) + b.valence[v];
}

Layout layOut(const Below& b, int V, int E, int F)
{
    Layout at;
    at.facePoint.resize(F);
    for (int i = 0; i < F; ++i)
        at.facePoint[i] = b.cornerStart[i + 1] > b.cornerStart[i] ? at.faceCount++ : -1;
    at.edgeStart = at.faceCount;
    at.vertexStart = at.edgeStart + E;
    at.total = at.vertexStart + V;
    return at;
}

// Steps 3 to 9: every new vertex with its stencil, in list order. Plain
// sources are vertices of the mesh below (table slot total + position);
// expanded ones are face points of the level (slot = their position).
bool addVertices(InnerShape& m, const Below& b, const Layout& at, InnerShape& level, LevelRecord& record,
                 StencilTable& table)
{
    const int V = m.vertices.count(), E = m.edges.count(), F = m.faces.count();
    size_t entries = b.cornerVertex.size();
    for (int e = 0; e < E; ++e)
        entries += static_cast<size_t>(edgePointEntries(b, at, e));
    for (int v = 0; v < V; ++v)
        entries += static_cast<size_t>(vertexPointEntries(b, v));
    static StencilWriter w;
    w.storage = table.provideListStorage(entries);
    w.used = 0;
    if (!w.storage && entries)
        return false;
    table.begin(at.total, m.vertices.data(), V, entries);

    Vertex* const* below = m.vertices.data();
    const int32_t plain = at.total;
    auto newVertex = [&]() -> Vertex* {
        Vertex* v = take<Vertex>();
        if (v) {
            v->index = level.vertices.count();
            level.vertices.append(v);
        }
        return v;
    };

    // 3. Face points: the average of the corners.
    for (int f = 0; f < F; ++f) {
        const int first = b.cornerStart[f], n = b.cornerStart[f + 1] - first;
        if (n < 1)
            continue;
        Vertex* fp = newVertex();
        if (!fp)
            return false;
        const float weight = 1.0f / static_cast<float>(n);
        for (int k = first; k < first + n; ++k)
            w.add(below[b.cornerVertex[k]], plain + b.cornerVertex[k], weight, 0);
        w.finish(fp, table);
    }

    // 4. Edge points: the midpoint where the edge is sharp between two sharp
    // vertices, else the average of its ends and its face points.
    Vertex* const* facePoints = level.vertices.data();
    for (int e = 0; e < E; ++e) {
        Vertex* ep = newVertex();
        if (!ep)
            return false;
        const int a = b.ends[2 * e], c = b.ends[2 * e + 1];
        const bool sharp = isSharpEdgePoint(b, e);
        const float weight = sharp ? 0.5f : 0.25f;
        w.add(below[a], plain + a, weight, 0);
        w.add(below[c], plain + c, weight, 0);
        if (!sharp) {
            for (int k = b.edgeFaceStart[e]; k < b.edgeFaceStart[e + 1]; ++k) {
                const int fp = facePointOf(at, b.edgeFaces[k]);
                if (fp >= 0)
                    w.add(facePoints[fp], fp, 0.25f, StencilEntry::Expand);
            }
        }
        w.finish(ep, table);
    }

    // 5 to 9. Vertex points: own weight, then (smooth) the face points
    // around in face order, then the neighbours in edge order.
    for (int v = 0; v < V; ++v) {
        Vertex* vp = newVertex();
        if (!vp)
            return false;
        vp->set2(Geometry::VertexPoint);
        const int32_t id = b.vertexIds[v];
        if (id >= 0 && id < record.vertexMap.count())
            record.vertexMap[id] = {v, at.vertexStart + v};
        const int n = b.valence[v];
        if (isFixedVertex(b, v)) {
            w.add(below[v], plain + v, 1.0f, StencilEntry::Parent);
        } else if (isSharpVertex(b, v)) {
            w.add(below[v], plain + v, 0.75f, StencilEntry::Parent);
            for (int k = b.vertexEndStart[v]; k < b.vertexEndStart[v + 1]; ++k) {
                const int end = b.vertexEnds[k];
                if (!b.edgeBits[end >> 1])
                    continue;
                const int other = b.ends[end ^ 1];
                w.add(below[other], plain + other, 0.125f, 0);
            }
        } else {
            const float fn = static_cast<float>(n);
            const float around = inverseSquare(n);
            w.add(below[v], plain + v, (fn - 2.0f) / fn, StencilEntry::Parent);
            for (int k = b.vertexFaceStart[v]; k < b.vertexFaceStart[v + 1]; ++k) {
                const int fp = at.facePoint[b.vertexFaces[k]];
                w.add(facePoints[fp], fp, around, StencilEntry::Expand);
            }
            for (int k = b.vertexEndStart[v]; k < b.vertexEndStart[v + 1]; ++k) {
                const int other = b.ends[b.vertexEnds[k] ^ 1];
                w.add(below[other], plain + other, around, 0);
            }
        }
        w.finish(vp, table);
    }
    table.finish(level);
    return true;
}

Edge* newEdge(InnerShape& level, Vertex* from, Vertex* to, uint8_t bits)
{
    Edge* e = take<Edge>(from, to);
    if (e) {
        e->index = level.edges.count();
        e->flags = static_cast<uint8_t>((e->flags & ~SharpEdge) | bits);
        level.edges.append(e);
    }
    return e;
}

// 7 and 11. Each edge is split in two halves that keep its Boundary and
// Creased bits: creases stay infinitely sharp on every level.
bool addHalves(const Below& b, const Layout& at, InnerShape& level, LevelRecord& record)
{
    Vertex* const* points = level.vertices.data();
    const int E = static_cast<int>(b.edgeBits.size());
    for (int e = 0; e < E; ++e) {
        Vertex* ep = points[at.edgeStart + e];
        if (!newEdge(level, points[at.vertexStart + b.ends[2 * e]], ep, b.edgeBits[e]) ||
            !newEdge(level, ep, points[at.vertexStart + b.ends[2 * e + 1]], b.edgeBits[e]))
            return false;
        const int32_t id = b.edgeIds[e];
        if (id >= 0 && id < record.edgeMap.count())
            record.edgeMap[id] = {e, 2 * e};
    }
    return true;
}

// The quads that use each half edge, in the order the quads are made: a
// face's quad k uses the half of side k at corner k + 1 and the half of
// side k + 1 at corner k + 1.
void listQuadsAtHalves(const Below& b, std::vector<int32_t>& start, std::vector<int32_t>& quads,
                       std::vector<int32_t>& cursor)
{
    const int F = static_cast<int>(b.faceIds.size());
    const int H = 2 * static_cast<int>(b.edgeBits.size());
    auto halfOf = [&](int side, int v) { return 2 * side + (b.ends[2 * side] == v ? 0 : 1); };
    start.assign(H + 1, 0);
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const int32_t* corner = b.cornerVertex.data() + b.cornerStart[f];
        const int32_t* side = b.cornerEdge.data() + b.cornerStart[f];
        const int n = b.cornerStart[f + 1] - b.cornerStart[f];
        for (int k = 0; k < n; ++k) {
            const int next = k + 1 == n ? 0 : k + 1;
            ++start[halfOf(side[k], corner[next]) + 1];
            ++start[halfOf(side[next], corner[next]) + 1];
        }
    }
    prefixSums(start);
    quads.resize(start[H]);
    cursor.assign(start.begin(), start.end() - 1);
    int q = 0;
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const int32_t* corner = b.cornerVertex.data() + b.cornerStart[f];
        const int32_t* side = b.cornerEdge.data() + b.cornerStart[f];
        const int n = b.cornerStart[f + 1] - b.cornerStart[f];
        for (int k = 0; k < n; ++k, ++q) {
            const int next = k + 1 == n ? 0 : k + 1;
            quads[cursor[halfOf(side[k], corner[next])]++] = q;
            quads[cursor[halfOf(side[next], corner[next])]++] = q;
        }
    }
}

// 10. One quad per corner of every face, its children contiguous. Given the
// level's evaluated `positions` (x, y, z per vertex), each quad's normal is
// computed as it is made, from there rather than from its scattered corners.
bool addChildFaces(const Below& b, const Layout& at, InnerShape& level, LevelRecord& record, const float* positions)
{
    Vertex* const* points = level.vertices.data();
    const int F = static_cast<int>(b.faceIds.size());
    const int halves = level.edges.count();
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        Vertex* fp = points[at.facePoint[f]];
        const int32_t* corner = b.cornerVertex.data() + b.cornerStart[f];
        const int32_t* side = b.cornerEdge.data() + b.cornerStart[f];
        const int n = b.cornerStart[f + 1] - b.cornerStart[f];
        const int firstInternal = level.edges.count();
        for (int k = 0; k < n; ++k)
            if (!newEdge(level, fp, points[at.edgeStart + side[k]], 0))
                return false;
        const int32_t id = b.faceIds[f];
        if (id >= 0 && id < record.faceMap.count())
            record.faceMap[id] = {f, level.faces.count(), n};
        Edge** edges = level.edges.data();
        // The half of edge s that touches vertex v's vertex point.
        auto halfAt = [&](int s, int v) { return edges[2 * s + (b.ends[2 * s] == v ? 0 : 1)]; };
        for (int k = 0; k < n; ++k) {
            const int next = k + 1 == n ? 0 : k + 1;
            const int v = corner[next];
            Face* q = take<Face>();
            if (!q)
                return false;
            q->material = b.material[f];
            q->index = level.faces.count();
            Edge* inner = edges[firstInternal + k];
            Edge* innerNext = edges[firstInternal + next];
            q->appendCorner(fp, inner);
            q->appendCorner(points[at.edgeStart + side[k]], halfAt(side[k], v));
            q->appendCorner(points[at.vertexStart + v], halfAt(side[next], v));
            q->appendCorner(points[at.edgeStart + side[next]], innerNext);
            inner->faces.append(q);
            innerNext->faces.append(q);
            if (positions)
                q->normal = Face::cornerNormal(positions + 3 * (at.facePoint[f]),
                                               positions + 3 * (at.edgeStart + side[k]),
                                               positions + 3 * (at.vertexStart + v));
            level.faces.append(q);
        }
    }
    // The halves learn their quads last, edge by edge.
    static std::vector<int32_t> start, quads, cursor;
    listQuadsAtHalves(b, start, quads, cursor);
    Edge** edges = level.edges.data();
    Face** faces = level.faces.data();
    for (int h = 0; h < halves; ++h)
        for (int k = start[h]; k < start[h + 1]; ++k)
            edges[h]->faces.append(faces[quads[k]]);
    return true;
}

// Map entries are indexed by element ids; one past the largest id.
int mapSize(const std::vector<int32_t>& ids)
{
    int size = 0;
    for (int32_t id : ids)
        if (id >= size)
            size = id + 1;
    return size;
}

template <class Entry>
bool sizeMap(List<Entry>& map, int size)
{
    map.clear();
    if (!map.reserve(size))
        return false;
    for (int i = 0; i < size; ++i)
        map.append(Entry{});
    return true;
}

} // namespace

bool buildLevel(InnerShape& below, LevelRecord& outRecord)
{
    // 1. The new mesh, its lists reserved from the counts below.
    const int V = below.vertices.count(), E = below.edges.count(), F = below.faces.count();
    InnerShape* level = take<InnerShape>();
    if (!level)
        return false;
    static Below b;
    readBelow(below, b);
    const Layout at = layOut(b, V, E, F);
    StencilTable* table = StencilTable::attach(*level);
    bool ok = table && level->vertices.reserve(V + E + F + 20) && level->edges.reserve(2 * (E + 2 * F + 10)) &&
        level->faces.reserve(4 * F + 20) && sizeMap(outRecord.faceMap, mapSize(b.faceIds)) &&
        sizeMap(outRecord.edgeMap, mapSize(b.edgeIds)) && sizeMap(outRecord.vertexMap, mapSize(b.vertexIds));
    ok = ok && addVertices(below, b, at, *level, outRecord, *table);
    // 12 (first half). A level mesh, shaded like the mesh below, its
    // positions evaluated before its faces are made.
    level->displayFlags |= InnerShape::SubdivisionLevel;
    level->shading = (level->shading & ~31u) | (below.shading & 31u);
    StencilTable* evaluator = ok ? StencilTable::ensure(*level) : nullptr;
    const float* positions = evaluator ? evaluator->evaluate(*level, true) : nullptr;
    if (ok && !evaluator)
        level->update(false, true, -1);
    ok = ok && addHalves(b, at, *level, outRecord);
    const bool smooth = level->isSmoothShaded();
    ok = ok && addChildFaces(b, at, *level, outRecord, smooth ? nullptr : positions);
    if (!ok) {
        level->release();
        outRecord.faceMap.freeStorage();
        outRecord.edgeMap.freeStorage();
        outRecord.vertexMap.freeStorage();
        return false;
    }
    // 12. Normals: vertex normals need every face; face normals are done
    // unless the positions could not be evaluated through the table.
    // Every element got its list position as `index` when it was made.
    if (smooth || !positions)
        level->update(true, false, -1);
    outRecord.mesh = level;
    return true;
}
