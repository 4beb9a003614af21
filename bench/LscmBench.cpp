// LSCM unwrapping of one open saddle of 250 x 400 quads (100,000 quads,
// 100,651 vertices), no pins, so the two extreme vertices along the longest
// axis are held at their starting UVs (the planar x, y).
//
// lscm-100k: Tavo's unwrapLscm from the flat arrays to the stored UVs,
// against the same least-squares system solved the plain Eigen way: the
// triangle rows assembled into a sparse matrix over the free variables, the
// normal equations formed by sparse products, SimplicialLDLT with its default
// ordering. Both sides are timed from the input arrays to the UVs.
//
// The sides must agree on every UV. Tavo's conjugate-gradient solve is timed
// once, on stderr only.
#include <cmath>
#include <cstdio>
#include <vector>

#include <Eigen/Geometry>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include "Comparison.h"
#include "UV/Lscm.h"

namespace {

constexpr int Columns = 400;
constexpr int Rows = 250;

struct Surface {
    std::vector<double> positions;
    std::vector<int> faceStarts{0};
    std::vector<int> corners;
    std::vector<double> startUvs;
    int held[2]; // the two vertices the no-pin rule holds
};

const Surface& saddle()
{
    static const Surface s = [] {
        Surface m;
        for (int j = 0; j <= Rows; ++j) {
            for (int i = 0; i <= Columns; ++i) {
                const double x = 2.0 * i / Columns - 1.0, y = (2.0 * j / Rows - 1.0) * Rows / Columns;
                m.positions.insert(m.positions.end(), {x, y, 0.5 * (x * x - y * y)});
                m.startUvs.insert(m.startUvs.end(), {x, y});
            }
        }
        for (int j = 0; j < Rows; ++j) {
            for (int i = 0; i < Columns; ++i) {
                const int v = j * (Columns + 1) + i;
                m.corners.insert(m.corners.end(), {v, v + 1, v + Columns + 2, v + Columns + 1});
                m.faceStarts.push_back(static_cast<int>(m.corners.size()));
            }
        }
        // Longest along x: the first vertices of least and greatest x.
        m.held[0] = 0;
        m.held[1] = Columns;
        return m;
    }();
    return s;
}

std::vector<double>& result(int side)
{
    static std::vector<double> results[2];
    return results[side];
}

// The side that finishes second must agree with the first to 1e-6.
bool agrees(int side)
{
    const std::vector<double>& mine = result(side);
    const std::vector<double>& other = result(1 - side);
    if (other.empty())
        return true;
    for (size_t j = 0; j < mine.size(); ++j) {
        if (!(std::abs(mine[j] - other[j]) <= 1e-6))
            return false;
    }
    return true;
}

bool runTavo(Sample& outSample)
{
    const Surface& s = saddle();
    std::vector<double> uvs = s.startUvs;
    Stopwatch clock;
    const bool ok = unwrapLscm(LscmIsland<double>{s.positions, s.faceStarts, s.corners, {}}, uvs);
    outSample.seconds = clock.seconds();
    result(0) = std::move(uvs);
    return ok && agrees(0);
}

bool runEigen(Sample& outSample)
{
    const Surface& s = saddle();
    const int n = static_cast<int>(s.startUvs.size() / 2);
    std::vector<double> uvs = s.startUvs;
    Stopwatch clock;

    // Variables 2i, 2i + 1 are u, v of vertex i; the held ones are eliminated.
    std::vector<int> freeIndex(2 * n);
    int freeCount = 0;
    for (int i = 0; i < n; ++i) {
        const bool held = i == s.held[0] || i == s.held[1];
        freeIndex[2 * i] = held ? -1 : freeCount++;
        freeIndex[2 * i + 1] = held ? -1 : freeCount++;
    }
    std::vector<Eigen::Triplet<double>> entries;
    std::vector<double> rhs;
    auto addRow = [&](std::initializer_list<std::pair<int, double>> row) {
        const int r = static_cast<int>(rhs.size());
        double b = 0;
        for (auto [variable, a] : row) {
            if (freeIndex[variable] >= 0)
                entries.emplace_back(r, freeIndex[variable], a);
            else
                b -= a * uvs[variable];
        }
        rhs.push_back(b);
    };
    for (size_t f = 0; f + 1 < s.faceStarts.size(); ++f) {
        const int* face = s.corners.data() + s.faceStarts[f];
        for (int k = 1; k + 1 < s.faceStarts[f + 1] - s.faceStarts[f]; ++k) {
            const int i0 = face[0], i1 = face[k], i2 = face[k + 1];
            const Eigen::Vector3d p0(&s.positions[3 * i0]);
            const Eigen::Vector3d e1 = Eigen::Vector3d(&s.positions[3 * i1]) - p0;
            const Eigen::Vector3d e2 = Eigen::Vector3d(&s.positions[3 * i2]) - p0;
            const Eigen::Vector3d x = e1.normalized();
            const Eigen::Vector3d z = x.cross(e2).normalized();
            const Eigen::Vector3d y = z.cross(x);
            const double a = e1.norm(), c = e2.dot(x), d = e2.dot(y);
            addRow({{2 * i0, c - a}, {2 * i0 + 1, -d}, {2 * i1, -c}, {2 * i1 + 1, d}, {2 * i2, a}});
            addRow({{2 * i0, d}, {2 * i0 + 1, c - a}, {2 * i1, -d}, {2 * i1 + 1, -c}, {2 * i2 + 1, a}});
        }
    }
    Eigen::SparseMatrix<double> matrix(static_cast<int>(rhs.size()), freeCount);
    matrix.setFromTriplets(entries.begin(), entries.end());
    const Eigen::SparseMatrix<double> normal = matrix.transpose() * matrix;
    const Eigen::VectorXd right = matrix.transpose() * Eigen::Map<const Eigen::VectorXd>(rhs.data(), rhs.size());
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(normal);
    const Eigen::VectorXd solution = factor.solve(right);
    for (int j = 0; j < 2 * n; ++j) {
        if (freeIndex[j] >= 0)
            uvs[j] = solution[freeIndex[j]];
    }
    outSample.seconds = clock.seconds();

    result(1) = std::move(uvs);
    return factor.info() == Eigen::Success && agrees(1);
}

// The conjugate-gradient reference, timed once on stderr.
bool runTavoConjugateGradient(Sample& outSample)
{
    static bool timed = false;
    if (!timed) {
        timed = true;
        const Surface& s = saddle();
        std::vector<double> uvs = s.startUvs;
        Stopwatch clock;
        const bool ok = unwrapLscm(LscmIsland<double>{s.positions, s.faceStarts, s.corners, {}}, uvs,
                                   {NlSolver::ConjugateGradient, -1});
        const double seconds = clock.seconds();
        double worst = 0;
        for (size_t j = 0; j < uvs.size() && !result(0).empty(); ++j)
            worst = std::max(worst, std::abs(uvs[j] - result(0)[j]));
        std::fprintf(stderr, "lscm-100k conjugate gradient: %.3f s (%s), largest difference from the direct solve %.3g\n",
                     seconds, ok ? "solved" : "failed", worst);
    }
    return runEigen(outSample);
}

const bool registered = registerComparison({"lscm-100k", "ldlt", runTavo, runTavoConjugateGradient});

} // namespace
