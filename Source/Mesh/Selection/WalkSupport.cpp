#include "Mesh/Selection/WalkSupport.h"

#include <algorithm>

namespace walks {

void numberVertices(const InnerShape& mesh)
{
    for (int i = 0; i < mesh.vertices.count(); ++i)
        const_cast<Vertex*>(mesh.vertices[i])->tag = i;
}

void numberEdges(const InnerShape& mesh)
{
    for (int i = 0; i < mesh.edges.count(); ++i)
        const_cast<Edge*>(mesh.edges[i])->tag = i;
}

void numberFaces(const InnerShape& mesh)
{
    for (int i = 0; i < mesh.faces.count(); ++i)
        const_cast<Face*>(mesh.faces[i])->tag = i;
}

bool shareFace(const Edge& a, const Edge& b)
{
    for (const Face* f : a.faces)
        if (b.faces.contains(const_cast<Face*>(f)))
            return true;
    return false;
}

int cornerOfEdge(const Face& f, const Edge* e)
{
    for (int k = 0; k < f.corners.count(); ++k)
        if (f.corners[k].edge == e)
            return k;
    return -1;
}

void VertexEdgeLists::build(const InnerShape& mesh)
{
    numberVertices(mesh);
    const int vertexCount = mesh.vertices.count();
    start_.assign(vertexCount + 2, 0);
    // Counted one slot ahead so that the prefix sum leaves each vertex's
    // fill position in start_[i + 1], which the fill then advances to its end.
    for (const Edge* e : mesh.edges) {
        ++start_[e->startVertex->tag + 2];
        ++start_[e->endVertex->tag + 2];
    }
    for (int i = 2; i <= vertexCount + 1; ++i)
        start_[i] += start_[i - 1];
    edges_.resize(static_cast<size_t>(start_[vertexCount + 1]));
    for (Edge* e : mesh.edges) {
        edges_[start_[e->startVertex->tag + 1]++] = e;
        edges_[start_[e->endVertex->tag + 1]++] = e;
    }
}

VertexEdgeLists& VertexEdgeLists::scratch()
{
    static VertexEdgeLists lists;
    return lists;
}

} // namespace walks
