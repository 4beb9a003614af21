#pragma once
// A mesh edge between two vertices, knowing the faces that use it.
#include <cstdint>

#include "Geometry.h"
#include "List.h"

class Vertex;
class Face;

class Edge : public Geometry {
public:
    Edge()
    {
        clearOwnFlags();
        flags2 &= ~EdgeKeep;
    }
    Edge(Vertex* a, Vertex* b) : startVertex(a), endVertex(b) { clearOwnFlags(); }
    Edge(const Edge&) = delete;
    Edge& operator=(const Edge&) = delete;
    ~Edge() override = default;

    void release() override;
    // Copies the ends, the face list (same face pointers), tag, Psub and the further persistent bit.
    void copyFrom(const Geometry& other) override;
    int kind() const override { return KindEdge; }

    bool joins(const Vertex* a, const Vertex* b) const
    {
        return (startVertex == a && endVertex == b) || (startVertex == b && endVertex == a);
    }
    Vertex* otherVertex(const Vertex* v) const { return v == startVertex ? endVertex : startVertex; }
    bool operator==(const Edge& o) const
    {
        return startVertex == o.startVertex && endVertex == o.endVertex && faces == o.faces;
    }

    int32_t tag = 0; // scratch (the edge builder's referenced-by-a-face mark)
    Vertex* startVertex = nullptr;
    Vertex* endVertex = nullptr;
    List<Face*, 2> faces; // faces using the edge, in link order; two inline since most edges are manifold

private:
    void clearOwnFlags() { flags &= ~(Selected | Creased | Boundary | Psub); }
};
