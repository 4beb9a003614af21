// Soft-selection weights: each vertex weighs by its distance to the nearest
// selected vertex, measured in a straight line (through a k-d tree of the
// selected positions) or along the edges (Dijkstra from all of them at once,
// stopped at the radius). Hidden and excluded vertices weigh 0 unless
// selected themselves, and the surface distance does not pass through them
// nor along hidden edges.
#include <algorithm>
#include <cmath>
#include <vector>

#include "Mesh/Selection/ShortestPaths.h"
#include "Mesh/Selection/WalkSupport.h"

namespace {

struct Position {
    float c[3];
};

float squaredDistance(const Position& a, const Position& b)
{
    const float dx = a.c[0] - b.c[0], dy = a.c[1] - b.c[1], dz = a.c[2] - b.c[2];
    return dx * dx + dy * dy + dz * dz;
}

// A k-d tree kept implicitly in one array: the range [lo, hi) has its
// splitting point at the middle, split on axis depth % 3, the smaller
// coordinates before it and the larger after.
class NearestSeed {
public:
    explicit NearestSeed(std::vector<Position> points) : points_(std::move(points)) { build(0, points_.size(), 0); }

    // The distance from p to the nearest point when below `bound`, else `bound`.
    float distance(const Position& p, float bound) const
    {
        float best = bound * bound;
        search(0, points_.size(), 0, p, best);
        return std::sqrt(best);
    }

private:
    void build(size_t lo, size_t hi, int depth)
    {
        if (hi - lo < 2)
            return;
        const size_t mid = lo + (hi - lo) / 2;
        const int axis = depth % 3;
        std::nth_element(points_.begin() + lo, points_.begin() + mid, points_.begin() + hi,
                         [axis](const Position& a, const Position& b) { return a.c[axis] < b.c[axis]; });
        build(lo, mid, depth + 1);
        build(mid + 1, hi, depth + 1);
    }

    void search(size_t lo, size_t hi, int depth, const Position& p, float& best) const
    {
        if (lo >= hi)
            return;
        const size_t mid = lo + (hi - lo) / 2;
        best = std::min(best, squaredDistance(p, points_[mid]));
        const float offset = p.c[depth % 3] - points_[mid].c[depth % 3];
        const bool nearIsLow = offset < 0;
        search(nearIsLow ? lo : mid + 1, nearIsLow ? mid : hi, depth + 1, p, best);
        if (offset * offset < best)
            search(nearIsLow ? mid + 1 : lo, nearIsLow ? hi : mid, depth + 1, p, best);
    }

    std::vector<Position> points_;
};

// Marks (by vertex position) the vertices the selection of `kind` is made of.
std::vector<char> seedsOf(const InnerShape& mesh, ElementKind kind)
{
    std::vector<char> seed(mesh.vertices.count(), 0);
    auto mark = [&](const Vertex* v) { seed[v->tag] = 1; };
    auto markSelected = [&](const auto& list) {
        for (auto* e : list)
            if (e->isSelected())
                walks::forEachVertexOf(e, mark);
    };
    switch (kind) {
    case ElementKind::Vertices: markSelected(mesh.vertices); break;
    case ElementKind::Edges: markSelected(mesh.edges); break;
    case ElementKind::Faces: markSelected(mesh.faces); break;
    }
    return seed;
}

void sphericalWeights(const InnerShape& mesh, const std::vector<char>& seed, float radius, float falloff,
                      std::vector<float>& outWeights)
{
    std::vector<Position> points;
    for (int i = 0; i < mesh.vertices.count(); ++i)
        if (seed[i])
            points.push_back({{mesh.vertices[i]->x, mesh.vertices[i]->y, mesh.vertices[i]->z}});
    const NearestSeed nearest(std::move(points));
    for (int i = 0; i < mesh.vertices.count(); ++i) {
        const Vertex* v = mesh.vertices[i];
        if (!seed[i] && selectable(*v))
            outWeights[i] = softSelectionFalloff(nearest.distance({{v->x, v->y, v->z}}, radius), radius, falloff);
    }
}

void surfaceWeights(const InnerShape& mesh, const std::vector<char>& seed, float radius, float falloff,
                    std::vector<float>& outWeights)
{
    // The lists were built (vertices numbered) before the seeds were marked.
    const walks::VertexEdgeLists& lists = walks::VertexEdgeLists::scratch();
    walks::ShortestPaths& sp = walks::ShortestPaths::scratch();
    sp.prepare(mesh.vertices.count());
    sp.limit = radius;
    for (int i = 0; i < mesh.vertices.count(); ++i)
        if (seed[i])
            sp.addSource(i);
    for (int n; (n = sp.pop()) >= 0;) {
        const Vertex* v = mesh.vertices[n];
        if (!seed[n])
            outWeights[n] = softSelectionFalloff(sp.distance(n), radius, falloff);
        for (auto it = lists.begin(v); it != lists.end(v); ++it) {
            const Vertex* w = (*it)->otherVertex(v);
            if (!(*it)->isHidden() && selectable(*w))
                sp.relax(w->tag, sp.distance(n) + v->distance(*w), -1);
        }
    }
    sp.reset();
}

} // namespace

float softSelectionFalloff(float distance, float radius, float falloff)
{
    if (!(radius > 0.0f))
        return distance <= 0.0f ? 1.0f : 0.0f;
    const float t = std::clamp(distance / radius, 0.0f, 1.0f);
    const float eased = 1.0f - t * t * (3.0f - 2.0f * t);
    const float power = std::exp2((std::isfinite(falloff) ? std::clamp(falloff, -20.0f, 20.0f) : 1.0f) - 1.0f);
    return std::pow(eased, power);
}

void softSelectionWeights(const InnerShape& mesh, ElementKind kind, float radius, float falloff, bool surface,
                          std::vector<float>& outWeights)
{
    walks::VertexEdgeLists& lists = walks::VertexEdgeLists::scratch();
    if (surface && radius > 0.0f)
        lists.build(mesh);
    else
        walks::numberVertices(mesh);
    const std::vector<char> seed = seedsOf(mesh, kind);
    outWeights.assign(mesh.vertices.count(), 0.0f);
    for (size_t i = 0; i < seed.size(); ++i)
        if (seed[i])
            outWeights[i] = 1.0f;
    if (!(radius > 0.0f) || std::find(seed.begin(), seed.end(), 1) == seed.end())
        return;
    if (surface)
        surfaceWeights(mesh, seed, radius, falloff, outWeights);
    else
        sphericalWeights(mesh, seed, radius, falloff, outWeights);
}
