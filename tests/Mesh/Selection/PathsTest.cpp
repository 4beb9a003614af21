// Shortest paths between selected elements, checked against a plain
// quadratic Dijkstra over the same edges.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Selection/WalkFixtures.h"

using namespace walkfixtures;

namespace {

float length(const Edge* e) { return e->startVertex->distance(*e->endVertex); }

int positionOf(const InnerShape& mesh, const Vertex* v) { return mesh.vertices.indexOf(const_cast<Vertex*>(v)); }

// Distances from vertex `from` along edges between vertices that `allowed`
// admits (all when empty), by the textbook O(V²) method.
std::vector<float> distancesFrom(const InnerShape& mesh, int from, const std::vector<bool>& allowed = {})
{
    const int n = mesh.vertices.count();
    std::vector<float> d(n, std::numeric_limits<float>::infinity());
    std::vector<bool> done(n, false);
    d[from] = 0;
    for (int round = 0; round < n; ++round) {
        int u = -1;
        for (int i = 0; i < n; ++i)
            if (!done[i] && (u < 0 || d[i] < d[u]))
                u = i;
        if (u < 0 || d[u] == std::numeric_limits<float>::infinity())
            break;
        done[u] = true;
        for (const Edge* e : mesh.edges) {
            const int a = positionOf(mesh, e->startVertex), b = positionOf(mesh, e->endVertex);
            if (!allowed.empty() && (!allowed[a] || !allowed[b]))
                continue;
            if (a == u && d[u] + length(e) < d[b])
                d[b] = d[u] + length(e);
            if (b == u && d[u] + length(e) < d[a])
                d[a] = d[u] + length(e);
        }
    }
    return d;
}

std::vector<bool> selectedMask(const InnerShape& mesh)
{
    std::vector<bool> mask;
    for (const Vertex* v : mesh.vertices)
        mask.push_back(v->isSelected());
    return mask;
}

TEST(VertexPath, IsAShortestPathOnATorus)
{
    ShapePtr torus(take<Torus>(1.0f, 3.0f, 8, 12));
    const int a = 0, b = 29, c = 70;
    for (int i : {a, b, c})
        torus->vertices[i]->set(Geometry::Selected);
    ASSERT_TRUE(selectPath(*torus, ElementKind::Vertices));
    // Within the selected vertices alone each pair is as near as in the whole mesh.
    const std::vector<bool> mask = selectedMask(*torus);
    EXPECT_NEAR(distancesFrom(*torus, a, mask)[b], distancesFrom(*torus, a)[b], 1e-4f);
    EXPECT_NEAR(distancesFrom(*torus, b, mask)[c], distancesFrom(*torus, b)[c], 1e-4f);
}

TEST(VertexPath, GoesRoundHiddenVerticesAndNeedsTwoEnds)
{
    MeshPtr grid = fixtures::openGrid(4, 2);
    grid->vertices[5]->set(Geometry::Selected);
    EXPECT_FALSE(selectPath(*grid, ElementKind::Vertices));
    EXPECT_EQ(selectedVertices(*grid), std::vector<int>{5});
    grid->vertices[9]->set(Geometry::Selected);
    grid->vertices[7]->set(Geometry::Hidden);
    ASSERT_TRUE(selectPath(*grid, ElementKind::Vertices));
    EXPECT_FALSE(grid->vertices[7]->isSelected());
    EXPECT_EQ(selectedVertices(*grid).size(), 7u);
    EXPECT_NEAR(distancesFrom(*grid, 5, selectedMask(*grid))[9], 6.0f, 1e-5f);
}

TEST(EdgePath, JoinsTwoEdgesOfATorusByTheShortestRun)
{
    ShapePtr torus(take<Torus>(1.0f, 3.0f, 8, 12));
    Edge* from = torus->edges[0];
    Edge* to = torus->edges[100];
    from->set(Geometry::Selected);
    to->set(Geometry::Selected);
    ASSERT_TRUE(selectPath(*torus, ElementKind::Edges));
    float joined = 0;
    for (int i : selectedEdges(*torus))
        if (torus->edges[i] != from && torus->edges[i] != to)
            joined += length(torus->edges[i]);
    float best = std::numeric_limits<float>::infinity();
    for (const Vertex* p : {from->startVertex, from->endVertex}) {
        const std::vector<float> d = distancesFrom(*torus, positionOf(*torus, p));
        for (const Vertex* q : {to->startVertex, to->endVertex})
            best = std::min(best, d[positionOf(*torus, q)]);
    }
    EXPECT_NEAR(joined, best, 1e-4f);
}

TEST(FacePath, RunsStraightAlongAGridRowAndAvoidsHiddenFaces)
{
    MeshPtr grid = fixtures::openGrid(6, 3);
    grid->faces[6]->set(Geometry::Selected);
    grid->faces[11]->set(Geometry::Selected);
    ASSERT_TRUE(selectPath(*grid, ElementKind::Faces));
    EXPECT_EQ(selectedFaces(*grid), (std::vector<int>{6, 7, 8, 9, 10, 11}));
    MeshPtr blocked = fixtures::openGrid(6, 3);
    blocked->faces[6]->set(Geometry::Selected);
    blocked->faces[11]->set(Geometry::Selected);
    blocked->faces[8]->set(Geometry::Hidden);
    ASSERT_TRUE(selectPath(*blocked, ElementKind::Faces));
    EXPECT_FALSE(blocked->faces[8]->isSelected());
    EXPECT_EQ(selectedFaces(*blocked).size(), 8u); // round the hidden face through a neighbouring row
}

} // namespace
