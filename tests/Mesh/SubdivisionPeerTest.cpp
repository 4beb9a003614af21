// Every level against OpenSubdiv's uniform Catmull-Clark refinement with
// infinitely sharp creases and sharp boundaries. Both follow the same rules
// wherever no vertex has exactly one creased edge; positions are compared as
// point sets, since the two order their vertices differently.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include <opensubdiv/far/primvarRefiner.h>
#include <opensubdiv/far/topologyDescriptor.h>
#include <opensubdiv/far/topologyRefinerFactory.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

using namespace OpenSubdiv;
constexpr int Levels = 3;
constexpr float Tolerance = 1e-5f;

struct TestMesh {
    std::vector<fixtures::Point> points;
    std::vector<std::vector<int>> faces;
    std::vector<std::pair<int, int>> creases; // vertex pairs
};

struct PeerPoint {
    float p[3];
    void Clear() { p[0] = p[1] = p[2] = 0.0f; }
    void AddWithWeight(const PeerPoint& src, float w)
    {
        for (int k = 0; k < 3; ++k)
            p[k] += w * src.p[k];
    }
};

// Positions of levels 0 … Levels from OpenSubdiv, one list per level.
std::vector<std::vector<PeerPoint>> peerLevels(const TestMesh& m)
{
    std::vector<int> counts, indices, creasePairs;
    for (const auto& f : m.faces) {
        counts.push_back(static_cast<int>(f.size()));
        indices.insert(indices.end(), f.begin(), f.end());
    }
    for (auto [a, b] : m.creases) {
        creasePairs.push_back(a);
        creasePairs.push_back(b);
    }
    std::vector<float> sharpness(m.creases.size(), Sdc::Crease::SHARPNESS_INFINITE);
    Far::TopologyDescriptor desc;
    desc.numVertices = static_cast<int>(m.points.size());
    desc.numFaces = static_cast<int>(m.faces.size());
    desc.numVertsPerFace = counts.data();
    desc.vertIndicesPerFace = indices.data();
    desc.numCreases = static_cast<int>(m.creases.size());
    desc.creaseVertexIndexPairs = creasePairs.data();
    desc.creaseWeights = sharpness.data();
    Sdc::Options options;
    options.SetVtxBoundaryInterpolation(Sdc::Options::VTX_BOUNDARY_EDGE_ONLY);
    using Factory = Far::TopologyRefinerFactory<Far::TopologyDescriptor>;
    std::unique_ptr<Far::TopologyRefiner> refiner(
        Factory::Create(desc, Factory::Options(Sdc::SCHEME_CATMARK, options)));
    refiner->RefineUniform(Far::TopologyRefiner::UniformOptions(Levels));

    std::vector<std::vector<PeerPoint>> levels(Levels + 1);
    for (const auto& p : m.points)
        levels[0].push_back({{p.x, p.y, p.z}});
    Far::PrimvarRefiner primvar(*refiner);
    for (int level = 1; level <= Levels; ++level) {
        levels[level].resize(static_cast<size_t>(refiner->GetLevel(level).GetNumVertices()));
        const PeerPoint* src = levels[level - 1].data();
        PeerPoint* dst = levels[level].data();
        primvar.Interpolate(level, src, dst);
    }
    return levels;
}

ShapePtr tavoShape(const TestMesh& m)
{
    MeshPtr mesh = fixtures::meshFrom(m.points, m.faces);
    for (auto [a, b] : m.creases)
        mesh->findEdge(mesh->vertices[a], mesh->vertices[b])->set(Geometry::Creased);
    ShapePtr s(take<Shape>(*mesh));
    for (int level = 1; level <= Levels; ++level)
        EXPECT_TRUE(s->levelStack.stepUp());
    return s;
}

// Every point of `ours` pairs with a distinct peer point within the tolerance.
::testing::AssertionResult samePointSet(const InnerShape& ours, const std::vector<PeerPoint>& peer)
{
    if (ours.vertices.count() != static_cast<int>(peer.size()))
        return ::testing::AssertionFailure()
            << ours.vertices.count() << " vertices against the peer's " << peer.size();
    std::vector<char> used(peer.size(), 0);
    for (const Vertex* v : ours.vertices) {
        bool found = false;
        for (size_t i = 0; i < peer.size() && !found; ++i) {
            const float* p = peer[i].p;
            if (!used[i] && std::fabs(v->x - p[0]) <= Tolerance && std::fabs(v->y - p[1]) <= Tolerance &&
                std::fabs(v->z - p[2]) <= Tolerance) {
                used[i] = 1;
                found = true;
            }
        }
        if (!found)
            return ::testing::AssertionFailure() << "no peer point at (" << v->x << ", " << v->y << ", " << v->z << ")";
    }
    return ::testing::AssertionSuccess();
}

void expectLikePeer(const TestMesh& m)
{
    const auto peer = peerLevels(m);
    ShapePtr s = tavoShape(m);
    ASSERT_EQ(s->levelStack.maxBuiltLevel(), Levels);
    for (int level = 1; level <= Levels; ++level) {
        const InnerShape& mesh = *s->levelStack.levelMesh(level);
        EXPECT_TRUE(samePointSet(mesh, peer[level])) << "level " << level;
        EXPECT_EQ(validateTopology(mesh), "") << "level " << level;
    }
}

TestMesh torus(int around, int tube)
{
    TestMesh m;
    for (int i = 0; i < around; ++i) {
        const float a = 2.0f * static_cast<float>(M_PI) * i / around;
        for (int j = 0; j < tube; ++j) {
            const float b = 2.0f * static_cast<float>(M_PI) * j / tube;
            const float r = 2.0f + 0.6f * std::cos(b);
            m.points.push_back({r * std::cos(a), r * std::sin(a), 0.6f * std::sin(b)});
        }
    }
    auto at = [&](int i, int j) { return (i % around) * tube + j % tube; };
    for (int i = 0; i < around; ++i)
        for (int j = 0; j < tube; ++j)
            m.faces.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
    return m;
}

// A grid of quads over a bumpy height field, so that no level is planar.
TestMesh bumpyGrid(int side)
{
    TestMesh m;
    for (int j = 0; j <= side; ++j)
        for (int i = 0; i <= side; ++i)
            m.points.push_back({static_cast<float>(i), static_cast<float>(j), 0.3f * std::sin(1.3f * i + 0.7f * j)});
    const int stride = side + 1;
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i)
            m.faces.push_back({j * stride + i, j * stride + i + 1, (j + 1) * stride + i + 1, (j + 1) * stride + i});
    return m;
}

// A pentagonal prism whose top is a fan of triangles to an apex.
TestMesh prismWithApex()
{
    TestMesh m;
    for (int i = 0; i < 5; ++i) {
        const float a = 2.0f * static_cast<float>(M_PI) * i / 5;
        m.points.push_back({std::cos(a), std::sin(a), 0});
    }
    for (int i = 0; i < 5; ++i) {
        const float a = 2.0f * static_cast<float>(M_PI) * i / 5 + 0.2f;
        m.points.push_back({1.2f * std::cos(a), 1.2f * std::sin(a), 1});
    }
    m.points.push_back({0.1f, 0, 1.8f});
    m.faces.push_back({4, 3, 2, 1, 0});
    for (int i = 0; i < 5; ++i) {
        const int n = (i + 1) % 5;
        m.faces.push_back({i, n, 5 + n, 5 + i});
        m.faces.push_back({5 + i, 5 + n, 10});
    }
    return m;
}

TEST(SubdivisionPeer, SmoothMeshes)
{
    const std::pair<const char*, TestMesh> meshes[] = {
        {"cube",
         {{{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
          {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}},
          {}}},
        {"open grid", bumpyGrid(4)},
        {"torus", torus(8, 6)},
        {"triangles, quads and n-gons", prismWithApex()},
        {"open mixed polygons",
         {{{0, 0, 0}, {2, 0, 0.5f}, {3, 1, 0}, {2, 2, -0.5f}, {0, 2, 0}, {-1, 1, 0.25f}, {2, -1, 0}, {0, -1, 0},
           {4, 0, 1}, {-2, 2, 0}},
          {{0, 1, 2, 3, 4, 5}, {0, 7, 6, 1}, {1, 8, 2}, {4, 9, 5}},
          {}}},
    };
    for (const auto& [name, mesh] : meshes) {
        SCOPED_TRACE(name);
        expectLikePeer(mesh);
    }
}

// A creased loop around a torus, and a crease across an open mesh from boundary to boundary.
TEST(SubdivisionPeer, CreasedMeshes)
{
    TestMesh loop = torus(8, 6);
    for (int j = 0; j < 6; ++j)
        loop.creases.push_back({j, (j + 1) % 6});
    TestMesh across = bumpyGrid(4);
    for (int i = 0; i < 4; ++i)
        across.creases.push_back({2 * 5 + i, 2 * 5 + i + 1});
    for (const TestMesh* m : {&loop, &across}) {
        SCOPED_TRACE(m == &loop ? "torus loop" : "grid crossing");
        expectLikePeer(*m);
    }
}

} // namespace
