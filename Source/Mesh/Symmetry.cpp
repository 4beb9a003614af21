#include "Symmetry.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Position {
    float x, y, z;
    bool finite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

bool within(const Position& a, const Position& b, float tol)
{
    return std::fabs(a.x - b.x) < tol && std::fabs(a.y - b.y) < tol && std::fabs(a.z - b.z) < tol;
}

float axisDistance(const Position& a, const Position& b)
{
    return std::fmax(std::fabs(a.x - b.x), std::fmax(std::fabs(a.y - b.y), std::fabs(a.z - b.z)));
}

Position reflect(const MirrorPlane& plane, const Position& p)
{
    Point3D r = plane.reflect(Point3D(p.x, p.y, p.z));
    return {r.x, r.y, r.z};
}

// A hash of cubic cells holding item numbers, for finding the items near a
// point without comparing every pair. Cell coordinates are packed into 21
// bits per axis; far-apart cells that wrap onto the same key only share a
// chain, which costs time, never a wrong match, since callers test distance.
class PointGrid {
public:
    PointGrid(int count, float cellSize) : next_(static_cast<size_t>(count), -1), inverse_(1.0 / cellSize)
    {
        size_t capacity = 16;
        while (capacity < static_cast<size_t>(count) * 2)
            capacity *= 2;
        keys_.assign(capacity, 0);
        heads_.assign(capacity, -1);
        mask_ = capacity - 1;
    }

    void insert(const Position& p, int item)
    {
        int64_t cx, cy, cz;
        if (!cell(p.x, cx) || !cell(p.y, cy) || !cell(p.z, cz))
            return;
        size_t slot = find(key(cx, cy, cz));
        if (heads_[slot] < 0)
            keys_[slot] = key(cx, cy, cz);
        next_[item] = heads_[slot];
        heads_[slot] = item;
    }

    // Calls visit(item) for every item in the cells that the box of
    // half-width `reach` around p touches.
    template <class Visit>
    void visitNear(const Position& p, float reach, Visit visit) const
    {
        int64_t lo[3], hi[3];
        const float at[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k)
            if (!cell(at[k] - reach, lo[k]) || !cell(at[k] + reach, hi[k]))
                return;
        for (int64_t cx = lo[0]; cx <= hi[0]; ++cx)
            for (int64_t cy = lo[1]; cy <= hi[1]; ++cy)
                for (int64_t cz = lo[2]; cz <= hi[2]; ++cz)
                    for (int item = heads_[find(key(cx, cy, cz))]; item >= 0; item = next_[item])
                        visit(item);
    }

private:
    bool cell(float coordinate, int64_t& out) const
    {
        double q = std::floor(coordinate * inverse_);
        if (!(std::fabs(q) < 4e18))
            return false;
        out = static_cast<int64_t>(q);
        return true;
    }
    static uint64_t key(int64_t cx, int64_t cy, int64_t cz)
    {
        constexpr uint64_t bits = (1u << 21) - 1;
        return ((static_cast<uint64_t>(cx) & bits) << 42) | ((static_cast<uint64_t>(cy) & bits) << 21) |
               (static_cast<uint64_t>(cz) & bits);
    }
    // The slot holding `k`, or the empty slot where it would go.
    size_t find(uint64_t k) const
    {
        size_t slot = static_cast<size_t>((k * 0x9E3779B97F4A7C15ull) >> 32) & mask_;
        while (heads_[slot] >= 0 && keys_[slot] != k)
            slot = (slot + 1) & mask_;
        return slot;
    }

    std::vector<uint64_t> keys_;
    std::vector<int> heads_; // first item of each slot's chain, -1 when empty
    std::vector<int> next_;  // next item in the same cell
    size_t mask_ = 0;
    double inverse_;
};

struct PairCounts {
    int paired = 0, self = 0, unpaired = 0;
};

// Pairs items (vertices or faces, whose `mirror` has been cleared) by their
// positions `at`: first every item that is its own reflection, then each
// remaining item with the nearest free item at its reflection.
template <class T>
PairCounts pairAcross(const List<T*>& items, const std::vector<Position>& at, const MirrorPlane& plane, float tol)
{
    const int n = items.count();
    // Cells four times the tolerance keep most searches inside one cell.
    PointGrid grid(n, tol * 4.0f);
    for (int i = 0; i < n; ++i)
        if (at[i].finite())
            grid.insert(at[i], i);

    PairCounts counts;
    for (int i = 0; i < n; ++i) {
        if (at[i].finite() && within(reflect(plane, at[i]), at[i], tol)) {
            items[i]->mirror = items[i];
            ++counts.self;
        }
    }
    for (int i = 0; i < n; ++i) {
        if (items[i]->mirror || !at[i].finite())
            continue;
        const Position r = reflect(plane, at[i]);
        int best = -1;
        float bestDistance = 0.0f;
        grid.visitNear(r, tol, [&](int j) {
            if (j == i || items[j]->mirror || !within(at[j], r, tol))
                return;
            float d = axisDistance(at[j], r);
            if (best < 0 || d < bestDistance) {
                best = j;
                bestDistance = d;
            }
        });
        if (best >= 0) {
            items[i]->mirror = items[best];
            items[best]->mirror = items[i];
            counts.paired += 2;
        }
    }
    counts.unpaired = n - counts.paired - counts.self;
    return counts;
}

} // namespace

SymmetryCounts calculateSymmetry(InnerShape& mesh, const MirrorPlane& plane, float tolerance)
{
    const float tol = tolerance >= MinSymmetryTolerance ? tolerance : MinSymmetryTolerance;

    std::vector<Position> at;
    at.reserve(static_cast<size_t>(mesh.vertices.count()));
    for (Vertex* v : mesh.vertices) {
        v->mirror = nullptr;
        v->set2(Geometry::OnPlane, false);
        at.push_back({v->x, v->y, v->z});
    }
    const PairCounts vertexCounts = pairAcross(mesh.vertices, at, plane, tol);
    for (Vertex* v : mesh.vertices)
        if (v->mirror == v)
            v->set2(Geometry::OnPlane);

    at.clear();
    for (Face* f : mesh.faces) {
        f->mirror = nullptr;
        // A face without corners has no centre and stays unpaired.
        if (f->cornerCount() == 0) {
            at.push_back({NAN, NAN, NAN});
            continue;
        }
        Point3D c = f->centre();
        at.push_back({c.x, c.y, c.z});
    }
    const PairCounts faceCounts = pairAcross(mesh.faces, at, plane, tol);

    SymmetryCounts counts;
    counts.pairedVertices = vertexCounts.paired;
    counts.onPlaneVertices = vertexCounts.self;
    counts.unpairedVertices = vertexCounts.unpaired;
    counts.pairedFaces = faceCounts.paired;
    counts.selfFaces = faceCounts.self;
    counts.unpairedFaces = faceCounts.unpaired;
    return counts;
}

bool symmetryPlaneFromEdge(const Edge& edge, MirrorPlane& outPlane)
{
    if (!edge.startVertex || !edge.endVertex || edge.faces.empty())
        return false;
    const Point3D a(edge.startVertex->x, edge.startVertex->y, edge.startVertex->z);
    const Point3D b(edge.endVertex->x, edge.endVertex->y, edge.endVertex->z);
    const Point3D along = (b - a).normalized();
    if (along.length() == 0.0f)
        return false;

    Face* first = edge.faces[0];
    Face* second = InnerShape::otherFace(first, &edge);
    const Point3D n1 = first->computeNormal();
    Point3D normal;
    if (second) {
        // Mirrored normals differ only along the plane normal.
        const Point3D n2 = second->computeNormal();
        Point3D across = n1 - n2;
        across = across - along * across.dot(along);
        normal = across.length() > 1e-4f ? across.normalized() : along.cross(n1 + n2).normalized();
    } else {
        normal = along.cross(n1).normalized();
    }
    if (normal.length() == 0.0f)
        return false;
    outPlane.set(a, normal);
    return true;
}

bool calculateSymmetryFromEdge(InnerShape& mesh, const Edge& edge, float tolerance, SymmetryCounts& outCounts)
{
    MirrorPlane plane;
    if (!symmetryPlaneFromEdge(edge, plane))
        return false;
    mesh.mirrorPlane = plane;
    outCounts = calculateSymmetry(mesh, plane, tolerance);
    return true;
}
