#include "UV/Lscm.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <random>
#include <vector>

#include <Eigen/Core>
#include <gtest/gtest.h>

namespace {

struct Island {
    std::vector<double> positions;
    std::vector<int> faceStarts{0};
    std::vector<int> corners;
    std::vector<uint8_t> pinned;

    int vertexCount() const { return static_cast<int>(positions.size() / 3); }
    void addVertex(double x, double y, double z) { positions.insert(positions.end(), {x, y, z}); }
    void addFace(std::initializer_list<int> face)
    {
        corners.insert(corners.end(), face);
        faceStarts.push_back(static_cast<int>(corners.size()));
    }
    LscmIsland<double> view() const { return {positions, faceStarts, corners, pinned}; }
};

// A jittered saddle of columns x rows quads. `holes` are quads left out;
// with `hexagons`, every third quad in every second row is merged with its
// right neighbour into one six-cornered face.
Island saddle(int columns, int rows, unsigned seed, std::vector<std::pair<int, int>> holes = {}, bool hexagons = false)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-0.15, 0.15);
    Island island;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            island.addVertex(i + jitter(random), j + jitter(random), 0.2 * (i - columns / 2.0) * (j - rows / 2.0));
    auto at = [columns](int i, int j) { return j * (columns + 1) + i; };
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            if (std::find(holes.begin(), holes.end(), std::pair{i, j}) != holes.end())
                continue;
            if (hexagons && i % 3 == 0 && j % 2 == 0 && i + 1 < columns) {
                island.addFace({at(i, j), at(i + 1, j), at(i + 2, j), at(i + 2, j + 1), at(i + 1, j + 1), at(i, j + 1)});
                ++i;
                continue;
            }
            island.addFace({at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
        }
    }
    return island;
}

std::vector<double> randomUvs(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<double> uvs(2 * n);
    std::generate(uvs.begin(), uvs.end(), [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(random); });
    return uvs;
}

// Sum over fan triangles of |(q2 - q1) w0 + (q0 - q2) w1 + (q1 - q0) w2|^2,
// q being the triangle laid flat from its side lengths and angle, w the UVs
// as complex numbers: zero exactly when every triangle maps by a similarity.
double conformalEnergy(const Island& island, const std::vector<double>& uvs)
{
    auto p = [&](int i) { return Eigen::Vector3d(&island.positions[3 * i]); };
    auto w = [&](int i) { return std::complex<double>(uvs[2 * i], uvs[2 * i + 1]); };
    double energy = 0;
    for (size_t f = 0; f + 1 < island.faceStarts.size(); ++f) {
        const int* face = island.corners.data() + island.faceStarts[f];
        for (int k = 1; k + 1 < island.faceStarts[f + 1] - island.faceStarts[f]; ++k) {
            const Eigen::Vector3d e1 = p(face[k]) - p(face[0]), e2 = p(face[k + 1]) - p(face[0]);
            const std::complex<double> q0 = 0, q1 = e1.norm();
            const std::complex<double> q2 = std::polar(e2.norm(), std::acos(e1.dot(e2) / (e1.norm() * e2.norm())));
            energy += std::norm((q2 - q1) * w(face[0]) + (q0 - q2) * w(face[k]) + (q1 - q0) * w(face[k + 1]));
        }
    }
    return energy;
}

TEST(Lscm, DirectSolveMatchesConjugateGradientWithNoHigherEnergy)
{
    struct Case {
        const char* name;
        Island island;
        int pins; // random pinned vertices
    };
    Case cases[] = {
        {"saddle with a hole", saddle(6, 6, 1, {{2, 2}, {3, 2}, {2, 3}}), 0},
        {"small saddle", saddle(2, 3, 2), 1},
        {"hexagons", saddle(7, 4, 3, {}, true), 3},
        {"pinned saddle with holes", saddle(8, 5, 4, {{1, 1}, {5, 3}}), 2},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = c.island.vertexCount();
        c.island.pinned.assign(n, 0);
        std::mt19937 random(11);
        for (int k = 0; k < c.pins; ++k)
            c.island.pinned[std::uniform_int_distribution<int>(0, n - 1)(random)] = 1;
        const std::vector<double> start = randomUvs(n, 5);

        std::vector<double> direct = start, reference = start;
        ASSERT_TRUE(unwrapLscm(c.island.view(), direct));
        ASSERT_TRUE(unwrapLscm(c.island.view(), reference, {NlSolver::ConjugateGradient, -1}));
        for (int j = 0; j < 2 * n; ++j) {
            EXPECT_NEAR(direct[j], reference[j], 1e-6) << "variable " << j;
            if (c.island.pinned[j / 2])
                EXPECT_TRUE(direct[j] == start[j] && reference[j] == start[j]) << "pinned variable " << j;
        }
        EXPECT_LE(conformalEnergy(c.island, direct), conformalEnergy(c.island, reference) * (1 + 1e-9) + 1e-15);
        EXPECT_LT(conformalEnergy(c.island, direct), conformalEnergy(c.island, start));
    }
}

// With fewer than two pins the vertices of least and greatest coordinate
// along the longest bounding-box side are held as well; nothing else is.
TEST(Lscm, FewerThanTwoPinsHoldTheExtremesAlongTheLongestAxis)
{
    Island island = saddle(4, 9, 6); // longest along y
    const int n = island.vertexCount();
    std::vector<int> ids(n);
    std::iota(ids.begin(), ids.end(), 0);
    const auto [low, high] = std::minmax_element(ids.begin(), ids.end(), [&](int a, int b) {
        return island.positions[3 * a + 1] < island.positions[3 * b + 1];
    });
    const int lowest = *low, highest = *high;
    const std::vector<float> positions(island.positions.begin(), island.positions.end());
    for (int pinnedVertex : {-1, 17}) {
        island.pinned.assign(n, 0);
        if (pinnedVertex >= 0)
            island.pinned[pinnedVertex] = 1;
        const std::vector<double> start = randomUvs(n, 8);
        std::vector<double> uvs = start;
        ASSERT_TRUE(unwrapLscm(LscmIsland<float>{positions, island.faceStarts, island.corners, island.pinned}, uvs));
        for (int i = 0; i < n; ++i) {
            const bool kept = uvs[2 * i] == start[2 * i] && uvs[2 * i + 1] == start[2 * i + 1];
            EXPECT_EQ(kept, i == lowest || i == highest || i == pinnedVertex) << "vertex " << i;
        }
    }
}

// A half cylinder of flat rectangles, cut open, unrolls exactly: every
// side keeps its length up to one common scale and no triangle flips, even
// from UVs all at the origin.
TEST(Lscm, DevelopableStripUnrollsBySimilarityWithoutFlips)
{
    constexpr int Around = 12, Along = 5;
    Island island;
    for (int j = 0; j <= Along; ++j)
        for (int i = 0; i <= Around; ++i)
            island.addVertex(std::cos(M_PI * i / Around), std::sin(M_PI * i / Around), 0.3 * j);
    for (int j = 0; j < Along; ++j) {
        for (int i = 0; i < Around; ++i) {
            const int v = j * (Around + 1) + i;
            island.addFace({v, v + 1, v + Around + 2, v + Around + 1});
        }
    }
    auto w = [](const std::vector<double>& uvs, int i) { return std::complex<double>(uvs[2 * i], uvs[2 * i + 1]); };
    for (NlSolver solver : {NlSolver::Direct, NlSolver::ConjugateGradient}) {
        std::vector<double> uvs(2 * island.vertexCount(), 0.0);
        ASSERT_TRUE(unwrapLscm(island.view(), uvs, {solver, -1}));
        const double across = std::abs(w(uvs, 1) - w(uvs, 0)); // the chord 2 sin(pi / 2 Around), scaled
        const double scale = across / (2 * std::sin(M_PI / (2 * Around)));
        EXPECT_GT(scale, 0.1);
        for (size_t f = 0; f + 1 < island.faceStarts.size(); ++f) {
            const int* q = island.corners.data() + island.faceStarts[f];
            // Every rectangle stays the same rectangle, scaled, none mirrored.
            const std::complex<double> side = w(uvs, q[1]) - w(uvs, q[0]), up = w(uvs, q[3]) - w(uvs, q[0]);
            EXPECT_NEAR(std::abs(side), across, 1e-6) << "face " << f;
            EXPECT_NEAR(std::abs(up), scale * 0.3, 1e-6) << "face " << f;
            EXPECT_NEAR(std::arg(up / side), M_PI / 2, 1e-6) << "face " << f;
            EXPECT_NEAR(std::abs(w(uvs, q[2]) - w(uvs, q[0]) - side - up), 0.0, 1e-6) << "face " << f;
        }
    }
}

} // namespace
