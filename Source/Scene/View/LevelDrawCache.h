#pragma once
// A big mesh drawn from GL buffers: its faces triangulated once into a
// vertex buffer (positions and normals) and an index buffer, its edges into
// a line index buffer. Rebuilt only when the mesh changed, so that a frame
// of a million-face level is one draw call for the faces and one for the
// edges. Needs a current GL context for everything but the staleness test.
#include <cstdint>
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

    Key key_;
    std::vector<float> vertexData_;      // x y z nx ny nz per vertex
    std::vector<uint32_t> triangles_;    // three vertex indices per triangle
    std::vector<uint32_t> lines_;        // two vertex indices per edge
    unsigned buffers_[3] = {0, 0, 0};    // GL names: vertices, triangles, lines
    int triangleIndexCount_ = 0;
    int lineIndexCount_ = 0;
};
