#include "Scene/URChangeGeometry.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"

namespace {

enum ListKind { VertexList = 0, EdgeList = 1, FaceList = 2 };

// A stored reference from one element to another: >= 0 is a position in the
// referenced element's list in the state the value belongs to, NullRef is no
// element, and values below are entries of ElementStates::externals.
using Ref = int32_t;
constexpr Ref NullRef = -1;
// Only while comparing: an element that the other state does not have.
constexpr Ref UnmatchedRef = INT32_MIN;

bool isExternal(Ref r)
{
    return r <= -2 && r != UnmatchedRef;
}

struct VertexState {
    float position[3];
    float normal[3];
    float displacement[3];
    float paintWeight;
    int32_t id;
    Ref mirror;
    Ref source;         // a proxy vertex's source vertex (another object's, so external)
    int32_t facesStart; // into ElementStates::refs
    int32_t facesCount;
    uint8_t flags, flags2;
    bool hasDisplacement, proxy;
};

struct EdgeState {
    Ref start, end;
    int32_t id;
    int32_t facesStart, facesCount; // into ElementStates::refs
    uint8_t flags, flags2;
};

struct CornerState {
    Ref vertex, edge;
    float u, v, w;
};

struct FaceState {
    float normal[3];
    int32_t id;
    Material* material;
    Ref mirror;
    int32_t cornerStart, cornerCount; // into ElementStates::corners
    int32_t holeStart, holeCount;     // into ElementStates::holes
    uint8_t flags, flags2;
};

// Values of elements of one state of the object.
struct ElementStates {
    std::vector<VertexState> vertices;
    std::vector<EdgeState> edges;
    std::vector<FaceState> faces;
    std::vector<FaceState> holes;
    std::vector<CornerState> corners;
    std::vector<Ref> refs;
    // Referenced elements outside the lists, such as a mirror partner the
    // edit released; they are stored and restored as they are.
    std::vector<Geometry*> externals;

    Ref external(const Geometry* g)
    {
        externals.push_back(const_cast<Geometry*>(g));
        return -2 - static_cast<Ref>(externals.size() - 1);
    }
    Geometry* externalAt(Ref r) const { return externals[static_cast<size_t>(-2 - r)]; }

    void clear()
    {
        vertices.clear();
        edges.clear();
        faces.clear();
        holes.clear();
        corners.clear();
        refs.clear();
        externals.clear();
    }
    void shrink()
    {
        vertices.shrink_to_fit();
        edges.shrink_to_fit();
        faces.shrink_to_fit();
        holes.shrink_to_fit();
        corners.shrink_to_fit();
        refs.shrink_to_fit();
        externals.shrink_to_fit();
    }
    size_t bytes() const
    {
        return vertices.capacity() * sizeof(VertexState) + edges.capacity() * sizeof(EdgeState)
            + (faces.capacity() + holes.capacity()) * sizeof(FaceState) + corners.capacity() * sizeof(CornerState)
            + refs.capacity() * sizeof(Ref) + externals.capacity() * sizeof(Geometry*);
    }
};

// How one element list differs between the shown state and the other one.
// The other state's values are stored per list: first those of `thereOnly`,
// then those of `changed`, in the same order.
struct ListChanges {
    std::vector<int32_t> hereOnly;                    // ascending shown positions of elements the other state lacks
    std::vector<int32_t> thereOnly;                   // ascending other positions of elements the shown state lacks
    std::vector<std::pair<int32_t, int32_t>> changed; // (shown, other) positions of shared elements that differ
    // Empty while the shared elements keep their relative order (the usual
    // case); otherwise the other position of each shared element in shown order.
    std::vector<int32_t> order;
    int32_t shownCount = 0;
    int32_t otherCount = 0;

    size_t bytes() const
    {
        return (hereOnly.capacity() + thereOnly.capacity() + order.capacity()) * sizeof(int32_t)
            + changed.capacity() * sizeof(changed[0]);
    }
    size_t size() const { return hereOnly.size() + thereOnly.size() + changed.size(); }
};

void numberLists(InnerShape& mesh)
{
    for (int i = 0; i < mesh.vertices.count(); ++i)
        mesh.vertices[i]->index = i;
    for (int i = 0; i < mesh.edges.count(); ++i)
        mesh.edges[i]->index = i;
    for (int i = 0; i < mesh.faces.count(); ++i)
        mesh.faces[i]->index = i;
}

// Positions of a list's elements by address, for pointers that may refer to
// released elements, which must not be read.
class AddressIndex {
public:
    template <class T> void build(T* const* items, int count)
    {
        int bits = 1;
        while ((size_t{1} << bits) < 2 * static_cast<size_t>(count))
            ++bits;
        shift_ = 64 - bits;
        keys_.assign(size_t{1} << bits, nullptr);
        positions_.assign(keys_.size(), -1);
        for (int i = 0; i < count; ++i) {
            size_t s = slot(items[i]);
            while (keys_[s] && keys_[s] != items[i])
                s = (s + 1) & (keys_.size() - 1);
            if (!keys_[s]) {
                keys_[s] = items[i];
                positions_[s] = i;
            }
        }
        built_ = true;
    }
    bool built() const { return built_; }
    // The position of `p` in the list, or -1.
    int32_t find(const void* p) const
    {
        for (size_t s = slot(p); keys_[s]; s = (s + 1) & (keys_.size() - 1))
            if (keys_[s] == p)
                return positions_[s];
        return -1;
    }

private:
    size_t slot(const void* p) const
    {
        return static_cast<size_t>(
            (static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)) * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    std::vector<const void*> keys_;
    std::vector<int32_t> positions_;
    int shift_ = 63;
    bool built_ = false;
};

// References by position in the mesh's lists. The topology references
// (corners, edge ends, edge faces) lead to elements of the mesh while its
// invariants hold, so their positions are read from the `index` fields that
// numberLists has just written. Mirror partners and a vertex's face list may
// point at elements an edit released; those are looked up by address.
struct PositionRefs {
    const InnerShape& mesh;
    AddressIndex byAddress[3]; // built on first use

    Ref core(const Geometry* g, int list, ElementStates& out)
    {
        if (!g)
            return NullRef;
        const int i = g->index;
        if (i >= 0 && i < count(list) && at(list, i) == g)
            return i;
        return loose(g, list, out);
    }
    Ref loose(const Geometry* g, int list, ElementStates& out)
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
    int count(int list) const
    {
        return list == VertexList ? mesh.vertices.count() : list == EdgeList ? mesh.edges.count() : mesh.faces.count();
    }
    const Geometry* at(int list, int i) const
    {
        if (list == VertexList)
            return mesh.vertices[i];
        return list == EdgeList ? static_cast<const Geometry*>(mesh.edges[i]) : mesh.faces[i];
    }
};

// References of the edited state expressed as positions of the state before,
// so that values of both states compare directly.
struct MatchedRefs {
    PositionRefs& positions;
    const std::vector<int32_t>* afterToBefore; // one per list

    Ref core(const Geometry* g, int list, ElementStates& out) { return before(positions.core(g, list, out), list); }
    Ref loose(const Geometry* g, int list, ElementStates& out) { return before(positions.loose(g, list, out), list); }
    Ref before(Ref r, int list) const
    {
        if (r < 0)
            return r;
        const int32_t b = afterToBefore[list][static_cast<size_t>(r)];
        return b >= 0 ? b : UnmatchedRef;
    }
};

// --- capture: element to stored value ---

template <class Refs> void captureVertex(const Vertex& v, Refs& refs, ElementStates& out)
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
    out.vertices.push_back(s);
}

template <class Refs> void captureEdge(const Edge& e, Refs& refs, ElementStates& out)
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
    out.edges.push_back(s);
}

template <class Refs> FaceState faceState(const Face& f, Refs& refs, ElementStates& out)
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
        const FaceState hole = faceState(*f.holes[h], refs, out);
        out.holes[static_cast<size_t>(s.holeStart + h)] = hole;
    }
    return s;
}

template <class Refs> void captureFace(const Face& f, Refs& refs, ElementStates& out)
{
    const FaceState s = faceState(f, refs, out);
    out.faces.push_back(s);
}

// --- comparison of stored values ---

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

bool sameVertex(const ElementStates& a, const VertexState& x, const ElementStates& b, const VertexState& y)
{
    return sameBits(x.position, y.position, sizeof x.position)
        && sameBits(&x.paintWeight, &y.paintWeight, sizeof(float)) && x.flags == y.flags && x.flags2 == y.flags2
        && x.proxy == y.proxy && x.hasDisplacement == y.hasDisplacement
        && (!x.hasDisplacement || sameBits(x.displacement, y.displacement, sizeof x.displacement))
        && sameRef(a, x.mirror, b, y.mirror) && sameRef(a, x.source, b, y.source)
        && sameRefList(a, x.facesStart, x.facesCount, b, y.facesStart, y.facesCount);
}

bool sameEdge(const ElementStates& a, const EdgeState& x, const ElementStates& b, const EdgeState& y)
{
    return x.flags == y.flags && x.flags2 == y.flags2 && sameRef(a, x.start, b, y.start) && sameRef(a, x.end, b, y.end)
        && sameRefList(a, x.facesStart, x.facesCount, b, y.facesStart, y.facesCount);
}

bool sameFace(const ElementStates& a, const FaceState& x, const ElementStates& b, const FaceState& y)
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
        if (!sameFace(
                a, a.holes[static_cast<size_t>(x.holeStart + h)], b, b.holes[static_cast<size_t>(y.holeStart + h)]))
            return false;
    return true;
}

// --- copying stored values between ElementStates ---

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

void copyVertex(const ElementStates& from, size_t i, ElementStates& to)
{
    VertexState s = from.vertices[i];
    s.mirror = moveRef(s.mirror, from, to);
    s.source = moveRef(s.source, from, to);
    s.facesStart = moveRefList(s.facesStart, s.facesCount, from, to);
    to.vertices.push_back(s);
}

void copyEdge(const ElementStates& from, size_t i, ElementStates& to)
{
    EdgeState s = from.edges[i];
    s.start = moveRef(s.start, from, to);
    s.end = moveRef(s.end, from, to);
    s.facesStart = moveRefList(s.facesStart, s.facesCount, from, to);
    to.edges.push_back(s);
}

FaceState copyFaceState(FaceState s, const ElementStates& from, ElementStates& to)
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
        const FaceState hole = copyFaceState(from.holes[static_cast<size_t>(holeStart + h)], from, to);
        to.holes[static_cast<size_t>(s.holeStart + h)] = hole;
    }
    return s;
}

void copyFace(const ElementStates& from, size_t i, ElementStates& to)
{
    const FaceState s = copyFaceState(from.faces[i], from, to);
    to.faces.push_back(s);
}

// --- writing stored values into elements ---

// Resolves stored references against the lists of the state being built.
struct TargetLists {
    List<Vertex*>& vertices;
    List<Edge*>& edges;
    List<Face*>& faces;
    const ElementStates& states;

    Vertex* vertex(Ref r) const
    {
        return r >= 0 ? vertices[r] : r == NullRef ? nullptr : static_cast<Vertex*>(states.externalAt(r));
    }
    Edge* edge(Ref r) const
    {
        return r >= 0 ? edges[r] : r == NullRef ? nullptr : static_cast<Edge*>(states.externalAt(r));
    }
    Face* face(Ref r) const
    {
        return r >= 0 ? faces[r] : r == NullRef ? nullptr : static_cast<Face*>(states.externalAt(r));
    }
};

uint8_t keepPooled(uint8_t stored, uint8_t now)
{
    return static_cast<uint8_t>((stored & ~Geometry::Pooled) | (now & Geometry::Pooled));
}

void writeVertex(Vertex& v, const VertexState& s, const TargetLists& t)
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

void writeEdge(Edge& e, const EdgeState& s, const TargetLists& t)
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

void writeFace(Face& f, const FaceState& s, const TargetLists& t)
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
        writeFace(*hole, states.holes[static_cast<size_t>(s.holeStart + h)], t);
        f.holes.append(hole);
    }
}

// --- per-list operations, shared by the three element classes ---

template <class T> struct ElementKind;

template <> struct ElementKind<Vertex> {
    static constexpr int list = VertexList;
    static List<Vertex*>& of(InnerShape& m) { return m.vertices; }
    template <class Refs> static void capture(const Vertex& v, Refs& refs, ElementStates& out)
    {
        captureVertex(v, refs, out);
    }
    static bool same(const ElementStates& a, size_t i, const ElementStates& b, size_t k)
    {
        return sameVertex(a, a.vertices[i], b, b.vertices[k]);
    }
    static void copy(const ElementStates& from, size_t i, ElementStates& to) { copyVertex(from, i, to); }
    static Vertex* create(const ElementStates& s, size_t i)
    {
        return s.vertices[i].proxy ? take<ProxyVertex>() : take<Vertex>();
    }
    static void write(Vertex& v, size_t i, const TargetLists& t) { writeVertex(v, t.states.vertices[i], t); }
};

template <> struct ElementKind<Edge> {
    static constexpr int list = EdgeList;
    static List<Edge*>& of(InnerShape& m) { return m.edges; }
    template <class Refs> static void capture(const Edge& e, Refs& refs, ElementStates& out)
    {
        captureEdge(e, refs, out);
    }
    static bool same(const ElementStates& a, size_t i, const ElementStates& b, size_t k)
    {
        return sameEdge(a, a.edges[i], b, b.edges[k]);
    }
    static void copy(const ElementStates& from, size_t i, ElementStates& to) { copyEdge(from, i, to); }
    static Edge* create(const ElementStates&, size_t) { return take<Edge>(); }
    static void write(Edge& e, size_t i, const TargetLists& t) { writeEdge(e, t.states.edges[i], t); }
};

template <> struct ElementKind<Face> {
    static constexpr int list = FaceList;
    static List<Face*>& of(InnerShape& m) { return m.faces; }
    template <class Refs> static void capture(const Face& f, Refs& refs, ElementStates& out)
    {
        captureFace(f, refs, out);
    }
    static bool same(const ElementStates& a, size_t i, const ElementStates& b, size_t k)
    {
        return sameFace(a, a.faces[i], b, b.faces[k]);
    }
    static void copy(const ElementStates& from, size_t i, ElementStates& to) { copyFace(from, i, to); }
    static Face* create(const ElementStates&, size_t) { return take<Face>(); }
    static void write(Face& f, size_t i, const TargetLists& t) { writeFace(f, t.states.faces[i], t); }
};

// Pairs the elements of the state before with those after by address. The
// edit may have released elements of the state before, so their addresses
// are looked up, never read.
template <class T>
void match(const std::vector<T*>& before, const List<T*>& after, std::vector<int32_t>& outAfterToBefore,
    std::vector<int32_t>& outBeforeToAfter)
{
    outAfterToBefore.assign(static_cast<size_t>(after.count()), -1);
    outBeforeToAfter.assign(before.size(), -1);
    AddressIndex index;
    index.build(before.data(), static_cast<int>(before.size()));
    for (int j = 0; j < after.count(); ++j) {
        const int32_t i = index.find(after[j]);
        if (i >= 0 && outBeforeToAfter[static_cast<size_t>(i)] < 0) {
            outBeforeToAfter[static_cast<size_t>(i)] = j;
            outAfterToBefore[static_cast<size_t>(j)] = i;
        }
    }
}

// The differences of one list, with the before values of removed and
// changed elements copied into `kept`.
template <class T>
ListChanges diffList(const List<T*>& after, const std::vector<int32_t>& afterToBefore,
    const std::vector<int32_t>& beforeToAfter, const ElementStates& before, MatchedRefs& refs, ElementStates& kept)
{
    using K = ElementKind<T>;
    ListChanges ch;
    ch.shownCount = after.count();
    ch.otherCount = static_cast<int32_t>(beforeToAfter.size());
    for (size_t i = 0; i < beforeToAfter.size(); ++i)
        if (beforeToAfter[i] < 0) {
            ch.thereOnly.push_back(static_cast<int32_t>(i));
            K::copy(before, i, kept);
        }
    ElementStates now;
    int32_t last = -1;
    bool keptOrder = true;
    for (int j = 0; j < after.count(); ++j) {
        const int32_t b = afterToBefore[static_cast<size_t>(j)];
        if (b < 0) {
            ch.hereOnly.push_back(j);
            continue;
        }
        keptOrder = keptOrder && b > last;
        last = b;
        now.clear();
        K::capture(*after[j], refs, now);
        if (!K::same(before, static_cast<size_t>(b), now, 0))
            ch.changed.emplace_back(j, b);
    }
    for (const auto& [j, b] : ch.changed)
        K::copy(before, static_cast<size_t>(b), kept);
    if (!keptOrder)
        for (int32_t b : afterToBefore)
            if (b >= 0)
                ch.order.push_back(b);
    ch.hereOnly.shrink_to_fit();
    ch.thereOnly.shrink_to_fit();
    ch.changed.shrink_to_fit();
    return ch;
}

// Values of the shown elements that a swap replaces or releases, in the
// order the swapped record expects them.
template <class T>
void captureShown(const List<T*>& shown, const ListChanges& ch, PositionRefs& refs, ElementStates& out)
{
    for (int32_t p : ch.hereOnly)
        ElementKind<T>::capture(*shown[p], refs, out);
    for (const auto& [p, t] : ch.changed)
        ElementKind<T>::capture(*shown[p], refs, out);
}

template <class T> void releaseAt(const List<T*>& list, const std::vector<int32_t>& positions)
{
    for (int32_t p : positions)
        if (list[p])
            list[p]->release();
}

// Builds the other state's list: the shown elements it shares, at their
// other positions, and fresh elements where only the other state has one.
// False, having released its fresh elements, when memory runs out.
template <class T> bool arrange(const List<T*>& shown, const ListChanges& ch, const ElementStates& other, List<T*>& out)
{
    if (!out.reserve(ch.otherCount))
        return false;
    for (int32_t i = 0; i < ch.otherCount; ++i)
        out.append(nullptr);
    for (size_t k = 0; k < ch.thereOnly.size(); ++k) {
        T* e = ElementKind<T>::create(other, k);
        if (!e) {
            releaseAt(out, ch.thereOnly);
            return false;
        }
        out[ch.thereOnly[k]] = e;
    }
    size_t skip = 0, shared = 0, fresh = 0;
    int32_t next = 0;
    for (int32_t p = 0; p < shown.count(); ++p) {
        if (skip < ch.hereOnly.size() && ch.hereOnly[skip] == p) {
            ++skip;
            continue;
        }
        int32_t target;
        if (!ch.order.empty()) {
            target = ch.order[shared++];
        } else {
            while (fresh < ch.thereOnly.size() && ch.thereOnly[fresh] == next) {
                ++fresh;
                ++next;
            }
            target = next++;
        }
        out[target] = shown[p];
    }
    return true;
}

template <class T> void writeValues(const List<T*>& target, const ListChanges& ch, const TargetLists& t)
{
    size_t k = 0;
    for (int32_t p : ch.thereOnly)
        ElementKind<T>::write(*target[p], k++, t);
    for (const auto& [shownPos, otherPos] : ch.changed)
        ElementKind<T>::write(*target[otherPos], k++, t);
}

// The same differences seen from the other state.
ListChanges inverted(const ListChanges& ch)
{
    ListChanges inv;
    inv.hereOnly = ch.thereOnly;
    inv.thereOnly = ch.hereOnly;
    inv.changed.reserve(ch.changed.size());
    for (const auto& [p, t] : ch.changed)
        inv.changed.emplace_back(t, p);
    inv.shownCount = ch.otherCount;
    inv.otherCount = ch.shownCount;
    if (!ch.order.empty()) {
        std::vector<int32_t> shownAt(static_cast<size_t>(ch.otherCount), -1);
        size_t skip = 0, shared = 0;
        for (int32_t p = 0; p < ch.shownCount; ++p) {
            if (skip < ch.hereOnly.size() && ch.hereOnly[skip] == p) {
                ++skip;
                continue;
            }
            shownAt[static_cast<size_t>(ch.order[shared++])] = p;
        }
        for (int32_t p : shownAt)
            if (p >= 0)
                inv.order.push_back(p);
    }
    return inv;
}

} // namespace

struct URChangeGeometry::Data {
    bool applied = false;
    // Until apply: the whole state before the edit, in list order, and its elements.
    ElementStates before;
    std::vector<Vertex*> beforeVertices;
    std::vector<Edge*> beforeEdges;
    std::vector<Face*> beforeFaces;
    // From apply on: the differences, per list, and the other state's values.
    ListChanges changes[3];
    ElementStates other;
};

URChangeGeometry::URChangeGeometry(InnerShape& object) : object_(object), data_(std::make_unique<Data>())
{
    Data& d = *data_;
    numberLists(object);
    size_t corners = 0;
    for (const Face* f : object.faces)
        corners += static_cast<size_t>(f->corners.count());
    d.before.vertices.reserve(static_cast<size_t>(object.vertices.count()));
    d.before.edges.reserve(static_cast<size_t>(object.edges.count()));
    d.before.faces.reserve(static_cast<size_t>(object.faces.count()));
    d.before.corners.reserve(corners);
    d.before.refs.reserve(2 * static_cast<size_t>(object.edges.count()));
    PositionRefs refs{object, {}};
    for (Vertex* v : object.vertices)
        captureVertex(*v, refs, d.before);
    for (Edge* e : object.edges)
        captureEdge(*e, refs, d.before);
    for (Face* f : object.faces)
        captureFace(*f, refs, d.before);
    d.beforeVertices.assign(object.vertices.begin(), object.vertices.end());
    d.beforeEdges.assign(object.edges.begin(), object.edges.end());
    d.beforeFaces.assign(object.faces.begin(), object.faces.end());
}

URChangeGeometry::~URChangeGeometry() = default;

bool URChangeGeometry::apply()
{
    Data& d = *data_;
    if (d.applied)
        return true;
    numberLists(object_);
    std::vector<int32_t> afterToBefore[3], beforeToAfter[3];
    match(d.beforeVertices, object_.vertices, afterToBefore[VertexList], beforeToAfter[VertexList]);
    match(d.beforeEdges, object_.edges, afterToBefore[EdgeList], beforeToAfter[EdgeList]);
    match(d.beforeFaces, object_.faces, afterToBefore[FaceList], beforeToAfter[FaceList]);

    PositionRefs positions{object_, {}};
    MatchedRefs refs{positions, afterToBefore};
    ElementStates kept;
    d.changes[VertexList]
        = diffList(object_.vertices, afterToBefore[VertexList], beforeToAfter[VertexList], d.before, refs, kept);
    d.changes[EdgeList]
        = diffList(object_.edges, afterToBefore[EdgeList], beforeToAfter[EdgeList], d.before, refs, kept);
    d.changes[FaceList]
        = diffList(object_.faces, afterToBefore[FaceList], beforeToAfter[FaceList], d.before, refs, kept);
    kept.shrink();
    d.other = std::move(kept);

    // The pointer lists are swapped with empty ones: assigning {} keeps the capacity.
    d.before = ElementStates();
    std::vector<Vertex*>().swap(d.beforeVertices);
    std::vector<Edge*>().swap(d.beforeEdges);
    std::vector<Face*>().swap(d.beforeFaces);
    d.applied = true;
    return true;
}

bool URChangeGeometry::revert()
{
    Data& d = *data_;
    if (!d.applied || d.changes[VertexList].shownCount != object_.vertices.count()
        || d.changes[EdgeList].shownCount != object_.edges.count()
        || d.changes[FaceList].shownCount != object_.faces.count())
        return false;

    List<Vertex*> vertices;
    List<Edge*> edges;
    List<Face*> faces;
    if (!arrange(object_.vertices, d.changes[VertexList], d.other, vertices))
        return false;
    if (!arrange(object_.edges, d.changes[EdgeList], d.other, edges)) {
        releaseAt(vertices, d.changes[VertexList].thereOnly);
        return false;
    }
    if (!arrange(object_.faces, d.changes[FaceList], d.other, faces)) {
        releaseAt(vertices, d.changes[VertexList].thereOnly);
        releaseAt(edges, d.changes[EdgeList].thereOnly);
        return false;
    }

    // What is shown now becomes the stored state, taken before anything is written.
    numberLists(object_);
    PositionRefs refs{object_, {}};
    ElementStates shown;
    captureShown(object_.vertices, d.changes[VertexList], refs, shown);
    captureShown(object_.edges, d.changes[EdgeList], refs, shown);
    captureShown(object_.faces, d.changes[FaceList], refs, shown);
    shown.shrink();

    const TargetLists target{vertices, edges, faces, d.other};
    writeValues(vertices, d.changes[VertexList], target);
    writeValues(edges, d.changes[EdgeList], target);
    writeValues(faces, d.changes[FaceList], target);

    releaseAt(object_.vertices, d.changes[VertexList].hereOnly);
    releaseAt(object_.faces, d.changes[FaceList].hereOnly);
    releaseAt(object_.edges, d.changes[EdgeList].hereOnly);
    object_.vertices = vertices;
    object_.edges = edges;
    object_.faces = faces;

    for (ListChanges& ch : d.changes)
        ch = inverted(ch);
    d.other = std::move(shown);

    object_.touch();
    object_.topologyChanged();
    object_.update(true, !object_.isPlainMesh(), -1);
    return true;
}

size_t URChangeGeometry::heldBytes() const
{
    const Data& d = *data_;
    size_t bytes = sizeof(*this) + sizeof(Data) + d.before.bytes() + d.other.bytes();
    bytes += d.beforeVertices.capacity() * sizeof(Vertex*) + d.beforeEdges.capacity() * sizeof(Edge*)
        + d.beforeFaces.capacity() * sizeof(Face*);
    for (const ListChanges& ch : d.changes)
        bytes += ch.bytes();
    return bytes;
}

int URChangeGeometry::differenceCount() const
{
    size_t n = 0;
    for (const ListChanges& ch : data_->changes)
        n += ch.size();
    return static_cast<int>(n);
}
