#pragma once
// The neighbourhoods a brush walks on one level mesh, as flat arrays built
// once and reused by every dab until the mesh's topology changes: the
// corners of each face and the faces around each vertex, plus per-element
// stamps so that a dab visits each face and vertex once.
#include <cstdint>
#include <span>
#include <vector>

class Face;
class InnerShape;
class Vertex;

class LevelAdjacency {
public:
    // True when the arrays describe `mesh` as it is (same lists, same topology).
    bool matches(const InnerShape& mesh) const;
    // Rebuilds the arrays from `mesh` unless they match it already. Uses the
    // vertices' `tag` as scratch.
    void prepare(const InnerShape& mesh);

    int faceCount() const { return static_cast<int>(faceStart_.size()) - 1; }
    int vertexCount() const { return static_cast<int>(vertexFaceStart_.size()) - 1; }
    // Vertex positions (in the mesh's list) of face f's outer corners, in order.
    std::span<const int32_t> corners(int f) const
    {
        return {faceCorners_.data() + faceStart_[f], static_cast<size_t>(faceStart_[f + 1] - faceStart_[f])};
    }
    // Face positions around vertex v.
    std::span<const int32_t> facesAround(int v) const
    {
        return {vertexFaces_.data() + vertexFaceStart_[v],
                static_cast<size_t>(vertexFaceStart_[v + 1] - vertexFaceStart_[v])};
    }
    // The vertices joined to v by a face side, each once, in the order the
    // faces around v list them. Cleared first.
    void neighbours(int v, std::vector<int32_t>& out) const;

    // A fresh stamp for one walk; marks from earlier walks no longer count.
    uint32_t newStamp();
    // Marks face f (vertex v) for the current stamp; false when it was marked already.
    bool markFace(int f) { return mark(faceStamp_[f]); }
    bool markVertex(int v) { return mark(vertexStamp_[v]); }

private:
    bool mark(uint32_t& slot)
    {
        if (slot == stamp_)
            return false;
        slot = stamp_;
        return true;
    }

    const InnerShape* mesh_ = nullptr;
    int32_t changeCount_ = -1;
    const Vertex* firstVertex_ = nullptr;
    const Face* lastFace_ = nullptr;
    std::vector<int32_t> faceStart_{0};       // per face into faceCorners_; one more at the end
    std::vector<int32_t> faceCorners_;
    std::vector<int32_t> vertexFaceStart_{0}; // per vertex into vertexFaces_; one more at the end
    std::vector<int32_t> vertexFaces_;
    std::vector<uint32_t> faceStamp_, vertexStamp_;
    uint32_t stamp_ = 0;
};
