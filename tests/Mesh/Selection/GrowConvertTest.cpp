// Growing, shrinking and expanding the selection, and converting it
// between element kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Selection/WalkFixtures.h"

using namespace walkfixtures;

namespace {

// On a 5 × 5 grid the quad (i, j) is face j * 5 + i and the vertex (i, j) is j * 6 + i.
int quad(int i, int j) { return j * 5 + i; }
int corner(int i, int j) { return j * 6 + i; }

std::vector<int> block(int i0, int j0, int i1, int j1, int (*at)(int, int))
{
    std::vector<int> out;
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i)
            out.push_back(at(i, j));
    std::sort(out.begin(), out.end());
    return out;
}

TEST(GrowShrink, VerticesGrowAlongEdgesAndTheMeshBorderDoesNotShrink)
{
    MeshPtr grid = fixtures::openGrid(5, 5);
    grid->vertices[corner(0, 0)]->set(Geometry::Selected);
    growSelection(*grid, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*grid), (std::vector<int>{corner(0, 0), corner(1, 0), corner(0, 1)}));
    growSelection(*grid, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*grid).size(), 6u);
    shrinkSelection(*grid, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*grid).size(), 3u);
    for (Vertex* v : grid->vertices)
        v->set(Geometry::Selected);
    shrinkSelection(*grid, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*grid).size(), 36u);
}

TEST(GrowShrink, EdgesGrowBySharedVerticesAndShrinkBack)
{
    MeshPtr grid = fixtures::openGrid(5, 5);
    Edge* seed = selectEdge(*grid, corner(2, 2), corner(3, 2));
    growSelection(*grid, ElementKind::Edges);
    EXPECT_EQ(selectedEdges(*grid).size(), 7u);
    shrinkSelection(*grid, ElementKind::Edges);
    ASSERT_EQ(selectedEdges(*grid).size(), 1u);
    EXPECT_TRUE(seed->isSelected());
}

TEST(GrowShrink, HiddenAndExcludedElementsAreNeverSelectedNorEatIntoTheSelection)
{
    MeshPtr grid = fixtures::openGrid(5, 5);
    grid->faces[quad(2, 2)]->set(Geometry::Selected);
    grid->faces[quad(1, 1)]->set(Geometry::Hidden);
    grid->faces[quad(3, 3)]->flags2 |= 1 << 2;
    growSelection(*grid, ElementKind::Faces);
    EXPECT_FALSE(grid->faces[quad(1, 1)]->isSelected());
    EXPECT_FALSE(grid->faces[quad(3, 3)]->isSelected());
    EXPECT_EQ(selectedFaces(*grid).size(), 7u);
    expandSelection(*grid, ElementKind::Faces);
    EXPECT_EQ(selectedFaces(*grid).size(), 23u);
    shrinkSelection(*grid, ElementKind::Faces);
    EXPECT_EQ(selectedFaces(*grid).size(), 23u);
}

TEST(Expand, SelectsTheWholeConnectedPartOnly)
{
    MeshPtr two = fixtures::meshFrom(
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}, {2, 1, 0}, {5, 0, 0}, {6, 0, 0}, {6, 1, 0}},
        {{0, 1, 2, 3}, {1, 4, 5, 2}, {6, 7, 8}});
    two->vertices[0]->set(Geometry::Selected);
    expandSelection(*two, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*two), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    two->edges[0]->set(Geometry::Selected);
    expandSelection(*two, ElementKind::Edges);
    EXPECT_EQ(selectedEdges(*two).size(), 7u);
    two->faces[2]->set(Geometry::Selected);
    expandSelection(*two, ElementKind::Faces);
    EXPECT_EQ(selectedFaces(*two), std::vector<int>{2});
}

TEST(Convert, FacesToVerticesOrEdgesAndBackGiveTheFacesAgain)
{
    for (ElementKind middle : {ElementKind::Vertices, ElementKind::Edges}) {
        MeshPtr grid = fixtures::openGrid(5, 5);
        for (int f : block(1, 1, 2, 2, quad))
            grid->faces[f]->set(Geometry::Selected);
        convertSelection(*grid, ElementKind::Faces, middle);
        EXPECT_TRUE(selectedFaces(*grid).empty());
        if (middle == ElementKind::Vertices) {
            EXPECT_EQ(selectedVertices(*grid), block(1, 1, 3, 3, corner));
        } else {
            EXPECT_EQ(selectedEdges(*grid).size(), 12u);
        }
        convertSelection(*grid, middle, ElementKind::Faces);
        EXPECT_EQ(selectedFaces(*grid), block(1, 1, 2, 2, quad));
        EXPECT_TRUE(selectedVertices(*grid).empty());
        EXPECT_TRUE(selectedEdges(*grid).empty());
    }
}

TEST(Convert, VerticesToEdgesNeedBothEndsAndEdgesGiveTheirEnds)
{
    MeshPtr grid = fixtures::openGrid(5, 5);
    for (int v : {corner(0, 0), corner(1, 0), corner(1, 1), corner(4, 4)})
        grid->vertices[v]->set(Geometry::Selected);
    convertSelection(*grid, ElementKind::Vertices, ElementKind::Edges);
    EXPECT_EQ(selectedEdges(*grid).size(), 2u);
    convertSelection(*grid, ElementKind::Edges, ElementKind::Vertices);
    EXPECT_EQ(selectedVertices(*grid), (std::vector<int>{corner(0, 0), corner(1, 0), corner(1, 1)}));
}

TEST(Convert, AddsToTheTargetSelectionAndSkipsHiddenElements)
{
    MeshPtr grid = fixtures::openGrid(5, 5);
    grid->faces[quad(4, 4)]->set(Geometry::Selected);
    grid->faces[quad(0, 0)]->set(Geometry::Hidden);
    for (int v : block(0, 0, 2, 1, corner))
        grid->vertices[v]->set(Geometry::Selected);
    // The four sides of quad (3, 3).
    selectEdge(*grid, corner(3, 3), corner(4, 3));
    selectEdge(*grid, corner(4, 3), corner(4, 4));
    selectEdge(*grid, corner(4, 4), corner(3, 4));
    selectEdge(*grid, corner(3, 4), corner(3, 3));
    // Vertices, then edges, into faces: the union of what both imply.
    convertSelection(*grid, ElementKind::Vertices, ElementKind::Faces);
    convertSelection(*grid, ElementKind::Edges, ElementKind::Faces);
    EXPECT_EQ(selectedFaces(*grid), (std::vector<int>{quad(1, 0), quad(3, 3), quad(4, 4)}));
    EXPECT_TRUE(selectedVertices(*grid).empty());
    EXPECT_TRUE(selectedEdges(*grid).empty());
    convertSelection(*grid, ElementKind::Faces, ElementKind::Faces);
    EXPECT_EQ(selectedFaces(*grid).size(), 3u);
}

} // namespace
