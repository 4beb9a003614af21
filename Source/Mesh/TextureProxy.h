#pragma once
// The UV-space proxy of an object: an ordinary object whose vertex positions
// (x, y, 0) are texture coordinates (u, v), so that selection, manipulators
// and undo work on UVs unchanged.
#include "Shape.h"

// A vertex of a proxy: a texture coordinate that belongs to one vertex of
// the source object. One source vertex may have several.
class ProxyVertex : public Vertex {
public:
    ProxyVertex() = default;
    ProxyVertex(float u, float v, Vertex* source) : Vertex(u, v, 0.0f), sourceVertex(source) {}
    ProxyVertex(const ProxyVertex&) = default;

    void release() override;
    int vertexKind() const override { return VertexKindProxy; }

    Vertex* sourceVertex = nullptr; // not owned; null for a vertex made from scratch
};

class TextureProxy : public Shape {
public:
    // An empty proxy of `owner` (not owned): named after it with " UV Proxy",
    // with its display flags, unselected.
    explicit TextureProxy(Shape* owner);
    TextureProxy(const TextureProxy&) = delete;
    TextureProxy& operator=(const TextureProxy&) = delete;

    void release() override;
    int shapeKind() const override { return KindTextureProxy; }

    // Appends a proxy face standing for `sourceFace` of the owner.
    void addProxyFace(Face* proxyFace, Face* sourceFace);

    Shape* owner;             // the object whose texture coordinates this edits
    List<Face*> sourceFaces;  // sourceFaces[i] is the owner's face that proxy face i stands for
};
