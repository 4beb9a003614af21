// The four topology invariants after buildEdges and rebuildTopology, over
// the fixture catalogue and randomly damaged edge sets.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "Mesh/Pool.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

using namespace fixtures;

namespace {
struct NamedMesh {
    const char* name;
    std::function<MeshPtr()> make;
};

const std::vector<NamedMesh>& catalogue()
{
    static const std::vector<NamedMesh> meshes = {
        {"grid", [] { return openGrid(7, 5); }},
        {"cube", [] { return cube(); }},
        {"octagon", [] { return ngon(8); }},
        {"quadWithHole", quadWithHole},
        {"fold", fold},
        {"nonManifold", nonManifold},
        {"withDegenerate", withDegenerate},
        {"mixedPolygons", mixedPolygons},
    };
    return meshes;
}
} // namespace

// Running either builder again gives the same edge count: corners get fresh edges.
TEST(TopologyBuild, BuildersKeepInvariantsOnEveryFixture)
{
    for (const auto& [name, make] : catalogue()) {
        MeshPtr m = make();
        EXPECT_EQ(validateTopology(*m), "") << name;
        const int edges = m->edges.count();
        m->buildEdges();
        EXPECT_EQ(validateTopology(*m), "") << name << " after buildEdges";
        EXPECT_EQ(m->edges.count(), edges) << name;
        m->rebuildTopology(true);
        EXPECT_EQ(validateTopology(*m), "") << name << " after rebuildTopology";
        EXPECT_EQ(m->edges.count(), edges) << name;
    }
}

TEST(TopologyBuild, TheFirstFaceToUseASideDecidesItsDirection)
{
    MeshPtr m = twoQuads();
    ASSERT_EQ(m->edges.count(), 7);
    Edge* shared = m->findEdge(m->vertices[1], m->vertices[4]);
    ASSERT_NE(shared, nullptr);
    // First use decides direction: the left quad walks 1 → 4.
    EXPECT_EQ(shared->startVertex, m->vertices[1]);
    EXPECT_EQ(InnerShape::otherFace(m->faces[0], shared), m->faces[1]);
    EXPECT_EQ(InnerShape::otherFace(m->faces[0], m->faces[0]->corners[0].edge), nullptr);
}

TEST(TopologyBuild, WireEdgesStayAtTheFrontInOrder)
{
    MeshPtr m = twoQuads();
    Vertex* extra = take<Vertex>(5, 5, 5);
    m->addVertex(extra);
    Edge* wireA = take<Edge>(m->vertices[0], extra);
    Edge* wireB = take<Edge>(m->vertices[2], extra);
    m->addEdge(wireA);
    m->addEdge(wireB);
    m->buildEdges();
    ASSERT_EQ(m->edges.count(), 9);
    EXPECT_EQ(m->edges[0], wireA);
    EXPECT_EQ(m->edges[1], wireB);
    EXPECT_EQ(validateTopology(*m), "");
    // Without faces only the change count moves.
    MeshPtr wire(take<InnerShape>());
    wire->addVertex(take<Vertex>(0, 0, 0));
    wire->addVertex(take<Vertex>(1, 0, 0));
    wire->addEdge(take<Edge>(wire->vertices[0], wire->vertices[1]));
    int before = wire->changeCount;
    wire->buildEdges();
    EXPECT_EQ(wire->changeCount, before + 1);
    EXPECT_EQ(wire->edges.count(), 1);
}

TEST(TopologyBuild, RebuildMergesDuplicateEdgesAndFillsMissingOnes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        MeshPtr m = openGrid(6, 4);
        const int expected = m->edges.count();
        // Damage: drop some corner edges, and point others at fresh duplicates.
        for (Face* f : m->faces)
            for (Corner& c : f->corners) {
                int roll = static_cast<int>(random() % 4);
                if (roll == 0) {
                    c.edge = nullptr;
                } else if (roll == 1) {
                    Edge* dup = take<Edge>(c.edge->endVertex, c.edge->startVertex);
                    m->addEdge(dup);
                    c.edge = dup;
                }
            }
        for (Edge* e : m->edges)
            e->set(Geometry::Boundary, round % 2);
        m->rebuildTopology(true);
        EXPECT_EQ(validateTopology(*m), "") << "round " << round;
        EXPECT_EQ(m->edges.count(), expected) << "round " << round;
    }
    // A corner edge joining the wrong vertices is repaired too.
    MeshPtr m = twoQuads();
    m->faces[0]->corners[0].edge = m->faces[1]->corners[2].edge;
    m->rebuildTopology(true);
    EXPECT_EQ(validateTopology(*m), "");
    EXPECT_EQ(m->edges.count(), 7);
}

TEST(TopologyBuild, CornersNamingForeignVerticesAreLeftWithoutEdges)
{
    MeshPtr m = twoQuads();
    Vertex stray(9, 9, 9);
    stray.tag = 1 << 30; // whatever an earlier algorithm left there
    m->faces[1]->corners[1].vertex = &stray;
    m->faces[1]->corners[1].edge = nullptr;
    m->buildEdges();
    EXPECT_EQ(m->faces[1]->corners[1].edge, nullptr);
    EXPECT_EQ(m->faces[1]->corners[0].edge, nullptr); // its side ends at the stray vertex
    EXPECT_NE(m->faces[0]->corners[0].edge, nullptr);
    m->rebuildTopology(true);
    EXPECT_NE(m->faces[0]->corners[1].edge, nullptr);
}
