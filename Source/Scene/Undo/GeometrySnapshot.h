#pragma once
// Stored values of the elements of one state of an object, for an undo
// record that keeps the state that is not shown: taken from elements,
// compared, copied from one store to another and written back into elements.
// References between elements are kept as list positions, so that a stored
// element can be recreated in fresh storage.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Mesh/InnerShape.h"

namespace snapshot {

enum ListKind { VertexList = 0, EdgeList = 1, FaceList = 2 };

// A stored reference from one element to another: >= 0 is a position in the
// referenced element's list in the state the value belongs to, NullRef is no
// element, and values below are entries of ElementStates::externals.
using Ref = int32_t;
constexpr Ref NullRef = -1;
// Only while comparing: an element that the other state does not have.
constexpr Ref UnmatchedRef = INT32_MIN;

inline bool isExternal(Ref r)
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

    void clear();
    void shrink();
    size_t bytes() const;
};

// Writes each element's list position into its `index`.
void numberLists(InnerShape& mesh);

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

    Ref core(const Geometry* g, int list, ElementStates& out);
    Ref loose(const Geometry* g, int list, ElementStates& out);
    int count(int list) const;
    const Geometry* at(int list, int i) const;
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

// The stored value of an element. Its references go through `refs`
// (PositionRefs or MatchedRefs); its lists of references, corners and holes
// are appended to `out`, the value itself is returned for the caller to keep.
template <class Refs> VertexState stateOf(const Vertex& v, Refs& refs, ElementStates& out);
template <class Refs> EdgeState stateOf(const Edge& e, Refs& refs, ElementStates& out);
template <class Refs> FaceState stateOf(const Face& f, Refs& refs, ElementStates& out);

// Whether value x of store a and value y of store b describe the same
// element; normals and `id` do not count.
bool same(const ElementStates& a, const VertexState& x, const ElementStates& b, const VertexState& y);
bool same(const ElementStates& a, const EdgeState& x, const ElementStates& b, const EdgeState& y);
bool same(const ElementStates& a, const FaceState& x, const ElementStates& b, const FaceState& y);

// Value `s` of store `from` made a value of store `to`: its lists and
// external references are appended to `to`, the value is returned.
VertexState moved(VertexState s, const ElementStates& from, ElementStates& to);
EdgeState moved(EdgeState s, const ElementStates& from, ElementStates& to);
FaceState moved(FaceState s, const ElementStates& from, ElementStates& to);

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

// Gives an element the stored value `s`, its references resolved by `t`;
// the element's pool bit is kept. A face's holes are replaced by new ones.
void write(Vertex& v, const VertexState& s, const TargetLists& t);
void write(Edge& e, const EdgeState& s, const TargetLists& t);
void write(Face& f, const FaceState& s, const TargetLists& t);

// Fresh storage of the element class a stored value needs; null when the pool is exhausted.
Vertex* freshElement(const VertexState& s);
Edge* freshElement(const EdgeState& s);
Face* freshElement(const FaceState& s);

} // namespace snapshot
