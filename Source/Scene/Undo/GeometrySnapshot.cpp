#include "Scene/Undo/GeometrySnapshot.h"

#include <cstring>

#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"

namespace snapshot {

void ElementStates::clear()
{
    vertices.clear();
    edges.clear();
    faces.clear();
    holes.clear();
    corners.clear();
    refs.clear();
    externals.clear();
}

void ElementStates::shrink()
{
    vertices.shrink_to_fit();
    edges.shrink_to_fit();
    faces.shrink_to_fit();
    holes.shrink_to_fit();
    corners.shrink_to_fit();
    refs.shrink_to_fit();
    externals.shrink_to_fit();
}

size_t ElementStates::bytes() const
{
    return vertices.capacity() * sizeof(VertexState) + edges.capacity() * sizeof(EdgeState)
        + (faces.capacity() + holes.capacity()) * sizeof(FaceState) + corners.capacity() * sizeof(CornerState)
        + refs.capacity() * sizeof(Ref) + externals.capacity() * sizeof(Geometry*);
}

void numberLists(InnerShape& mesh)
{
    for (int i = 0; i < mesh.vertices.count(); ++i)
        mesh.vertices[i]->index = i;
    for (int i = 0; i < mesh.edges.count(); ++i)
        mesh.edges[i]->index = i;
    for (int i = 0; i < mesh.faces.count(); ++i)
        mesh.faces[i]->index = i;
}

Ref PositionRefs::core(const Geometry* g, int list, ElementStates& out)
{
    if (!g)
        return NullRef;
    const int i = g->index;
    if (i >= 0 && i < count(list) && at(list, i) == g)
        return i;
    return loose(g, list, out);
}

Ref PositionRefs::loose(const Geometry* g, int list, ElementStates& out)
{
    if (!g)
        return NullRef;
    AddressIndex& index = byAddress[list];
    if (!index.built()) {
        if (list == VertexList)
            index.build(mesh.vertices.data(), mesh.vertices.count());
        else if (list == EdgeList)
            index.build(mesh.edges.data(), mesh.edges.count());
        else
            index.build(mesh.faces.data(), mesh.faces.count());
    }
    const int32_t i = index.find(g);
    return i >= 0 ? i : out.external(g);
}

int PositionRefs::count(int list) const
{
    return list == VertexList ? mesh.vertices.count() : list == EdgeList ? mesh.edges.count() : mesh.faces.count();
}

const Geometry* PositionRefs::at(int list, int i) const
{
    if (list == VertexList)
        return mesh.vertices[i];
    return list == EdgeList ? static_cast<const Geometry*>(mesh.edges[i]) : mesh.faces[i];
}

// --- capture: element to stored value ---

template <class Refs> VertexState stateOf(const Vertex& v, Refs& refs, ElementStates& out)
{
    VertexState s{};
    s.position[0] = v.x;
    s.position[1] = v.y;
    s.position[2] = v.z;
    std::memcpy(s.normal, v.normal, sizeof s.normal);
    s.hasDisplacement = v.displacement != nullptr;
    if (v.displacement)
        std::memcpy(s.displacement, v.displacement, sizeof s.displacement);
    s.paintWeight = v.paintWeight;
    s.id = v.id;
    s.flags = static_cast<uint8_t>(v.flags & ~Geometry::Pooled);
    s.flags2 = v.flags2;
    s.mirror = refs.loose(v.mirror, VertexList, out);
    s.proxy = v.vertexKind() == Vertex::VertexKindProxy;
    s.source = NullRef;
    if (s.proxy) {
        const Vertex* source = static_cast<const ProxyVertex&>(v).sourceVertex;
        s.source = source ? out.external(source) : NullRef;
    }
    s.facesStart = static_cast<int32_t>(out.refs.size());
    s.facesCount = v.faces.count();
    for (const Face* f : v.faces) {
        const Ref r = refs.loose(f, FaceList, out);
        out.refs.push_back(r);
    }
    return s;
}

template <class Refs> EdgeState stateOf(const Edge& e, Refs& refs, ElementStates& out)
{
    EdgeState s{};
    s.start = refs.core(e.startVertex, VertexList, out);
    s.end = refs.core(e.endVertex, VertexList, out);
    s.id = e.id;
    s.flags = static_cast<uint8_t>(e.flags & ~Geometry::Pooled);
    s.flags2 = e.flags2;
    s.facesStart = static_cast<int32_t>(out.refs.size());
    s.facesCount = e.faces.count();
    for (const Face* f : e.faces) {
        const Ref r = refs.core(f, FaceList, out);
        out.refs.push_back(r);
    }
    return s;
}

template <class Refs> FaceState stateOf(const Face& f, Refs& refs, ElementStates& out)
{
    FaceState s{};
    s.normal[0] = f.normal.x;
    s.normal[1] = f.normal.y;
    s.normal[2] = f.normal.z;
    s.id = f.id;
    s.material = f.material;
    s.flags = static_cast<uint8_t>(f.flags & ~Geometry::Pooled);
    s.flags2 = f.flags2;
    s.mirror = refs.loose(f.mirror, FaceList, out);
    s.cornerStart = static_cast<int32_t>(out.corners.size());
    s.cornerCount = f.corners.count();
    for (const Corner& c : f.corners) {
        const Ref vertex = refs.core(c.vertex, VertexList, out);
        const Ref edge = refs.core(c.edge, EdgeList, out);
        out.corners.push_back({vertex, edge, c.u, c.v, c.w});
    }
    s.holeStart = static_cast<int32_t>(out.holes.size());
    s.holeCount = f.holes.count();
    out.holes.resize(out.holes.size() + static_cast<size_t>(s.holeCount));
    for (int h = 0; h < s.holeCount; ++h) {
        const FaceState hole = stateOf(*f.holes[h], refs, out);
        out.holes[static_cast<size_t>(s.holeStart + h)] = hole;
    }
    return s;
}

template VertexState stateOf(const Vertex&, PositionRefs&, ElementStates&);
template VertexState stateOf(const Vertex&, MatchedRefs&, ElementStates&);
template EdgeState stateOf(const Edge&, PositionRefs&, ElementStates&);
template EdgeState stateOf(const Edge&, MatchedRefs&, ElementStates&);
template FaceState stateOf(const Face&, PositionRefs&, ElementStates&);
template FaceState stateOf(const Face&, MatchedRefs&, ElementStates&);

// --- comparison of stored values ---

namespace {

bool sameRef(const ElementStates& a, Ref ra, const ElementStates& b, Ref rb)
{
    if (ra == UnmatchedRef || rb == UnmatchedRef)
        return false;
    if (isExternal(ra) || isExternal(rb))
        return isExternal(ra) && isExternal(rb) && a.externalAt(ra) == b.externalAt(rb);
    return ra == rb;
}

bool sameRefList(
    const ElementStates& a, int32_t startA, int32_t countA, const ElementStates& b, int32_t startB, int32_t countB)
{
    if (countA != countB)
        return false;
    for (int32_t k = 0; k < countA; ++k)
        if (!sameRef(a, a.refs[static_cast<size_t>(startA + k)], b, b.refs[static_cast<size_t>(startB + k)]))
            return false;
    return true;
}

// Bitwise, so that an untouched NaN is not a change.
bool sameBits(const void* x, const void* y, size_t n)
{
    return std::memcmp(x, y, n) == 0;
}

} // namespace

bool same(const ElementStates& a, const VertexState& x, const ElementStates& b, const VertexState& y)
{
    return sameBits(x.position, y.position, sizeof x.position)
        && sameBits(&x.paintWeight, &y.paintWeight, sizeof(float)) && x.flags == y.flags && x.flags2 == y.flags2
        && x.proxy == y.proxy && x.hasDisplacement == y.hasDisplacement
        && (!x.hasDisplacement || sameBits(x.displacement, y.displacement, sizeof x.displacement))
        && sameRef(a, x.mirror, b, y.mirror) && sameRef(a, x.source, b, y.source)
        && sameRefList(a, x.facesStart, x.facesCount, b, y.facesStart, y.facesCount);
}

bool same(const ElementStates& a, const EdgeState& x, const ElementStates& b, const EdgeState& y)
{
    return x.flags == y.flags && x.flags2 == y.flags2 && sameRef(a, x.start, b, y.start) && sameRef(a, x.end, b, y.end)
        && sameRefList(a, x.facesStart, x.facesCount, b, y.facesStart, y.facesCount);
}

bool same(const ElementStates& a, const FaceState& x, const ElementStates& b, const FaceState& y)
{
    if (x.flags != y.flags || x.flags2 != y.flags2 || x.material != y.material || !sameRef(a, x.mirror, b, y.mirror)
        || x.cornerCount != y.cornerCount || x.holeCount != y.holeCount)
        return false;
    for (int32_t k = 0; k < x.cornerCount; ++k) {
        const CornerState& p = a.corners[static_cast<size_t>(x.cornerStart + k)];
        const CornerState& q = b.corners[static_cast<size_t>(y.cornerStart + k)];
        if (!sameRef(a, p.vertex, b, q.vertex) || !sameRef(a, p.edge, b, q.edge)
            || !sameBits(&p.u, &q.u, 3 * sizeof(float)))
            return false;
    }
    for (int32_t h = 0; h < x.holeCount; ++h)
        if (!same(a, a.holes[static_cast<size_t>(x.holeStart + h)], b, b.holes[static_cast<size_t>(y.holeStart + h)]))
            return false;
    return true;
}

// --- copying stored values between ElementStates ---

namespace {

Ref moveRef(Ref r, const ElementStates& from, ElementStates& to)
{
    return isExternal(r) ? to.external(from.externalAt(r)) : r;
}

int32_t moveRefList(int32_t start, int32_t count, const ElementStates& from, ElementStates& to)
{
    const auto at = static_cast<int32_t>(to.refs.size());
    for (int32_t k = 0; k < count; ++k) {
        const Ref r = moveRef(from.refs[static_cast<size_t>(start + k)], from, to);
        to.refs.push_back(r);
    }
    return at;
}

} // namespace

VertexState moved(VertexState s, const ElementStates& from, ElementStates& to)
{
    s.mirror = moveRef(s.mirror, from, to);
    s.source = moveRef(s.source, from, to);
    s.facesStart = moveRefList(s.facesStart, s.facesCount, from, to);
    return s;
}

EdgeState moved(EdgeState s, const ElementStates& from, ElementStates& to)
{
    s.start = moveRef(s.start, from, to);
    s.end = moveRef(s.end, from, to);
    s.facesStart = moveRefList(s.facesStart, s.facesCount, from, to);
    return s;
}

FaceState moved(FaceState s, const ElementStates& from, ElementStates& to)
{
    s.mirror = moveRef(s.mirror, from, to);
    const int32_t cornerStart = s.cornerStart;
    s.cornerStart = static_cast<int32_t>(to.corners.size());
    for (int32_t k = 0; k < s.cornerCount; ++k) {
        CornerState c = from.corners[static_cast<size_t>(cornerStart + k)];
        c.vertex = moveRef(c.vertex, from, to);
        c.edge = moveRef(c.edge, from, to);
        to.corners.push_back(c);
    }
    const int32_t holeStart = s.holeStart;
    s.holeStart = static_cast<int32_t>(to.holes.size());
    to.holes.resize(to.holes.size() + static_cast<size_t>(s.holeCount));
    for (int32_t h = 0; h < s.holeCount; ++h) {
        const FaceState hole = moved(from.holes[static_cast<size_t>(holeStart + h)], from, to);
        to.holes[static_cast<size_t>(s.holeStart + h)] = hole;
    }
    return s;
}

// --- writing stored values into elements ---

namespace {

uint8_t keepPooled(uint8_t stored, uint8_t now)
{
    return static_cast<uint8_t>((stored & ~Geometry::Pooled) | (now & Geometry::Pooled));
}

} // namespace

void write(Vertex& v, const VertexState& s, const TargetLists& t)
{
    v.setPosition(s.position[0], s.position[1], s.position[2]);
    std::memcpy(v.normal, s.normal, sizeof s.normal);
    if (!s.hasDisplacement)
        v.freeDisplacement();
    else if (float* d = v.ensureDisplacement())
        std::memcpy(d, s.displacement, sizeof s.displacement);
    v.paintWeight = s.paintWeight;
    v.id = s.id;
    v.flags = keepPooled(s.flags, v.flags);
    v.flags2 = s.flags2;
    v.mirror = t.vertex(s.mirror);
    if (v.vertexKind() == Vertex::VertexKindProxy)
        static_cast<ProxyVertex&>(v).sourceVertex = t.vertex(s.source);
    v.faces.clear();
    for (int32_t k = 0; k < s.facesCount; ++k)
        v.faces.append(t.face(t.states.refs[static_cast<size_t>(s.facesStart + k)]));
}

void write(Edge& e, const EdgeState& s, const TargetLists& t)
{
    e.startVertex = t.vertex(s.start);
    e.endVertex = t.vertex(s.end);
    e.id = s.id;
    e.flags = keepPooled(s.flags, e.flags);
    e.flags2 = s.flags2;
    e.faces.clear();
    for (int32_t k = 0; k < s.facesCount; ++k)
        e.faces.append(t.face(t.states.refs[static_cast<size_t>(s.facesStart + k)]));
}

void write(Face& f, const FaceState& s, const TargetLists& t)
{
    const ElementStates& states = t.states;
    f.normal.setPosition(s.normal[0], s.normal[1], s.normal[2]);
    f.id = s.id;
    f.material = s.material;
    f.flags = keepPooled(s.flags, f.flags);
    f.flags2 = s.flags2;
    f.mirror = t.face(s.mirror);
    f.corners.clear();
    for (int32_t k = 0; k < s.cornerCount; ++k) {
        const CornerState& c = states.corners[static_cast<size_t>(s.cornerStart + k)];
        f.corners.append(Corner{t.vertex(c.vertex), t.edge(c.edge), c.u, c.v, c.w});
    }
    for (Face* h : f.holes)
        h->release();
    f.holes.clear();
    for (int32_t h = 0; h < s.holeCount; ++h) {
        Face* hole = take<Face>();
        if (!hole)
            continue;
        write(*hole, states.holes[static_cast<size_t>(s.holeStart + h)], t);
        f.holes.append(hole);
    }
}

Vertex* freshElement(const VertexState& s)
{
    return s.proxy ? take<ProxyVertex>() : take<Vertex>();
}

Edge* freshElement(const EdgeState&)
{
    return take<Edge>();
}

Face* freshElement(const FaceState&)
{
    return take<Face>();
}

} // namespace snapshot
