// "Undo Selection" and "Redo Selection" after the selection commands: the
// mode and the elements come back, hidden ones never; and the walks reached
// through the scene (loop, ring, path, grow, shrink, convert) on a grid.
#include "Scene/SelectionTestScene.h"

#include <algorithm>

namespace {

constexpr int selectAll = 14, convertToVertices = 19, convertToFaces = 17, expand = 20, selectLoop = 56;
constexpr int selectRing = 179, grow = 235, shrink = 236, selectPath = 241, deselect = 188;
constexpr int undoSelection = 233, redoSelection = 234;

class SelectionUndoTest : public SelectionTestScene {
protected:
    // The edge of the grid between two vertex positions of the grid's list.
    int edgeBetween(Shape& s, int a, int b) { return s.edges.indexOf(s.findEdge(s.vertices[a], s.vertices[b])); }
};

} // namespace

TEST_F(SelectionUndoTest, UndoAndRedoSelectionSwapTheModeAndTheElements)
{
    Shape* a = add(fixtures::cube(), true);
    enter(Selection::FaceMode);
    select(a->faces, {1, 3});
    run(selectAll);
    enter(Selection::EdgeMode);

    run(undoSelection);
    EXPECT_EQ(selection().mode, Selection::FaceMode);
    EXPECT_EQ(selectedOf(a->faces).size(), 6u);
    EXPECT_EQ(selection().selectedFaces.count(), 6);
    run(undoSelection);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{1, 3}));
    EXPECT_EQ(selectedOf(a->edges), std::vector<int>{}) << "geometry untouched, nothing else selected";

    run(redoSelection);
    run(redoSelection);
    EXPECT_EQ(selection().mode, Selection::EdgeMode);
    EXPECT_TRUE(selectedOf(a->faces).empty());
    ASSERT_EQ(selection().activeObjects.count(), 1);
}

TEST_F(SelectionUndoTest, UndoNeverSelectsWhatHasBeenHiddenSince)
{
    Shape* a = add(fixtures::cube(), true);
    enter(Selection::FaceMode);
    select(a->faces, {0, 1});
    run(deselect);
    a->faces[0]->set(Geometry::Hidden);
    a->faces[1]->flags2 |= 1 << 2;
    select(a->faces, {4});
    run(selectAll);
    a->faces[4]->set(Geometry::Hidden);
    run(undoSelection);
    EXPECT_EQ(selectedOf(a->faces), std::vector<int>{}) << "face 4 is hidden now";
    run(undoSelection);
    EXPECT_EQ(selectedOf(a->faces), std::vector<int>{});
}

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

// The grid's vertices are numbered row by row, 5 to a row (4 x 4 quads).
TEST_F(SelectionUndoTest, LoopRingAndPathRunOnTheSelectedEdges)
{
    Shape* g = add(fixtures::openGrid(4, 4), true);
    enter(Selection::EdgeMode);
    g->edges[edgeBetween(*g, 6, 7)]->set(Geometry::Selected);
    run(selectLoop);
    std::vector<int> row;
    for (int i = 5; i < 9; ++i)
        row.push_back(edgeBetween(*g, i, i + 1));
    std::sort(row.begin(), row.end());
    EXPECT_EQ(selectedOf(g->edges), row);

    run(deselect);
    g->edges[edgeBetween(*g, 6, 7)]->set(Geometry::Selected);
    run(selectRing);
    std::vector<int> rungs;
    for (int j = 0; j < 5; ++j)
        rungs.push_back(edgeBetween(*g, 5 * j + 1, 5 * j + 2));
    std::sort(rungs.begin(), rungs.end());
    EXPECT_EQ(selectedOf(g->edges), rungs);

    enter(Selection::VertexMode);
    select(g->vertices, {0, 3});
    run(selectPath);
    EXPECT_EQ(selectedOf(g->vertices), (std::vector<int>{0, 1, 2, 3}));
}

// 5 x 5 quads: face 12 is the middle one, with corners 14, 15, 20 and 21.
TEST_F(SelectionUndoTest, GrowShrinkExpandAndConvertWorkOnTheModesElements)
{
    Shape* g = add(fixtures::openGrid(5, 5), true);
    enter(Selection::FaceMode);
    select(g->faces, {12});
    run(grow);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{6, 7, 8, 11, 12, 13, 16, 17, 18}));
    run(shrink);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{12}));

    run(convertToVertices);
    EXPECT_EQ(selection().mode, Selection::VertexMode);
    EXPECT_EQ(selectedOf(g->vertices), (std::vector<int>{14, 15, 20, 21}));
    EXPECT_TRUE(selectedOf(g->faces).empty());
    run(convertToFaces);
    EXPECT_EQ(selection().mode, Selection::FaceMode);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{12}));

    run(selectLoop); // one face: the whole connected part
    EXPECT_EQ(selectedOf(g->faces).size(), 25u);
    run(undoSelection);
    EXPECT_EQ(selectedOf(g->faces), (std::vector<int>{12}));
    run(expand);
    EXPECT_EQ(selectedOf(g->faces).size(), 25u);
}
