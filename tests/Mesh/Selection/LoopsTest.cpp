// Edge loops, face loops and edge rings on the catalogue's shapes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Selection/WalkFixtures.h"

using namespace walkfixtures;

namespace {

// The selected edges as "start-end" vertex positions, in edge-list order.
std::string selectedText(const InnerShape& m)
{
    std::string out;
    for (int i : selectedEdges(m))
        out += (out.empty() ? "" : " ") + std::to_string(m.vertices.indexOf(m.edges[i]->startVertex)) + "-" +
               std::to_string(m.vertices.indexOf(m.edges[i]->endVertex));
    return out;
}

// Three triangles that meet only at vertex 0, and a loose edge elsewhere.
MeshPtr triangleFan()
{
    MeshPtr m = fixtures::meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {-1, 0, 0}, {-1, 1, 0}, {0, -1, 0}, {1, -1, 0},
                                    {5, 5, 0}, {6, 5, 0}},
                                   {{0, 1, 2}, {0, 3, 4}, {0, 5, 6}});
    m->addEdge(take<Edge>(m->vertices[7], m->vertices[8]));
    return m;
}

// Loops seeded by one edge, that end where the walk rules say: the count of
// edges selected, or the edges themselves.
TEST(EdgeLoop, RunsAsFarAsTheRulesAllow)
{
    struct Case {
        const char* what;
        std::function<MeshPtr()> make;
        int a, b; // the seed edge's vertex positions
        size_t edges;
        std::string exact = "";
    };
    // Cylinders list their vertices in columns of two: 0-2 is a bottom rim edge.
    const Case cases[] = {
        {"pole to pole of a sphere", [] { return MeshPtr(take<Sphere>(1.0f, 8, 4)); }, 0, 1, 4},
        {"round the border of an open tube", [] { return openTube(8, 2); }, 0, 1, 8},
        {"round the middle of an open tube", [] { return openTube(8, 2); }, 8, 9, 8},
        {"round the corners of a grid border", [] { return fixtures::openGrid(3, 2); }, 0, 1, 10},
        // With spokes each rim vertex has four edges and the rim is a loop;
        // without them the n-sided cap leaves three, and the loop ends at once.
        {"round a spoked cylinder's rim", [] { return MeshPtr(take<Cylinder>(1.0f, 2.0f, 8, 1, true)); }, 0, 2, 8},
        {"nowhere on a capped cylinder's rim", [] { return MeshPtr(take<Cylinder>(1.0f, 2.0f, 8, 1, false)); }, 0, 2, 1},
        // (1,1) has five edges; (4,1) is a border vertex reached along an inner edge.
        {"to a vertex touching a triangle", [] { return gridWithTriangle(4, 4, 1, 1); }, 7, 8, 3},
        // Round one triangle's border: at vertex 0 four other border edges
        // go on, so the border stops there.
        {"round one of three triangles meeting at a vertex", triangleFan, 0, 3, 3, "0-3 3-4 4-0"},
    };
    for (const Case& c : cases) {
        MeshPtr m = c.make();
        selectEdge(*m, c.a, c.b);
        selectEdgeLoops(*m);
        EXPECT_EQ(selectedEdges(*m).size(), c.edges) << c.what;
        EXPECT_EQ(c.exact.empty() ? "" : selectedText(*m), c.exact) << c.what;
    }
}

// Three quads fanned round the border vertex 0; its edges to the ray ends
// 1 … 4 come in that order in the edge list.
MeshPtr borderFan()
{
    return fixtures::meshFrom({{0, 0, 0}, {2, 0, 0}, {1, 2, 0}, {-1, 2, 0}, {-2, 0, 0}, {2, 1, 0}, {0, 2.5f, 0}, {-2, 1, 0}},
                              {{0, 1, 5, 2}, {0, 2, 6, 3}, {0, 3, 7, 4}});
}

// Moves the edge at position `from` to position `to` of the edge list.
void moveEdge(InnerShape& mesh, int from, int to)
{
    std::vector<Edge*> order(mesh.edges.begin(), mesh.edges.end());
    Edge* e = order[from];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, e);
    mesh.edges.clear();
    for (Edge* x : order)
        mesh.edges.append(x);
}

TEST(EdgeLoop, TakesTheFirstQualifyingEdgeInEdgeListOrder)
{
    // From the border edge 0-1 two edges at vertex 0 share no face with it:
    // 0-3 and 0-4; the one earlier in the edge list carries the loop on.
    MeshPtr fan = borderFan();
    Edge* toThree = fan->findEdge(fan->vertices[0], fan->vertices[3]);
    selectEdge(*fan, 0, 1);
    selectEdgeLoops(*fan);
    EXPECT_TRUE(toThree->isSelected());
    MeshPtr swapped = borderFan();
    Edge* toFour = swapped->findEdge(swapped->vertices[0], swapped->vertices[4]);
    moveEdge(*swapped, swapped->edges.indexOf(toFour), 0);
    selectEdge(*swapped, 0, 1);
    selectEdgeLoops(*swapped);
    EXPECT_FALSE(swapped->findEdge(swapped->vertices[0], swapped->vertices[3])->isSelected());
}

TEST(EdgeLoop, CountsEdgesWithoutFacesAtAVertex)
{
    // A wire edge makes the border vertex 1 a vertex of four edges; first in
    // the list and faceless, it carries the loop on instead of the border.
    MeshPtr grid = fixtures::openGrid(2, 1);
    Vertex* below = take<Vertex>(1.0f, -1.0f, 0.0f);
    grid->addVertex(below);
    grid->addEdge(take<Edge>(grid->vertices[1], below));
    moveEdge(*grid, grid->edges.count() - 1, 0);
    selectEdge(*grid, 0, 1);
    selectEdgeLoops(*grid);
    EXPECT_TRUE(grid->edges[0]->isSelected());
}

TEST(EdgeLoop, NeverSelectsOrCrossesAHiddenEdge)
{
    MeshPtr tube = openTube(8, 2);
    Edge* hidden = tube->findEdge(tube->vertices[12], tube->vertices[13]);
    hidden->set(Geometry::Hidden);
    Edge* excluded = tube->findEdge(tube->vertices[9], tube->vertices[10]);
    excluded->flags2 |= 1 << 2;
    selectEdge(*tube, 10, 11);
    selectEdgeLoops(*tube);
    EXPECT_FALSE(hidden->isSelected());
    EXPECT_FALSE(excluded->isSelected());
    EXPECT_EQ(selectedEdges(*tube).size(), 2u); // 10-11 and 11-12
}

TEST(FaceLoop, GoesRoundATubeStopsAtTrianglesAndBordersAndNeedsAdjacentFaces)
{
    MeshPtr tube = openTube(8, 2);
    tube->faces[0]->set(Geometry::Selected);
    tube->faces[1]->set(Geometry::Selected);
    selectFaceLoops(*tube);
    EXPECT_EQ(selectedFaces(*tube), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    MeshPtr grid = gridWithTriangle(4, 4, 1, 1);
    // Quads are numbered row by row; the split quad became faces 5 and 6.
    auto quadAt = [&](int i, int j) { return grid->faces[j * 4 + i + (j > 1 || (j == 1 && i > 1) ? 1 : 0)]; };
    quadAt(3, 0)->set(Geometry::Selected);
    quadAt(3, 1)->set(Geometry::Selected);
    selectFaceLoops(*grid);
    EXPECT_EQ(selectedFaces(*grid).size(), 4u);
    for (int j = 0; j < 4; ++j)
        EXPECT_TRUE(quadAt(3, j)->isSelected());
    MeshPtr blocked = gridWithTriangle(4, 4, 1, 1);
    auto blockedQuad = [&](int i, int j) { return blocked->faces[j * 4 + i + 1]; };
    blockedQuad(1, 2)->set(Geometry::Selected);
    blockedQuad(1, 3)->set(Geometry::Selected);
    blocked->faces[0]->set(Geometry::Selected); // apart from the others: adds nothing
    selectFaceLoops(*blocked);
    EXPECT_EQ(selectedFaces(*blocked).size(), 3u);
}

TEST(EdgeRing, StopsAtTrianglesBordersAndHiddenFaces)
{
    MeshPtr grid = gridWithTriangle(4, 4, 1, 1);
    selectEdge(*grid, 8, 13); // (3,1)-(3,2)
    selectEdgeRings(*grid);
    EXPECT_EQ(selectedEdges(*grid).size(), 3u);
    EXPECT_TRUE(grid->findEdge(grid->vertices[7], grid->vertices[12])->isSelected());
    EXPECT_TRUE(grid->findEdge(grid->vertices[9], grid->vertices[14])->isSelected());
    MeshPtr row = fixtures::openGrid(5, 1);
    row->faces[2]->set(Geometry::Hidden);
    selectEdge(*row, 0, 6);
    selectEdgeRings(*row);
    EXPECT_EQ(selectedEdges(*row).size(), 3u); // x = 0, 1 and 2: not across the hidden quad
    MeshPtr tube = openTube(8, 1);
    Edge* hidden = tube->findEdge(tube->vertices[4], tube->vertices[12]);
    hidden->set(Geometry::Hidden);
    selectEdge(*tube, 0, 8);
    selectEdgeRings(*tube);
    EXPECT_EQ(selectedEdges(*tube).size(), 7u);
    EXPECT_FALSE(hidden->isSelected());
}

} // namespace
