#include "Scene/Undo/URChangeGeometry.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "Mesh/InnerShape.h"
#include "Scene/Undo/GeometrySnapshot.h"

namespace {

using namespace snapshot;

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

// Where the stored values of each element class are kept.
template <class T> struct ElementKind;
template <> struct ElementKind<Vertex> {
    static constexpr auto values = &ElementStates::vertices;
};
template <> struct ElementKind<Edge> {
    static constexpr auto values = &ElementStates::edges;
};
template <> struct ElementKind<Face> {
    static constexpr auto values = &ElementStates::faces;
};

template <class T> const auto& valuesOf(const ElementStates& s)
{
    return s.*ElementKind<T>::values;
}

// Appends the value of `e` to `out`.
template <class T, class Refs> void capture(const T& e, Refs& refs, ElementStates& out)
{
    const auto value = stateOf(e, refs, out);
    (out.*ElementKind<T>::values).push_back(value);
}

// Appends value i of `from`'s T list to `to`.
template <class T> void keep(const ElementStates& from, size_t i, ElementStates& to)
{
    const auto value = moved(valuesOf<T>(from)[i], from, to);
    (to.*ElementKind<T>::values).push_back(value);
}

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
    ListChanges ch;
    ch.shownCount = after.count();
    ch.otherCount = static_cast<int32_t>(beforeToAfter.size());
    for (size_t i = 0; i < beforeToAfter.size(); ++i)
        if (beforeToAfter[i] < 0) {
            ch.thereOnly.push_back(static_cast<int32_t>(i));
            keep<T>(before, i, kept);
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
        capture(*after[j], refs, now);
        if (!same(before, valuesOf<T>(before)[static_cast<size_t>(b)], now, valuesOf<T>(now)[0]))
            ch.changed.emplace_back(j, b);
    }
    for (const auto& [j, b] : ch.changed)
        keep<T>(before, static_cast<size_t>(b), kept);
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
        capture(*shown[p], refs, out);
    for (const auto& [p, t] : ch.changed)
        capture(*shown[p], refs, out);
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
    out.reserve(ch.otherCount);
    for (int32_t i = 0; i < ch.otherCount; ++i)
        out.append(nullptr);
    for (size_t k = 0; k < ch.thereOnly.size(); ++k) {
        T* e = freshElement(valuesOf<T>(other)[k]);
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
    const auto& values = valuesOf<T>(t.states);
    size_t k = 0;
    for (int32_t p : ch.thereOnly)
        write(*target[p], values[k++], t);
    for (const auto& [shownPos, otherPos] : ch.changed)
        write(*target[otherPos], values[k++], t);
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
        capture(*v, refs, d.before);
    for (Edge* e : object.edges)
        capture(*e, refs, d.before);
    for (Face* f : object.faces)
        capture(*f, refs, d.before);
    d.beforeVertices.assign(object.vertices.begin(), object.vertices.end());
    d.beforeEdges.assign(object.edges.begin(), object.edges.end());
    d.beforeFaces.assign(object.faces.begin(), object.faces.end());
}

URChangeGeometry::~URChangeGeometry() = default;

bool URChangeGeometry::apply()
{
    Data& d = *data_;
    if (d.applied)
        return changed();
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
    return changed();
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

bool URChangeGeometry::changed() const
{
    for (const ListChanges& ch : data_->changes)
        if (ch.size() > 0 || !ch.order.empty())
            return true;
    return false;
}

int URChangeGeometry::differenceCount() const
{
    size_t n = 0;
    for (const ListChanges& ch : data_->changes)
        n += ch.size();
    return static_cast<int>(n);
}
