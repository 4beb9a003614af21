// Which commands are steps of selection undo, and the walk commands reached
// through the scene.
#include "Scene/Selection/SelectionTestScene.h"

namespace {

constexpr int selectAll = 14, convertToVertices = 19, convertToFaces = 17, expand = 20, selectLoop = 56;
constexpr int selectRing = 179, grow = 235, shrink = 236, selectPath = 241, deselect = 188;
constexpr int undoSelection = 233;

class SelectionUndoTest : public SelectionTestScene {
protected:
    // The edge of the grid between two vertex positions of the grid's list.
    int edgeBetween(Shape& s, int a, int b) { return s.edges.indexOf(s.findEdge(s.vertices[a], s.vertices[b])); }
};

} // namespace

TEST_F(SelectionUndoTest, SelectionCommandsAreEachOneStepOfSelectionUndo)
{
    Shape* a = add(fixtures::openGrid(3, 3), true);
    const int before = scene.commandManager->selectionUndo.doneCount();
    for (int command : {34, selectAll, 43, 298, 299, 188})
        run(command);
    EXPECT_EQ(scene.commandManager->selectionUndo.doneCount(), before + 6);
    for (int command : {4, 11, 12, 84, 185, 186})
        run(command);
    EXPECT_EQ(scene.commandManager->selectionUndo.doneCount(), before + 6) << "no selection change, no record";
    EXPECT_FALSE(a->isHidden());
}

// One case per walk command, for the wiring: the walks themselves are
// checked on meshes. The 5 x 5 grid's vertices run row by row, 6 to a row;
// face 12 is the middle one, with corners 14, 15, 20 and 21.
TEST_F(SelectionUndoTest, WalkCommandsRunOnTheModesElements)
{
    Shape* g = add(fixtures::openGrid(5, 5), true);
    enter(Selection::EdgeMode);
    g->edges[edgeBetween(*g, 6, 7)]->set(Geometry::Selected);
    run(selectLoop);
    EXPECT_EQ(selectedOf(g->edges).size(), 5u);
    run(deselect);
    g->edges[edgeBetween(*g, 6, 7)]->set(Geometry::Selected);
    run(selectRing);
    EXPECT_EQ(selectedOf(g->edges).size(), 6u);
    enter(Selection::VertexMode);
    select(g->vertices, {0, 3});
    run(selectPath);
    EXPECT_EQ(selectedOf(g->vertices), (std::vector<int>{0, 1, 2, 3}));
    enter(Selection::FaceMode);
    select(g->faces, {12});
    run(grow);
    EXPECT_EQ(selectedOf(g->faces).size(), 9u);
    run(shrink);
    run(convertToVertices);
    EXPECT_EQ(selection().mode, Selection::VertexMode);
    EXPECT_EQ(selectedOf(g->vertices), (std::vector<int>{14, 15, 20, 21}));
    run(convertToFaces);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{12}));
    run(selectLoop); // one face: the whole connected part
    EXPECT_EQ(selectedOf(g->faces).size(), 25u);
    run(undoSelection);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{12}));
    run(expand);
    EXPECT_EQ(selectedOf(g->faces).size(), 25u);
}
