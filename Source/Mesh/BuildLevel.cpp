// One step of Catmull-Clark subdivision: the level above a mesh, with every
// new vertex's position given as a stencil over the mesh below. The numbered
// comments are the twelve steps of the build.
#include <vector>

#include "InnerShape.h"
#include "LevelStack.h"
#include "Pool.h"

namespace {

constexpr uint8_t Sharp = Geometry::CreaseVertex | Geometry::Boundary;

bool isSharpVertex(const Vertex* v)
{
    return v->flags & Sharp;
}

bool isSharpEdge(const Edge* e)
{
    return e->flags & (Geometry::Creased | Geometry::Boundary);
}

// 1/n² for the neighbours of a smooth vertex of valence n; a vertex without
// edges must not divide by zero.
float inverseSquare(int n)
{
    const float square = static_cast<float>(n) * static_cast<float>(n);
    return square == 0.0f ? 1.0f / 0.001f : 1.0f / square;
}

// Map entries are indexed by element ids; one past the largest id of a list.
template <class T>
int mapSize(const List<T*>& list)
{
    int size = 0;
    for (const T* g : list)
        if (g->id >= size)
            size = g->id + 1;
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

template <class Entry>
Entry* mapSlot(List<Entry>& map, int id)
{
    return id >= 0 && id < map.count() ? &map[id] : nullptr;
}

// Scratch of one build, indexed by positions in the mesh below.
struct BuildState {
    BuildState(InnerShape& m, InnerShape& n, LevelRecord& r) : below(m), level(n), record(r) {}
    InnerShape& below;
    InnerShape& level;
    LevelRecord& record;
    std::vector<Vertex*> facePoints;   // null for a face without corners
    std::vector<Vertex*> edgePoints;
    std::vector<Vertex*> vertexPoints;
    std::vector<int> valence;          // edges at each vertex
    std::vector<int> cornerUses;       // face corners at each vertex
    std::vector<int> sharpEdges;       // creased or boundary edges at each vertex
    bool ok = true;
};

Vertex* newLevelVertex(BuildState& b, int stencilSize)
{
    Vertex* v = take<Vertex>();
    if (!v || !b.level.vertices.append(v)) {
        if (v)
            v->release();
        b.ok = false;
        return nullptr;
    }
    v->stencil.reserve(stencilSize);
    return v;
}

Edge* newLevelEdge(BuildState& b, Vertex* from, Vertex* to)
{
    Edge* e = take<Edge>(from, to);
    if (!e || !b.level.edges.append(e)) {
        if (e)
            e->release();
        b.ok = false;
        return nullptr;
    }
    return e;
}

Face* newLevelFace(BuildState& b)
{
    Face* f = take<Face>();
    if (!f || !b.level.faces.append(f)) {
        if (f)
            f->release();
        b.ok = false;
        return nullptr;
    }
    return f;
}

// 2. Boundary and crease flags of the mesh below, scratch tags = positions.
void classifyBelow(BuildState& b)
{
    InnerShape& m = b.below;
    for (Vertex* v : m.vertices) {
        v->flags &= ~Sharp;
        v->tag = 0;
    }
    for (Edge* e : m.edges) {
        if (e->faces.count() <= 1) {
            e->set(Geometry::Boundary);
            e->startVertex->set(Geometry::Boundary);
            e->endVertex->set(Geometry::Boundary);
        } else {
            e->set(Geometry::Boundary, false);
        }
        if (e->has(Geometry::Creased)) {
            ++e->startVertex->tag;
            ++e->endVertex->tag;
        }
    }
    for (int i = 0; i < m.vertices.count(); ++i) {
        Vertex* v = m.vertices[i];
        if (v->tag > 1)
            v->set(Geometry::CreaseVertex);
        v->tag = i;
    }
    for (int i = 0; i < m.edges.count(); ++i)
        m.edges[i]->tag = i;
}

// 3. One face point per face with corners: the average of its corners.
void addFacePoints(BuildState& b)
{
    for (int i = 0; i < b.below.faces.count(); ++i) {
        Face* f = b.below.faces[i];
        f->tag = i;
        f->set(Geometry::Psub);
        const int n = f->cornerCount();
        for (const Corner& c : f->corners)
            ++b.cornerUses[c.vertex->tag];
        if (n < 1)
            continue;
        Vertex* fp = newLevelVertex(b, n);
        if (!fp)
            return;
        for (const Corner& c : f->corners)
            fp->stencil.append({c.vertex, 1.0f / static_cast<float>(n), 0});
        b.facePoints[i] = fp;
    }
}

// 4. One edge point per edge: the midpoint where the edge is sharp between
// two sharp vertices, else the average of its ends and its face points.
void addEdgePoints(BuildState& b)
{
    for (int i = 0; i < b.below.edges.count(); ++i) {
        Edge* e = b.below.edges[i];
        Vertex* a = e->startVertex;
        Vertex* c = e->endVertex;
        ++b.valence[a->tag];
        ++b.valence[c->tag];
        if (isSharpEdge(e)) {
            ++b.sharpEdges[a->tag];
            ++b.sharpEdges[c->tag];
        }
        const bool sharp = isSharpEdge(e) && isSharpVertex(a) && isSharpVertex(c);
        Vertex* ep = newLevelVertex(b, sharp ? 2 : 2 + e->faces.count());
        if (!ep)
            return;
        if (sharp) {
            ep->stencil.append({a, 0.5f, 0});
            ep->stencil.append({c, 0.5f, 0});
        } else {
            ep->stencil.append({a, 0.25f, 0});
            ep->stencil.append({c, 0.25f, 0});
            for (const Face* f : e->faces)
                if (Vertex* fp = b.facePoints[f->tag])
                    ep->stencil.append({fp, 0.25f, StencilEntry::Expand});
        }
        b.edgePoints[i] = ep;
    }
}

// 5. One vertex point per vertex, starting with its own weight.
void addVertexPoints(BuildState& b)
{
    for (int i = 0; i < b.below.vertices.count(); ++i) {
        Vertex* v = b.below.vertices[i];
        const int n = b.valence[i];
        Vertex* vp = newLevelVertex(b, isSharpVertex(v) ? 1 + n : 1 + n + b.cornerUses[i]);
        if (!vp)
            return;
        vp->set2(Geometry::VertexPoint);
        if (VertexMapEntry* slot = mapSlot(b.record.vertexMap, v->id))
            *slot = {i, b.level.vertices.count() - 1};
        if (isSharpVertex(v))
            vp->stencil.append({v, 0.75f, StencilEntry::Parent});
        else if (n != 0)
            vp->stencil.append({v, static_cast<float>(n - 2) / static_cast<float>(n), StencilEntry::Parent});
        b.vertexPoints[i] = vp;
    }
}

// 6. Smooth vertex points take the face points around them.
void addFacePointsToVertexPoints(BuildState& b)
{
    for (int i = 0; i < b.below.faces.count(); ++i) {
        Vertex* fp = b.facePoints[i];
        for (const Corner& c : b.below.faces[i]->corners) {
            if (!fp || isSharpVertex(c.vertex))
                continue;
            const int v = c.vertex->tag;
            b.vertexPoints[v]->stencil.append({fp, inverseSquare(b.valence[v]), StencilEntry::Expand});
        }
    }
}

// 7. Vertex points take their neighbours; each edge is split in two halves.
void addNeighboursAndHalves(BuildState& b)
{
    for (int i = 0; i < b.below.edges.count(); ++i) {
        Edge* e = b.below.edges[i];
        Vertex* ends[2] = {e->startVertex, e->endVertex};
        for (int k = 0; k < 2; ++k) {
            Vertex* v = ends[k];
            Vertex* other = ends[1 - k];
            const bool sharpV = isSharpVertex(v);
            if (isSharpEdge(e) || !sharpV)
                b.vertexPoints[v->tag]->stencil.append(
                    {other, sharpV ? 0.125f : inverseSquare(b.valence[v->tag]), 0});
        }
        if (!newLevelEdge(b, b.vertexPoints[ends[0]->tag], b.edgePoints[i]) ||
            !newLevelEdge(b, b.edgePoints[i], b.vertexPoints[ends[1]->tag]))
            return;
        if (EdgeMapEntry* slot = mapSlot(b.record.edgeMap, e->id))
            *slot = {i, 2 * i};
    }
}

// 8 and 9. Vertices with fewer than two edges, and corners where more than
// two sharp edges meet, stay where they are.
void fixCorners(BuildState& b)
{
    for (int i = 0; i < b.below.vertices.count(); ++i) {
        if (b.valence[i] >= 2 && b.sharpEdges[i] <= 2)
            continue;
        List<StencilEntry>& s = b.vertexPoints[i]->stencil;
        s.clear();
        s.append({b.below.vertices[i], 1.0f, StencilEntry::Parent});
    }
}

// The half of edge `side` of the mesh below that touches vertex v's vertex point.
Edge* halfAt(BuildState& b, const Edge* side, const Vertex* v)
{
    Edge** halves = b.level.edges.data() + 2 * side->tag;
    return side->startVertex == v ? halves[0] : halves[1];
}

// 10. One quad per corner of every face, its children contiguous.
void addChildFaces(BuildState& b)
{
    for (int i = 0; i < b.below.faces.count(); ++i) {
        Face* f = b.below.faces[i];
        Vertex* fp = b.facePoints[i];
        const int n = f->cornerCount();
        bool edgesKnown = fp != nullptr;
        for (const Corner& c : f->corners)
            edgesKnown = edgesKnown && c.edge;
        if (!edgesKnown)
            continue;
        const int firstInternal = b.level.edges.count();
        for (int k = 0; k < n; ++k)
            if (!newLevelEdge(b, fp, b.edgePoints[f->corners[k].edge->tag]))
                return;
        if (FaceMapEntry* slot = mapSlot(b.record.faceMap, f->id))
            *slot = {i, b.level.faces.count(), n};
        Edge** internals = b.level.edges.data() + firstInternal;
        for (int k = 0; k < n; ++k) {
            const Edge* side = f->corners[k].edge;
            const Edge* nextSide = f->corners[(k + 1) % n].edge;
            Vertex* corner = f->corners[(k + 1) % n].vertex;
            Face* q = newLevelFace(b);
            if (!q)
                return;
            q->material = f->material;
            Edge* sides[4] = {internals[k], halfAt(b, side, corner), halfAt(b, nextSide, corner),
                              internals[(k + 1) % n]};
            Vertex* corners[4] = {fp, b.edgePoints[side->tag], b.vertexPoints[corner->tag],
                                  b.edgePoints[nextSide->tag]};
            for (int j = 0; j < 4; ++j) {
                q->appendCorner(corners[j], sides[j]);
                sides[j]->faces.append(q);
            }
        }
    }
}

// 11. Creases stay infinitely sharp: halves keep their parent's bits.
void inheritEdgeBits(BuildState& b)
{
    constexpr uint8_t inherited = Geometry::Boundary | Geometry::Creased;
    for (int i = 0; i < b.below.edges.count(); ++i) {
        const uint8_t bits = b.below.edges[i]->flags & inherited;
        for (Edge* half : {b.level.edges[2 * i], b.level.edges[2 * i + 1]})
            half->flags = static_cast<uint8_t>((half->flags & ~inherited) | bits);
    }
}

} // namespace

bool buildLevel(InnerShape& below, LevelRecord& outRecord)
{
    // 1. The new mesh, its lists reserved from the counts below.
    const int V = below.vertices.count(), E = below.edges.count(), F = below.faces.count();
    InnerShape* level = take<InnerShape>();
    if (!level)
        return false;
    BuildState b(below, *level, outRecord);
    b.ok = level->vertices.reserve(V + E + F + 20) && level->edges.reserve(2 * (E + 2 * F + 10)) &&
        level->faces.reserve(4 * F + 20) && sizeMap(outRecord.faceMap, mapSize(below.faces)) &&
        sizeMap(outRecord.edgeMap, mapSize(below.edges)) && sizeMap(outRecord.vertexMap, mapSize(below.vertices));
    if (b.ok) {
        b.facePoints.assign(F, nullptr);
        b.edgePoints.assign(E, nullptr);
        b.vertexPoints.assign(V, nullptr);
        b.valence.assign(V, 0);
        b.cornerUses.assign(V, 0);
        b.sharpEdges.assign(V, 0);
        classifyBelow(b);
    }
    using Step = void (*)(BuildState&);
    const Step steps[] = {addFacePoints, addEdgePoints, addVertexPoints, addFacePointsToVertexPoints,
                          addNeighboursAndHalves, fixCorners, addChildFaces, inheritEdgeBits};
    for (Step step : steps)
        if (b.ok)
            step(b);
    if (!b.ok) {
        level->release();
        outRecord.faceMap.freeStorage();
        outRecord.edgeMap.freeStorage();
        outRecord.vertexMap.freeStorage();
        return false;
    }
    // 12. A level mesh, shaded like the mesh below, positions evaluated.
    level->displayFlags |= InnerShape::SubdivisionLevel;
    level->shading = (level->shading & ~31u) | (below.shading & 31u);
    level->update(true, true, -1);
    level->renumber();
    outRecord.mesh = level;
    return true;
}
