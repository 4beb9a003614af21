// Soft-selection weights: the falloff curve, straight and surface distance.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Selection/WalkFixtures.h"

using namespace walkfixtures;

namespace {

TEST(SoftFalloff, IsOneAtTheSelectionZeroFromTheRadiusAndNeverRises)
{
    for (float falloff : {-1.0f, 0.0f, 0.5f, 1.0f, 2.0f, 3.5f}) {
        EXPECT_FLOAT_EQ(softSelectionFalloff(0.0f, 2.0f, falloff), 1.0f);
        EXPECT_FLOAT_EQ(softSelectionFalloff(2.0f, 2.0f, falloff), 0.0f);
        EXPECT_FLOAT_EQ(softSelectionFalloff(7.0f, 2.0f, falloff), 0.0f);
        float previous = 1.0f;
        for (int k = 1; k < 40; ++k) {
            const float d = 0.05f * k;
            const float w = softSelectionFalloff(d, 2.0f, falloff);
            EXPECT_GT(w, 0.0f) << "falloff " << falloff << " d " << d;
            EXPECT_LE(w, previous) << "falloff " << falloff << " d " << d;
            previous = w;
        }
    }
    // A larger falloff draws the weights in towards the selection.
    EXPECT_LT(softSelectionFalloff(1.0f, 2.0f, 2.0f), softSelectionFalloff(1.0f, 2.0f, 1.0f));
    EXPECT_LT(softSelectionFalloff(1.0f, 2.0f, 1.0f), softSelectionFalloff(1.0f, 2.0f, 0.0f));
}

TEST(SoftWeights, FollowTheStraightDistanceToTheNearestSelectedVertex)
{
    MeshPtr grid = fixtures::openGrid(12, 12);
    const Vertex* a = grid->vertices[3 * 13 + 3];
    const Vertex* b = grid->vertices[9 * 13 + 8];
    grid->vertices[3 * 13 + 3]->set(Geometry::Selected);
    grid->vertices[9 * 13 + 8]->set(Geometry::Selected);
    std::vector<float> w;
    softSelectionWeights(*grid, ElementKind::Vertices, 4.0f, 1.0f, false, w);
    ASSERT_EQ(int(w.size()), grid->vertices.count());
    for (int i = 0; i < grid->vertices.count(); ++i) {
        const float d = std::min(grid->vertices[i]->distance(*a), grid->vertices[i]->distance(*b));
        EXPECT_NEAR(w[i], softSelectionFalloff(d, 4.0f, 1.0f), 1e-6f) << "vertex " << i;
    }
}

TEST(SoftWeights, AlongTheSurfaceAreNoLargerAndZeroAcrossAGap)
{
    // A U: the tips of its arms are 2 apart in a straight line, 8 along the strip.
    MeshPtr u = strip({{0, 3, 0}, {0, 2, 0}, {0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {2, 3, 0}});
    u->vertices[0]->set(Geometry::Selected);
    const int otherTip = 16;
    std::vector<float> straight, surface;
    softSelectionWeights(*u, ElementKind::Vertices, 4.0f, 1.0f, false, straight);
    softSelectionWeights(*u, ElementKind::Vertices, 4.0f, 1.0f, true, surface);
    EXPECT_GT(straight[otherTip], 0.0f);
    EXPECT_EQ(surface[otherTip], 0.0f);
    EXPECT_NEAR(surface[2], softSelectionFalloff(1.0f, 4.0f, 1.0f), 1e-6f);
    EXPECT_NEAR(surface[6], softSelectionFalloff(3.0f, 4.0f, 1.0f), 1e-6f);
    for (size_t i = 0; i < surface.size(); ++i)
        EXPECT_LE(surface[i], straight[i] + 1e-6f) << "vertex " << i;
}

TEST(SoftWeights, StartFromTheVerticesOfSelectedEdgesAndFaces)
{
    MeshPtr grid = fixtures::openGrid(4, 4);
    grid->faces[0]->set(Geometry::Selected);
    std::vector<float> w;
    softSelectionWeights(*grid, ElementKind::Faces, 1.5f, 1.0f, true, w);
    for (int v : {0, 1, 5, 6})
        EXPECT_EQ(w[v], 1.0f);
    EXPECT_NEAR(w[2], softSelectionFalloff(1.0f, 1.5f, 1.0f), 1e-6f);
    EXPECT_EQ(w[24], 0.0f);
    selectEdge(*grid, 12, 13);
    softSelectionWeights(*grid, ElementKind::Edges, 1.0f, 1.0f, false, w);
    EXPECT_EQ(std::count(w.begin(), w.end(), 1.0f), 2);
}

TEST(SoftWeights, WithoutRadiusOnlyTheSelectionWeighs)
{
    MeshPtr grid = fixtures::openGrid(3, 3);
    grid->vertices[5]->set(Geometry::Selected);
    for (bool surface : {false, true}) {
        std::vector<float> w;
        softSelectionWeights(*grid, ElementKind::Vertices, 0.0f, 1.0f, surface, w);
        std::vector<float> expected(16, 0.0f);
        expected[5] = 1.0f;
        EXPECT_EQ(w, expected);
    }
}

TEST(SoftWeights, HiddenVerticesWeighNothingAndBlockTheSurface)
{
    // A strip along X: vertices 2k and 2k + 1 stand at x = k.
    MeshPtr line = strip({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
    line->vertices[0]->set(Geometry::Selected);
    line->vertices[2]->set(Geometry::Hidden);
    line->vertices[3]->set(Geometry::Hidden);
    std::vector<float> straight, surface;
    softSelectionWeights(*line, ElementKind::Vertices, 5.0f, 1.0f, false, straight);
    softSelectionWeights(*line, ElementKind::Vertices, 5.0f, 1.0f, true, surface);
    EXPECT_EQ(straight[2], 0.0f);
    EXPECT_GT(straight[4], 0.0f);
    EXPECT_GT(surface[1], 0.0f);
    EXPECT_EQ(surface[2], 0.0f);
    EXPECT_EQ(surface[4], 0.0f);
}

} // namespace
