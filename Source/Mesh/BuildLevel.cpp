// One step of Catmull-Clark subdivision: the level above a mesh, with every
// new vertex's position given as a stencil over the mesh below. The numbered
// comments are the twelve steps of the build.
//
// The mesh below is read into flat tables (corner vertices, edge ends, face
// lists, flags). When it is the level this code built last and it has not
// changed since, its topology follows from the tables of the mesh it was
// built from, and only its flags are read from its elements. The new level's
// stencils and their sums are worked out on the tables; then its elements
// are made, each written once and in list order into storage taken from the
// pools at once: vertices with their positions, edges with their faces,
// faces with their corners and normals.
#include <utility>
#include <vector>

#include "InnerShape.h"
#include "LevelStack.h"
#include "LevelTables.h"
#include "Pool.h"
#include "SubdivisionStencils.h"

namespace {

using namespace subdivision;

// 1/n² for the neighbours of a smooth vertex of valence n; a vertex without
// edges must not divide by zero.
float inverseSquare(int n)
{
    const float square = static_cast<float>(n) * static_cast<float>(n);
    return square == 0.0f ? 1.0f / 0.001f : 1.0f / square;
}

// The tables of the mesh the last level was built from, kept with what
// identifies that level: the mesh, its stencil table's serial and its change
// count when built. While they match, that level's own tables follow from
// these without reading its elements.
struct Known {
    MeshTables tables[2];
    int parent = 0; // the tables of the mesh the last level was built from
    const InnerShape* child = nullptr;
    uint64_t serial = 0;
    int32_t changeCount = 0;

    bool isChild(const InnerShape& m) const
    {
        const StencilTable* table = StencilTable::find(m);
        return child == &m && table && table->serial() == serial && m.changeCount == changeCount;
    }
};

Known& known()
{
    static Known k;
    return k;
}

// The common stencils go to the table's kernels directly: quads' face
// points, smooth edge points between two faces (four quarters) and regular
// vertex points.
bool isRegularVertexPoint(const MeshTables& b, int v)
{
    return !isFixedVertex(b, v) && !isSharpVertex(b, v) && b.valence[v] == 4 &&
        b.vertexFaceStart[v + 1] - b.vertexFaceStart[v] == 4;
}

// Steps 3 to 9 as table slots: every new vertex's stencil, in list order.
// Plain sources are vertices of the mesh below (slot total + position);
// expanded ones are face points of the level (slot = their position).
// Returns the number of entries.
size_t addStencils(InnerShape& m, const MeshTables& b, const Layout& at, StencilTable& table)
{
    const int V = b.vertexCount(), E = b.edgeCount(), F = b.faceCount();
    // Room for at most: the corners (face points), two ends and the faces
    // of each edge (edge points), the vertex, its faces and its edges
    // (vertex points), and a count per vertex.
    const size_t corners = b.cornerVertex.size();
    table.begin(at.total, m.vertices.data(), V,
                2 * corners + 4 * static_cast<size_t>(E) + b.edgeFaces.size() + V + static_cast<size_t>(at.total));
    static Flat<int32_t> slots;
    static std::vector<float> weights;
    size_t entries = 0;
    auto add = [&](int32_t slot, float weight) {
        slots.push_back(slot);
        weights.push_back(weight);
    };
    auto finish = [&]() {
        table.add(slots.data(), weights.data(), static_cast<int>(slots.size()));
        entries += slots.size();
        slots.clear();
        weights.clear();
    };
    const int32_t plain = at.total;

    int32_t known[9];

    // 3. Face points: the average of the corners.
    for (int f = 0; f < F; ++f) {
        const int first = b.cornerStart[f], n = b.cornerStart[f + 1] - first;
        if (n < 1)
            continue;
        if (n == 4) {
            for (int k = 0; k < 4; ++k)
                known[k] = plain + b.cornerVertex[first + k];
            table.addQuarters(known);
            entries += 4;
            continue;
        }
        const float weight = 1.0f / static_cast<float>(n);
        for (int k = first; k < first + n; ++k)
            add(plain + b.cornerVertex[k], weight);
        finish();
    }

    // 4. Edge points: the midpoint where the edge is sharp between two sharp
    // vertices, else the average of its ends and its face points.
    for (int e = 0; e < E; ++e) {
        const bool sharp = isSharpEdgePoint(b, e);
        const float weight = sharp ? 0.5f : 0.25f;
        add(plain + b.ends[2 * e], weight);
        add(plain + b.ends[2 * e + 1], weight);
        if (!sharp) {
            for (int k = b.edgeFaceStart[e]; k < b.edgeFaceStart[e + 1]; ++k) {
                const int fp = facePointOf(at, b.edgeFaces[k]);
                if (fp >= 0)
                    add(fp, 0.25f);
            }
        }
        if (!sharp && slots.size() == 4) {
            table.addQuarters(slots.data());
            entries += 4;
            slots.clear();
            weights.clear();
            continue;
        }
        finish();
    }

    // 5 to 9. Vertex points: own weight first (the vertex they replace),
    // then (smooth) the face points around in face order, then the
    // neighbours in edge order.
    for (int v = 0; v < V; ++v) {
        const int n = b.valence[v];
        if (isFixedVertex(b, v)) {
            add(plain + v, 1.0f);
        } else if (isSharpVertex(b, v)) {
            add(plain + v, 0.75f);
            for (int k = b.vertexEndStart[v]; k < b.vertexEndStart[v + 1]; ++k) {
                const int end = b.vertexEnds[k];
                if (b.edgeBits[end >> 1])
                    add(plain + b.ends[end ^ 1], 0.125f);
            }
        } else if (isRegularVertexPoint(b, v)) {
            known[0] = plain + v;
            for (int k = 0; k < 4; ++k) {
                known[1 + k] = at.facePoint[b.vertexFaces[b.vertexFaceStart[v] + k]];
                known[5 + k] = plain + b.ends[b.vertexEnds[b.vertexEndStart[v] + k] ^ 1];
            }
            table.addRegular(known);
            entries += 9;
            continue;
        } else {
            const float fn = static_cast<float>(n);
            const float around = inverseSquare(n);
            add(plain + v, (fn - 2.0f) / fn);
            for (int k = b.vertexFaceStart[v]; k < b.vertexFaceStart[v + 1]; ++k)
                add(at.facePoint[b.vertexFaces[k]], around);
            for (int k = b.vertexEndStart[v]; k < b.vertexEndStart[v + 1]; ++k)
                add(plain + b.ends[b.vertexEnds[k] ^ 1], around);
        }
        finish();
    }
    return entries;
}

// Storage for a level's elements of one class, taken from the pool at
// once: the faces' before the edges that list them are made, and all of
// them in the order they were given back, so that a level released and
// built again is laid out in list order. Elements are made in it in list
// order.
template <class T>
struct Slots {
    std::vector<void*> at; // at[0 … taken − 1]; kept between builds, never shrunk
    size_t taken = 0;
    size_t made = 0; // at[0 … made − 1] hold constructed elements

    bool take(size_t count)
    {
        if (at.size() < count)
            at.resize(count);
        made = 0;
        Pool<T>::takeStorage(static_cast<long>(count), at.data());
        taken = count;
        return true;
    }
    T* operator[](int32_t i) const { return static_cast<T*>(at[static_cast<size_t>(i)]); }
    template <class... Args>
    T* make(Args&&... args)
    {
        return constructIn<T>(at[made++], true, std::forward<Args>(args)...);
    }
    // Gives back the storage of the elements not made.
    void giveBackRest()
    {
        for (size_t i = made; i < taken; ++i)
            Pool<T>::giveBack(at[i]);
        taken = made = 0;
    }
};

struct LevelSlots {
    Slots<Vertex> vertices;
    Slots<Edge> edges;
    Slots<Face> faces;

    bool take(size_t v, size_t e, size_t f) { return faces.take(f) && vertices.take(v) && edges.take(e); }
    void giveBackRest()
    {
        vertices.giveBackRest();
        edges.giveBackRest();
        faces.giveBackRest();
    }
};

// Steps 3 to 9 as elements: every vertex made with its position (the sums,
// a new level has no displacement) and its stencil list, whose entries
// follow the table's slots.
bool makeVertices(InnerShape& level, const Layout& at, const Numbers& number, const StencilTable& table,
                  const float* sums, StencilEntry* storage, Slots<Vertex>& slots)
{
    bool ok = true;
    table.visitStencils([&](int i, const int32_t* entrySlots, const float* weights, int count) {
        if (!ok)
            return;
        const float* p = sums + 3 * i;
        Vertex* v = slots.make(p[0], p[1], p[2]);
        level.vertices.append(v);
        const bool vertexPoint = i >= at.vertexStart;
        for (int k = 0; k < count; ++k) {
            const int32_t s = entrySlots[k];
            const bool expand = s < table.ownCount();
            uint32_t flags = expand ? StencilEntry::Expand : 0u;
            if (vertexPoint && k == 0)
                flags |= StencilEntry::Parent;
            Geometry* source = expand ? static_cast<Geometry*>(level.vertices[s]) : const_cast<Point3D*>(table.source(s));
            storage[k] = {source, weights[k], flags};
        }
        if (count)
            v->stencil.borrow(storage, count, count);
        storage += count;
        v->id = vertexPoint ? number.vertex[static_cast<size_t>(i - at.vertexStart)] : -1;
        v->index = i;
        v->tag = i;
        if (vertexPoint)
            v->set2(Geometry::VertexPoint);
    });
    return ok;
}

// 7 and 11. Each edge below becomes two halves (vertex point of its start
// → edge point → vertex point of its end) that keep its Boundary and Creased
// bits, so creases stay infinitely sharp on every level; then come the
// internal edges of each face (internal k: face point → edge point of side
// k), which have neither. Quad k of a face joins its internal k and k + 1.
bool makeEdges(InnerShape& level, const MeshTables& b, const Layout& at, const Numbers& number, LevelSlots& slots)
{
    static Flat<int32_t> start, quads;
    listQuadsAtHalves(b, start, quads);
    Vertex* const* points = level.vertices.data();
    auto add = [&](int32_t from, int32_t to, uint8_t bits, int32_t id, const int32_t* faces, int count) {
        Edge* e = slots.edges.make(points[from], points[to]);
        level.edges.append(e);
        e->flags = static_cast<uint8_t>((e->flags & ~SharpEdge) | bits);
        for (int k = 0; k < count; ++k)
            e->faces.append(slots.faces[faces[k]]);
        e->id = id;
        e->index = level.edges.count() - 1;
        e->tag = e->index;
        return true;
    };
    const int E = b.edgeCount(), F = b.faceCount();
    for (int e = 0; e < E; ++e) {
        const int32_t ep = at.edgeStart + e;
        const int h = 2 * e;
        if (!add(at.vertexStart + b.ends[h], ep, b.edgeBits[e], number.edge[e], quads.data() + start[h],
                 start[h + 1] - start[h]) ||
            !add(ep, at.vertexStart + b.ends[h + 1], b.edgeBits[e], -1, quads.data() + start[h + 1],
                 start[h + 2] - start[h + 1]))
            return false;
    }
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const int32_t* side = b.cornerEdge.data() + b.cornerStart[f];
        const int count = b.cornerStart[f + 1] - b.cornerStart[f];
        const int32_t first = at.firstQuad[f];
        for (int k = 0; k < count; ++k) {
            const int32_t faces[2] = {k == 0 ? first : first + k - 1, k == 0 ? first + count - 1 : first + k};
            if (!add(at.facePoint[f], at.edgeStart + side[k], 0, -1, faces, 2))
                return false;
        }
    }
    return true;
}

// 10. The quads, children of a face contiguous, each taking its parent's
// material: quad k has the corners face point, edge point of side k, vertex
// point of corner k + 1, edge point of side k + 1. Given `positions` (x, y,
// z per vertex) the normal is computed from there rather than from the
// scattered corner vertices.
bool makeFaces(InnerShape& level, const MeshTables& b, const Layout& at, const Numbers& number, Slots<Face>& slots,
               const float* positions)
{
    Vertex* const* points = level.vertices.data();
    Edge* const* edges = level.edges.data();
    const int E = b.edgeCount(), F = b.faceCount();
    for (int f = 0; f < F; ++f) {
        if (!b.hasChildren[f])
            continue;
        const auto [corner, side, count] = b.cornersOf(f);
        const int32_t first = at.firstQuad[f];
        const int32_t internal = 2 * E + first;
        for (int k = 0; k < count; ++k) {
            const int next = k + 1 == count ? 0 : k + 1;
            Face* face = slots.make(b.material[f]);
            level.faces.append(face);
            const int32_t cv[4] = {at.facePoint[f], at.edgeStart + side[k], at.vertexStart + corner[next],
                                   at.edgeStart + side[next]};
            face->appendCorner(points[cv[0]], edges[internal + k]);
            face->appendCorner(points[cv[1]], edges[halfAt(b, side[k], corner[next])]);
            face->appendCorner(points[cv[2]], edges[halfAt(b, side[next], corner[next])]);
            face->appendCorner(points[cv[3]], edges[internal + next]);
            if (positions)
                face->normal = Face::cornerNormal(positions + 3 * cv[0], positions + 3 * cv[1], positions + 3 * cv[2]);
            face->id = k == 0 ? number.face[f] : -1;
            face->index = first + k;
            face->tag = face->index;
        }
    }
    return true;
}

template <class Entry>
bool sizeMap(List<Entry>& map, int size)
{
    map.clear();
    map.reserve(size);
    for (int i = 0; i < size; ++i)
        map.append(Entry{});
    return true;
}

// The record's maps, indexed by the ids below.
bool fillMaps(const MeshTables& b, const Layout& at, LevelRecord& record)
{
    if (!sizeMap(record.faceMap, mapSize(b.faceIds)) || !sizeMap(record.edgeMap, mapSize(b.edgeIds)) ||
        !sizeMap(record.vertexMap, mapSize(b.vertexIds)))
        return false;
    for (int v = 0; v < b.vertexCount(); ++v)
        if (b.vertexIds[v] >= 0)
            record.vertexMap[b.vertexIds[v]] = {v, at.vertexStart + v};
    for (int e = 0; e < b.edgeCount(); ++e)
        if (b.edgeIds[e] >= 0)
            record.edgeMap[b.edgeIds[e]] = {e, 2 * e};
    for (int f = 0; f < b.faceCount(); ++f) {
        if (b.faceIds[f] >= 0 && b.hasChildren[f]) {
            const int count = b.cornerStart[f + 1] - b.cornerStart[f];
            record.faceMap[b.faceIds[f]] = {f, at.firstQuad[f], count};
        }
    }
    return true;
}

// The level's element lists with room for the given counts, their slots
// borrowed from the table's storage.
bool reserveLists(InnerShape& level, StencilTable& table, int vertices, int edges, int faces)
{
    void** storage = table.provideElementStorage(static_cast<size_t>(vertices) + edges + faces);
    if (!storage)
        return false;
    level.vertices.borrow(reinterpret_cast<Vertex**>(storage), 0, vertices);
    level.edges.borrow(reinterpret_cast<Edge**>(storage + vertices), 0, edges);
    level.faces.borrow(reinterpret_cast<Face**>(storage + vertices + edges), 0, faces);
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
    Known& k = known();
    const int here = 1 - k.parent;
    MeshTables& b = k.tables[here];
    const bool derived = k.isChild(below);
    if (derived)
        deriveLevel(k.tables[k.parent], b);
    if (!derived || b.vertexCount() != V || b.edgeCount() != E || b.faceCount() != F)
        readTopology(below, b);
    k.child = nullptr;
    readFlags(below, b);
    const Layout at = layOut(b);
    static Numbers number;
    numberAll(b, number);

    StencilTable* table = StencilTable::attach(*level);
    static LevelSlots slots;
    StencilEntry* storage = nullptr;
    bool ok = table && reserveLists(*level, *table, V + E + F + 20, 2 * (E + 2 * F + 10), 4 * F + 20);
    if (ok) {
        const size_t entries = addStencils(below, b, at, *table);
        storage = table->provideListStorage(entries);
        ok = (storage || !entries) && table->finish(level->changeCount);
    }
    // 12 (first half). The positions, before any vertex is made.
    const float* positions = ok ? table->sums() : nullptr;
    ok = ok &&
        slots.take(static_cast<size_t>(at.total), 2 * static_cast<size_t>(E) + static_cast<size_t>(at.quads),
                   static_cast<size_t>(at.quads)) &&
        makeVertices(*level, at, number, *table, positions, storage, slots.vertices) &&
        makeEdges(*level, b, at, number, slots);
    level->displayFlags |= InnerShape::SubdivisionLevel;
    level->shading = (level->shading & ~31u) | (below.shading & 31u);
    const bool smooth = level->isSmoothShaded();
    ok = ok && makeFaces(*level, b, at, number, slots.faces, smooth ? nullptr : positions) &&
        fillMaps(b, at, outRecord);
    slots.giveBackRest();
    if (!ok) {
        level->release();
        outRecord.faceMap.freeStorage();
        outRecord.edgeMap.freeStorage();
        outRecord.vertexMap.freeStorage();
        return false;
    }
    // 12. Vertex normals need every face. Every element got its list
    // position as `index` when it was made.
    if (smooth)
        level->update(true, false, -1);
    outRecord.mesh = level;
    outRecord.numberedAtChange = level->changeCount;
    k.parent = here;
    k.child = level;
    k.serial = table->serial();
    k.changeCount = level->changeCount;
    return true;
}
