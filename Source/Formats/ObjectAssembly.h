#pragma once
// Builds one object from the indexed records of a scene file, checking
// every index, and finishes it the way both scene readers do.
//
// Element indices in a file are record positions: the n-th vertex, edge or
// face record of the object. Records that cannot become an element (an edge
// whose vertex index is out of range, a face with fewer than 3 valid
// corners) keep their position without an element, so that later indices
// still name the records the writer meant; references to them are ignored.
//
// Topology is linked by vertex positions, never by searching: an edge
// record is looked up in a per-vertex table as it is read (a pair the file
// lists twice names its first edge), and each face side finds its edge
// there too. A vertex's row is a short chain; once it holds MaxChain edges
// the rest go to a hash table, so that a hub of a million edges still
// costs each lookup a bounded number of steps. Elements get their list positions (`index`) as they are
// appended, so the finished object needs no renumbering.
#include <cstdint>

#include "Formats/EdgeKeyTable.h"
#include "Formats/LargeBlock.h"

class Shape;
class SceneReadState;
class TextureProxy;
class Face;
class Edge;
class Vertex;
struct Material;

class ObjectAssembly {
public:
    // A polygon object, or with `proxy` a UV proxy object without owner.
    explicit ObjectAssembly(bool proxy);
    // Releases the object unless `finish` handed it on.
    ~ObjectAssembly();
    ObjectAssembly(const ObjectAssembly&) = delete;
    ObjectAssembly& operator=(const ObjectAssembly&) = delete;

    // Null only when no memory could be had; every other call then does nothing.
    Shape* object() const { return shape_; }
    TextureProxy* proxy() const { return proxy_; }

    // Room for `n` more records, which the caller has checked the input can hold.
    void reserve(long vertices, long edges, long faces);

    // Links each face as `endFace` appends it, instead of all at `finish`.
    // The result is the same provided every edge record comes before the
    // first face and no face gets holes; otherwise the links stay valid but
    // new edges and the face lists of edges may come in another order.
    void linkFacesAsRead() { linkAsRead_ = true; }

    // A vertex at the file point (x, y, z): a coordinate that is not a
    // number becomes 0; a UV proxy maps the point back to UV space.
    void addVertex(float x, float y, float z);
    int vertexCount() const;
    Vertex* vertexAt(long i) const;

    void addEdge(long a, long b);
    long edgeRecords() const { return edgeRecords_; }
    Edge* edgeAt(long i) const;

    // A face that is not in the object yet, with material `m`.
    Face* newFace(Material* m);
    // Appends a corner of vertex `v` (false, nothing appended, when `v` is not a valid index).
    bool addCorner(Face* f, long v, float u, float w);
    // Appends `f` when it has 3 or more corners, else gives it back; the
    // record takes a position either way.
    void endFace(Face* f);
    // Attaches `hole` to `owner` when it has more than 2 corners, else gives it back.
    void endHole(Face* owner, Face* hole);
    long faceRecords() const { return faceRecords_; }
    Face* faceAt(long i) const;
    // The face appended last; null before the first.
    Face* lastFace() const { return lastFace_; }
    // The position of face record i in the object's face list; -1 when none.
    int facePosition(long i) const;

    void setVertexMirror(long a, long b);
    void setFaceMirror(long a, long b);
    // Sets `flag` (of flags) or `flag2` (of flags2) on edge record i.
    void markEdge(long i, uint8_t flag, uint8_t flag2);
    // A partial-subdivision list was read: the object keeps its marks and
    // is not subdivided on load.
    void notePartialList() { partialList_ = true; }
    void markPsubFace(long i);
    void markPsubEdge(long i);

    // The level to subdivide to when no partial-subdivision list was read.
    void setLevel(long n) { level_ = n; }
    // Makes object `owner` the proxy's owner (proxies only).
    void setOwner(Shape* owner);
    // Links proxy face record i with the owner's face at list position j.
    void linkProxyFace(long i, long j);

    // Links what is not linked yet, refreshes the object, finishes a proxy
    // and subdivides as far as the read's level budget allows; an object
    // without faces becomes wireframe. Returns the object, now the caller's,
    // or null when it is empty (it is released).
    Shape* finish(SceneReadState& state);

    // Chain links and table slots looked at by edge lookups so far.
    uint64_t lookupSteps() const { return lookupSteps_; }

private:
    // Side k of the table is edge k of the object: `other` is its higher
    // end's position, `next` the next side of the same lower end (-1 ends).
    struct Side {
        int32_t other;
        int32_t next;
    };
    // The edge joining vertex positions a and b (either way), or null.
    Edge* findEdge(int a, int b);
    // Appends `e` (joining positions a and b) to the object and the table;
    // false (e given back) when out of memory.
    bool appendEdge(Edge* e, int a, int b);
    // Points each corner of `contour` (a contour of `owner`) at its edge,
    // making edges for sides the file has none for. `positions`: the
    // corners' vertex positions when at hand, else null.
    void linkContour(Face* owner, Face* contour, const int32_t* positions);
    void linkFace(Face* f, const int32_t* positions);
    void finishProxy();

    Shape* shape_ = nullptr;
    TextureProxy* proxy_ = nullptr;
    LargeArray<int32_t> firstSide_; // per vertex position: its first side, -1 none
    LargeArray<Side> sides_;
    static constexpr uint8_t MaxChain = 8;
    LargeArray<uint8_t> chainLength_; // per vertex position: sides in its chain, up to MaxChain
    EdgeKeyTable crowded_;            // sides of vertices whose chain is full
    uint64_t lookupSteps_ = 0;
    LargeArray<float> points_;           // x y z per vertex position, for face normals
    LargeArray<int32_t> faceCorners_;    // vertex positions of the corners of the face being read
    // Record tables, filled only once a record does not simply name the
    // element at its own position (until then record i is element i).
    LargeArray<Edge*> edgeRecordTable_;
    LargeArray<int32_t> faceRecordTable_;
    long edgeRecords_ = 0;
    long faceRecords_ = 0;
    bool edgeRecordsAreEdges_ = true;
    bool faceRecordsAreFaces_ = true;
    int linkedFaces_ = 0; // faces at the front of the list whose contours are linked
    bool linkAsRead_ = false;
    bool failed_ = false; // a table could not grow: `finish` links the slow way
    Face* lastFace_ = nullptr;
    long level_ = 0;
    bool partialList_ = false;
};
