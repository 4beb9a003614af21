#pragma once
// One polygon mesh: three element lists, an axis frame, a symmetry plane, a
// name and display state. Scene objects and subdivision levels are meshes.
#include <cstdint>
#include <string>

#include "Edge.h"
#include "Face.h"
#include "List.h"
#include "MirrorPlane.h"
#include "Vertex.h"

class InnerShape : public Geometry {
public:
    // Bits of `displayFlags`.
    enum DisplayFlag : uint32_t {
        ShowNormals = 1u << 0,
        WireOnShaded = 1u << 1,
        SubdivisionLevel = 1u << 2,
        Locked = 1u << 3,
        Symmetry = 1u << 4,
    };
    // Bits of `textureFlags`.
    enum TextureFlag : uint32_t { ShowTexture = 1u << 0 };
    // Shading modes (bits 0-4 of `shading`; the previous mode in bits 5-9).
    enum ShadingMode { FlatShade = 0, SmoothShade = 1, FastShade = 2, GhostedShade = 3, Wireframe = 4 };
    // Values of `shapeKind`.
    enum ShapeKind { KindInnerShape = 0, KindShape = 1, KindShapeInstance = 2, KindLight = 3, KindTextureProxy = 4 };
    // The four vertices of `axisFrame`.
    enum { AxisPivot = 0, AxisX = 1, AxisY = 2, AxisZ = 3 };

    InnerShape();
    // Duplicates every element of `other` (vertices, edges, faces with holes),
    // keeping the connectivity, flags and display state.
    InnerShape(const InnerShape& other);
    InnerShape& operator=(const InnerShape&) = delete;

    // --- virtual operations ---
    ~InnerShape() override;
    void release() override;
    // Shares the other mesh's element pointers (no duplication), name,
    // shading mode, ShowTexture and axis frame.
    void copyFrom(const Geometry& other) override;
    int kind() const override { return KindMesh; }
    virtual int shapeKind() const { return KindInnerShape; }
    // Faces, then edges, then vertices get `index` := list position; returns the vertex count.
    virtual int renumber();

    // Drawing (implemented with the GL code, needs a current context).
    virtual void drawFacesFlat(float r, float g, float b, float a);
    virtual void drawFacesFlat(const unsigned char rgb[3]);
    virtual void drawFacesMaterial();
    virtual void drawFacesSmooth();
    virtual void drawFacesSmoothAlternate();
    virtual void drawEdges();
    virtual void drawVertices();
    virtual void drawFaceNormals();
    // Draws one element in the highlight colour; false when it is not in this mesh.
    virtual bool drawHighlight(Geometry* element, int index);
    virtual void drawFace(int i, const unsigned char rgb[3]);
    virtual void drawEdge(int i, const unsigned char rgb[3]);
    virtual void drawVertex(int i, const unsigned char rgb[3]);
    virtual void drawFacesColour(const unsigned char rgb[3]) { drawFacesFlat(rgb); }
    virtual void drawEdges(const unsigned char rgb[3]);
    // Called after the control mesh's topology changed; objects refresh their derived data.
    virtual void topologyChanged() {}

    // Recomputes positions from stencils (and displacement) when `positions`
    // is set, then face normals, or vertex normals when `mode` is a smooth
    // mode. `mode` -1 means the mesh's own shading mode.
    virtual void update(bool normals, bool positions, int mode);
    virtual void noOp3(int, int, int) {}
    virtual int clearVertexMarks();
    virtual int setVertexMarks();
    virtual void noOp34() {}
    virtual void noOp35() {}
    virtual bool hasDisplacement() const;
    // Reverses every listed face (holes too); `touch`.
    virtual void flipFaces(const List<Face*>& list);
    virtual void clearVertexFaceLists();
    virtual int shadingMode() const;
    virtual void setShadingMode(int mode);
    virtual bool isPlainMesh() const { return true; }

    // --- element lists ---
    void addVertex(Vertex* v) { vertices.append(v); }
    void addEdge(Edge* e) { edges.append(e); }
    void addFace(Face* f) { faces.append(f); }

    // First edge joining a and b in either direction; null if none. Linear scan.
    Edge* findEdge(const Vertex* a, const Vertex* b) const;
    // First face of e other than f; null if none.
    static Face* otherFace(const Face* f, const Edge* e);
    // Every edge end and face corner referring to oldV now refers to newV.
    void replaceVertex(Vertex* oldV, Vertex* newV);
    // As replaceVertex, limited to the faces connected to f through edges where a replacement happened.
    void replaceVertexFrom(Face* f, Vertex* oldV, Vertex* newV);
    // Faces with fewer than 3 corners are appended to outRemoved, released and dropped.
    bool removeDegenerateFaces(List<Face*>& outRemoved);
    void touch() { ++changeCount; }
    void clearTags();
    // Derives edges from face corners, linear in the corner count.
    void buildEdges();
    // Repairs edges after load: missing edges created, duplicates merged.
    void rebuildTopology(bool releaseDuplicates);
    // Pivot to the bounding-box centre, unit directions; no-op without vertices.
    void resetAxis();
    // Releases every element and empties the lists and the name.
    void clear();

    bool isSmoothShaded() const
    {
        int m = shadingMode();
        return m == SmoothShade || m == FastShade || m == GhostedShade;
    }
    bool isSeeThrough() const
    {
        int m = shadingMode();
        return m == GhostedShade || m == Wireframe;
    }
    int previousShadingMode() const;
    bool hasSymmetry() const { return displayFlags & Symmetry; }
    void setSymmetry(bool on) { displayFlags = on ? (displayFlags | Symmetry) : (displayFlags & ~Symmetry); }
    Vertex& pivot() { return axisFrame[AxisPivot]; }
    Vertex& xAxis() { return axisFrame[AxisX]; }
    Vertex& yAxis() { return axisFrame[AxisY]; }
    Vertex& zAxis() { return axisFrame[AxisZ]; }
    void setPivot(const Point3D& p) { axisFrame[AxisPivot].setPosition(p.x, p.y, p.z); }

    List<Vertex*> vertices;
    List<Edge*> edges;
    List<Face*> faces;
    List<Geometry*> extras;    // owned, released by clear; free for object bookkeeping
    Vertex axisFrame[4];       // pivot, X, Y and Z direction
    MirrorPlane mirrorPlane;   // symmetry plane
    int32_t changeCount = 0;   // +1 on every topology or membership change
    // New at construction and on every `update`, from one sequence for all
    // meshes: equal stamps mean the same mesh with the same points, which is
    // what drawing caches compare.
    uint64_t updateStamp = newUpdateStamp();
    std::string name = "Generic";
    uint32_t displayFlags = WireOnShaded;
    uint32_t shading = 0;      // mode in bits 0-4, previous mode in bits 5-9
    uint32_t textureFlags = ShowTexture;

    static uint64_t newUpdateStamp()
    {
        static uint64_t last = 0;
        return ++last;
    }

protected:
    // Frees the lists themselves after their elements were released or handed on.
    void dropLists();
    // Duplicates the elements of `other` into this empty mesh.
    void duplicateElementsOf(const InnerShape& other);
};
