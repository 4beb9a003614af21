#include "Tools/Paint/LevelAdjacency.h"

#include <algorithm>

#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Vertex.h"

bool LevelAdjacency::matches(const InnerShape& mesh) const
{
    return mesh_ == &mesh && changeCount_ == mesh.changeCount && vertexCount() == mesh.vertices.count() &&
           faceCount() == mesh.faces.count() &&
           firstVertex_ == (mesh.vertices.empty() ? nullptr : mesh.vertices[0]) &&
           lastFace_ == (mesh.faces.empty() ? nullptr : mesh.faces[mesh.faces.count() - 1]);
}

void LevelAdjacency::prepare(const InnerShape& mesh)
{
    if (matches(mesh))
        return;
    const int vertexCount = mesh.vertices.count();
    const int faceCount = mesh.faces.count();
    Vertex* const* vertices = mesh.vertices.data();
    for (int i = 0; i < vertexCount; ++i)
        vertices[i]->tag = i;

    faceStart_.assign(static_cast<size_t>(faceCount) + 1, 0);
    faceCorners_.clear();
    faceCorners_.reserve(static_cast<size_t>(faceCount) * 4);
    vertexFaceStart_.assign(static_cast<size_t>(vertexCount) + 1, 0);
    Face* const* faces = mesh.faces.data();
    for (int f = 0; f < faceCount; ++f) {
        faceStart_[f] = static_cast<int32_t>(faceCorners_.size());
        for (const Corner& c : faces[f]->corners) {
            // A corner whose vertex is not listed joins no neighbourhood.
            const int v = c.vertex ? c.vertex->tag : -1;
            if (v < 0 || v >= vertexCount || vertices[v] != c.vertex)
                continue;
            faceCorners_.push_back(v);
            ++vertexFaceStart_[v + 1];
        }
    }
    faceStart_[faceCount] = static_cast<int32_t>(faceCorners_.size());
    for (int v = 0; v < vertexCount; ++v)
        vertexFaceStart_[v + 1] += vertexFaceStart_[v];
    vertexFaces_.assign(faceCorners_.size(), 0);
    std::vector<int32_t> fill(vertexFaceStart_.begin(), vertexFaceStart_.end() - 1);
    for (int f = 0; f < faceCount; ++f)
        for (int32_t v : corners(f))
            vertexFaces_[fill[v]++] = f;

    faceStamp_.assign(static_cast<size_t>(faceCount), 0);
    vertexStamp_.assign(static_cast<size_t>(vertexCount), 0);
    stamp_ = 0;
    mesh_ = &mesh;
    changeCount_ = mesh.changeCount;
    firstVertex_ = vertexCount ? vertices[0] : nullptr;
    lastFace_ = faceCount ? faces[faceCount - 1] : nullptr;
}

void LevelAdjacency::neighbours(int v, std::vector<int32_t>& out) const
{
    out.clear();
    auto add = [&](int32_t n) {
        if (n != v && std::find(out.begin(), out.end(), n) == out.end())
            out.push_back(n);
    };
    for (int32_t f : facesAround(v)) {
        const std::span<const int32_t> c = corners(f);
        const int n = static_cast<int>(c.size());
        for (int k = 0; k < n; ++k)
            if (c[k] == v) {
                add(c[(k + n - 1) % n]);
                add(c[(k + 1) % n]);
            }
    }
}

uint32_t LevelAdjacency::newStamp()
{
    if (++stamp_ == 0) {
        // After 2^32 walks the old marks could be mistaken for new ones.
        std::fill(faceStamp_.begin(), faceStamp_.end(), 0);
        std::fill(vertexStamp_.begin(), vertexStamp_.end(), 0);
        stamp_ = 1;
    }
    return stamp_;
}
