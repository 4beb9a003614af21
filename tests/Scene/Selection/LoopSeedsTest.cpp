// Loops and rings start from the selection lists of every active object, and
// an object with edges without faces still gets the exact loop rule.
#include "Scene/Selection/SelectionTestScene.h"

using fixtures::listed;

namespace {

using LoopSeedsTest = SelectionTestScene;

constexpr int selectLoop = 56, selectRing = 179;

Edge* edgeOf(Shape* s, int a, int b) { return s->findEdge(s->vertices[a], s->vertices[b]); }

} // namespace

TEST_F(LoopSeedsTest, EachActiveObjectWalksFromItsOwnSelectedEdges)
{
    // Two 3 x 3 grids (vertex j * 4 + i); the second has a wire edge at its
    // vertex 6, which then has five edges and ends the loop there.
    Shape* plain = add(fixtures::openGrid(3, 3), true);
    Shape* wired = add(fixtures::openGrid(3, 3), true);
    Vertex* extra = take<Vertex>(1.0f, 1.0f, 1.0f);
    wired->addVertex(extra);
    wired->addEdge(take<Edge>(wired->vertices[6], extra));
    enter(Selection::EdgeMode);
    for (Shape* s : {plain, wired})
        edgeOf(s, 5, 6)->set(Geometry::Selected);
    run(selectLoop);
    EXPECT_TRUE(edgeOf(plain, 4, 5)->isSelected() && edgeOf(plain, 6, 7)->isSelected());
    EXPECT_TRUE(edgeOf(wired, 4, 5)->isSelected() && !edgeOf(wired, 6, 7)->isSelected());
    EXPECT_EQ(selection().selectedEdges.count(), 3 + 2);
    // The edges the walks added sit where a rebuild from the flags puts them.
    const std::vector<Edge*> kept = listed(selection().selectedEdges);
    selection().refreshDisplay();
    EXPECT_EQ(kept, listed(selection().selectedEdges));
    run(selectRing);
    for (Shape* s : {plain, wired})
        EXPECT_TRUE(edgeOf(s, 1, 2)->isSelected() && edgeOf(s, 13, 14)->isSelected());
}

TEST_F(LoopSeedsTest, StaleListPositionsFallBackToARebuild)
{
    Shape* grid = add(fixtures::openGrid(3, 3), true);
    enter(Selection::EdgeMode);
    edgeOf(grid, 5, 6)->set(Geometry::Selected);
    edgeOf(grid, 13, 14)->set(Geometry::Selected);
    // Two edges the walks add change places without a renumber.
    std::swap(grid->edges[grid->edges.indexOf(edgeOf(grid, 4, 5))], grid->edges[grid->edges.indexOf(edgeOf(grid, 12, 13))]);
    run(selectLoop);
    const std::vector<Edge*> kept = listed(selection().selectedEdges);
    EXPECT_EQ(kept.size(), 12u + 3u) << "the whole border and the middle row";
    selection().refreshDisplay();
    EXPECT_EQ(kept, listed(selection().selectedEdges));
}
