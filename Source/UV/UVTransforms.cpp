#include "UVTransforms.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>
#include <utility>

#include "Mesh/Vertex.h"

namespace {

struct Bounds {
    float minU = INFINITY, minV = INFINITY, maxU = -INFINITY, maxV = -INFINITY;
    explicit Bounds(const List<Vertex*>& vertices)
    {
        for (const Vertex* v : vertices) {
            minU = std::min(minU, v->x);
            maxU = std::max(maxU, v->x);
            minV = std::min(minV, v->y);
            maxV = std::max(maxV, v->y);
        }
    }
    float centreU() const { return (minU + maxU) / 2; }
    float centreV() const { return (minV + maxV) / 2; }
};

// Moves each vertex through `map`: (u, v) -> (u, v).
template <class Map>
void transform(const List<Vertex*>& vertices, Map map)
{
    for (Vertex* v : vertices) {
        const auto [u, w] = map(v->x, v->y);
        v->x = u;
        v->y = w;
    }
}

} // namespace

void moveUVs(const List<Vertex*>& vertices, float du, float dv)
{
    transform(vertices, [&](float u, float v) { return std::pair{u + du, v + dv}; });
}

void rotateUVs(const List<Vertex*>& vertices, float degrees)
{
    const Bounds b(vertices);
    const float a = degrees * std::numbers::pi_v<float> / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    transform(vertices, [&](float u, float v) {
        const float du = u - b.centreU(), dv = v - b.centreV();
        return std::pair{b.centreU() + c * du - s * dv, b.centreV() + s * du + c * dv};
    });
}

void scaleUVsToUnitSquare(const List<Vertex*>& vertices, bool proportional)
{
    const Bounds b(vertices);
    const float width = b.maxU - b.minU, height = b.maxV - b.minV;
    float su = width > 0 ? 1 / width : 1, sv = height > 0 ? 1 / height : 1;
    if (proportional)
        su = sv = std::min(su, sv);
    transform(vertices, [&](float u, float v) {
        return std::pair{0.5f + (u - b.centreU()) * su, 0.5f + (v - b.centreV()) * sv};
    });
}

void mirrorUVs(const List<Vertex*>& vertices, MirrorAxis axis)
{
    const Bounds b(vertices);
    if (axis == MirrorAxis::U)
        transform(vertices, [&](float u, float v) { return std::pair{2 * b.centreU() - u, v}; });
    else
        transform(vertices, [&](float u, float v) { return std::pair{u, 2 * b.centreV() - v}; });
}

void mergeUVs(const List<Vertex*>& vertices)
{
    std::unordered_set<const Vertex*> seen;
    double sumU = 0, sumV = 0;
    for (const Vertex* v : vertices)
        if (seen.insert(v).second) {
            sumU += v->x;
            sumV += v->y;
        }
    if (seen.empty())
        return;
    const auto n = static_cast<double>(seen.size());
    transform(vertices, [&](float, float) { return std::pair{float(sumU / n), float(sumV / n)}; });
}
