#include "Lscm.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using Vec3 = std::array<double, 3>;

Vec3 sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 scaled(const Vec3& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }

template <class Real>
Vec3 positionOf(const LscmIsland<Real>& island, int i)
{
    const Real* p = island.positions.data() + 3 * static_cast<size_t>(i);
    return {static_cast<double>(p[0]), static_cast<double>(p[1]), static_cast<double>(p[2])};
}

template <class Real>
bool wellFormed(const LscmIsland<Real>& island, std::span<double> uvs)
{
    const size_t n = island.positions.size() / 3;
    if (island.positions.size() != 3 * n || uvs.size() != 2 * n)
        return false;
    if (!island.pinned.empty() && island.pinned.size() != n)
        return false;
    if (island.faceStarts.empty())
        return island.corners.empty();
    if (island.faceStarts.front() != 0 || island.faceStarts.back() != static_cast<int>(island.corners.size()))
        return false;
    for (size_t f = 0; f + 1 < island.faceStarts.size(); ++f) {
        if (island.faceStarts[f] > island.faceStarts[f + 1])
            return false;
    }
    for (int c : island.corners) {
        if (c < 0 || static_cast<size_t>(c) >= n)
            return false;
    }
    return true;
}

// The vertices of smallest and largest coordinate along the longest axis of
// the positions' bounding box.
template <class Real>
std::array<int, 2> extremeVertices(const LscmIsland<Real>& island, int n)
{
    Vec3 low = positionOf(island, 0), high = low;
    for (int i = 1; i < n; ++i) {
        const Vec3 p = positionOf(island, i);
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], p[a]);
            high[a] = std::max(high[a], p[a]);
        }
    }
    int axis = 0;
    for (int a = 1; a < 3; ++a) {
        if (high[a] - low[a] > high[axis] - low[axis])
            axis = a;
    }
    std::array<int, 2> extremes{0, 0};
    for (int i = 1; i < n; ++i) {
        const double c = island.positions[3 * static_cast<size_t>(i) + axis];
        if (c < island.positions[3 * static_cast<size_t>(extremes[0]) + axis])
            extremes[0] = i;
        if (c > island.positions[3 * static_cast<size_t>(extremes[1]) + axis])
            extremes[1] = i;
    }
    return extremes;
}

// The two rows of one triangle: its conformal energy in its own plane.
template <class Real>
void addTriangleRows(NlSystem& system, const LscmIsland<Real>& island, int i0, int i1, int i2)
{
    const Vec3 p0 = positionOf(island, i0);
    const Vec3 e1 = sub(positionOf(island, i1), p0);
    const Vec3 e2 = sub(positionOf(island, i2), p0);
    const double a = std::sqrt(dot(e1, e1));
    const Vec3 normal = cross(e1, e2);
    const double normalLength = std::sqrt(dot(normal, normal));
    if (!(a > 0.0) || !(normalLength > 0.0) || !std::isfinite(a * normalLength))
        return;
    const Vec3 x = scaled(e1, 1.0 / a);
    const Vec3 z = scaled(normal, 1.0 / normalLength);
    const Vec3 y = cross(z, x);
    const double c = dot(e2, x);
    const double d = dot(e2, y);

    const int u0 = 2 * i0, v0 = u0 + 1, u1 = 2 * i1, v1 = u1 + 1, u2 = 2 * i2, v2 = u2 + 1;
    system.beginRow();
    system.coefficient(u0, c - a);
    system.coefficient(v0, -d);
    system.coefficient(u1, -c);
    system.coefficient(v1, d);
    system.coefficient(u2, a);
    system.endRow();
    system.beginRow();
    system.coefficient(u0, d);
    system.coefficient(v0, c - a);
    system.coefficient(u1, -d);
    system.coefficient(v1, -c);
    system.coefficient(v2, a);
    system.endRow();
}

template <class Real>
bool unwrap(const LscmIsland<Real>& island, std::span<double> uvs, const LscmSettings& settings)
{
    if (!wellFormed(island, uvs))
        return false;
    const int n = static_cast<int>(uvs.size() / 2);
    if (n == 0)
        return true;

    std::vector<uint8_t> fixed(n, 0);
    int pinnedCount = 0;
    for (int i = 0; i < n && !island.pinned.empty(); ++i) {
        fixed[i] = island.pinned[i] != 0;
        pinnedCount += fixed[i];
    }
    std::vector<double> start(uvs.begin(), uvs.end());
    if (pinnedCount < 2 && n >= 2) {
        const auto [first, second] = extremeVertices(island, n);
        fixed[first] = fixed[second] = 1;
        if (first != second && start[2 * first] == start[2 * second] && start[2 * first + 1] == start[2 * second + 1]) {
            const Vec3 apart = sub(positionOf(island, second), positionOf(island, first));
            start[2 * second] += std::sqrt(dot(apart, apart));
        }
    }

    NlSystem system(2 * n);
    system.solver = settings.solver;
    system.maxIterations = settings.maxIterations >= 0 ? settings.maxIterations : 5 * n;
    for (int i = 0; i < n; ++i) {
        system.setVariable(2 * i, start[2 * i]);
        system.setVariable(2 * i + 1, start[2 * i + 1]);
        if (fixed[i]) {
            system.lockVariable(2 * i);
            system.lockVariable(2 * i + 1);
        }
    }
    system.beginMatrix();
    for (size_t f = 0; f + 1 < island.faceStarts.size(); ++f) {
        const int* face = island.corners.data() + island.faceStarts[f];
        const int count = island.faceStarts[f + 1] - island.faceStarts[f];
        for (int k = 1; k + 1 < count; ++k)
            addTriangleRows(system, island, face[0], face[k], face[k + 1]);
    }
    system.endMatrix();
    if (!system.solve())
        return false;
    for (int j = 0; j < 2 * n; ++j)
        uvs[j] = system.variable(j);
    return true;
}

} // namespace

bool unwrapLscm(const LscmIsland<double>& island, std::span<double> uvs, const LscmSettings& settings)
{
    return unwrap(island, uvs, settings);
}

bool unwrapLscm(const LscmIsland<float>& island, std::span<double> uvs, const LscmSettings& settings)
{
    return unwrap(island, uvs, settings);
}
