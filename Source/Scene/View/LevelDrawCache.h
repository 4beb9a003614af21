#pragma once
// A big mesh drawn from GL buffers: its faces triangulated once into a
// vertex buffer (positions and normals) and an index buffer, its edges into
// a line index buffer. Rebuilt only when the mesh changed, so that a frame
// of a million-face level is one draw call for the faces and one for the
// edges. Needs a current GL context for everything but the staleness test.
#include <cstdint>
#include <span>
#include <vector>

class InnerShape;
class Vertex;
class Face;

class LevelDrawCache {
public:
    LevelDrawCache() = default;
    // Gives the buffers back; the context they were made in must be current.
    ~LevelDrawCache();
    LevelDrawCache(const LevelDrawCache&) = delete;
    LevelDrawCache& operator=(const LevelDrawCache&) = delete;

    // Brings the buffers up to date with `mesh`. With `vertexNormals` the
    // vertices carry their own (smooth) normals; otherwise each vertex gets
    // the mean of its faces' normals, since a flat mode keeps no vertex
    // normals. Hidden faces and edges are left out. False when the buffers
    // cannot be made (out of GL memory): draw the mesh the slow way then.
    bool refresh(const InnerShape& mesh, bool vertexNormals);
    // Whether refresh would rebuild anything. Cheap: compares counters.
    bool isStale(const InnerShape& mesh, bool vertexNormals) const;
    // The faces in the current colour and material, lit by the normals.
    void drawFaces() const;
    // The visible edges as lines in the current colour.
    void drawEdges() const;
    // Makes the next refresh rebuild (the mesh's hidden bits changed).
    void invalidate() { key_ = Key{}; }

    // A brush moves a few thousand vertices of a million-face level per dab.
    // It moves them and their normals, gives the mesh a new update stamp and
    // notes here which vertices changed since `stampBefore`; a cache built
    // at that stamp (or at a later one of the same run of notes) then uploads
    // only those vertices instead of rebuilding. Another update of the mesh
    // breaks the run and the next refresh rebuilds.
    static void noteMovedVertices(const InnerShape& mesh, uint64_t stampBefore, std::span<const int32_t> vertices);
    // How many refreshes so far uploaded only noted vertices (all caches).
    static uint64_t partialRefreshes();

private:
    // What the buffers were built from. The update stamp tells a new mesh
    // from a released one whose memory it reuses.
    struct Key {
        const InnerShape* mesh = nullptr;
        int32_t changeCount = -1;
        uint64_t updateStamp = 0;
        int vertexCount = -1;
        int edgeCount = -1;
        int faceCount = -1;
        const Vertex* firstVertex = nullptr;
        const Face* lastFace = nullptr;
        bool vertexNormals = false;
        bool operator==(const Key&) const = default;
    };
    static Key keyOf(const InnerShape& mesh, bool vertexNormals);
    // Fills the arrays below from the mesh; vertex tags are its indices.
    void gather(const InnerShape& mesh, bool vertexNormals);
    bool upload();
    // Uploads the vertices noted since the cache's stamp; false when the
    // notes do not lead from it to the mesh's stamp.
    bool uploadMoved(const InnerShape& mesh, bool vertexNormals);

    Key key_;
    std::vector<float> vertexData_;      // x y z nx ny nz per vertex
    std::vector<uint32_t> triangles_;    // three vertex indices per triangle
    std::vector<uint32_t> lines_;        // two vertex indices per edge
    unsigned buffers_[3] = {0, 0, 0};    // GL names: vertices, triangles, lines
    int triangleIndexCount_ = 0;
    int lineIndexCount_ = 0;
    bool extraPoints_ = false;           // tessellation added points after the mesh's vertices
};
