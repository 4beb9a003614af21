#include "VertexEdgeTable.h"

#include <new>

#include "InnerShape.h"

bool VertexEdgeTable::owns(const InnerShape& mesh, const Vertex* v) const
{
    return v && v->tag >= 0 && v->tag < mesh.vertices.count() && mesh.vertices[v->tag] == v;
}

bool VertexEdgeTable::build(const InnerShape& mesh, bool withEdges)
{
    const int n = mesh.vertices.count();
    start_.reset(new (std::nothrow) int[n + 1]());
    used_.reset(new (std::nothrow) int[n + 1]());
    if (!start_ || !used_)
        return false;
    // A row holds at most one entry per corner (or edge) starting there.
    auto countContour = [&](const Face* f) {
        for (const Corner& c : f->corners)
            if (owns(mesh, c.vertex))
                ++start_[c.vertex->tag + 1];
    };
    for (const Face* f : mesh.faces) {
        countContour(f);
        for (const Face* h : f->holes)
            countContour(h);
    }
    if (withEdges)
        for (const Edge* e : mesh.edges)
            if (owns(mesh, e->startVertex))
                ++start_[e->startVertex->tag + 1];
    for (int i = 0; i < n; ++i)
        start_[i + 1] += start_[i];
    entries_.reset(new (std::nothrow) Entry[start_[n] + 1]);
    return entries_ != nullptr;
}

Edge* VertexEdgeTable::find(const Vertex* a, const Vertex* b) const
{
    const Entry* row = entries_.get() + start_[a->tag];
    for (int i = 0, n = used_[a->tag]; i < n; ++i)
        if (row[i].other == b)
            return row[i].edge;
    return nullptr;
}

void VertexEdgeTable::add(const Vertex* a, const Vertex* b, Edge* e)
{
    entries_[start_[a->tag] + used_[a->tag]++] = Entry{b, e};
}
