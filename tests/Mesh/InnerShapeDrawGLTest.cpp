// Mesh drawing, checked by reading back a small framebuffer.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <tuple>
#include <utility>
#include <vector>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"
#include "support/GLTestSupport.h"

namespace {
using Points = std::vector<std::pair<float, float>>;

// A face (or hole) through the corners at z = 0, its vertices added to mesh.
Face* polygon(InnerShape& mesh, const Points& corners)
{
    Face* f = take<Face>();
    for (auto [x, y] : corners) {
        Vertex* v = take<Vertex>(x, y, 0.0f);
        mesh.addVertex(v);
        f->appendCorner(v);
    }
    f->computeNormal();
    return f;
}

// A 32 × 32 pixel framebuffer showing the square [0, 4] × [0, 4] of the XY
// plane, 8 pixels to a unit, cleared to black.
class InnerShapeDrawGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(frame_.open(32, 32));
        glViewport(0, 0, 32, 32);
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, 4, 0, 4, -4, 4);
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override { frame_.close(); }

    // The sum of the colour bytes drawn at the plane point (x, y).
    int level(float x, float y)
    {
        const std::vector<int> p = frame_.pixel(static_cast<int>(x * 8), static_cast<int>(y * 8));
        return p[0] + p[1] + p[2];
    }

    OffscreenFramebuffer frame_;
    InnerShape mesh_;
};

// Lit by a light along +z, a face shows bright when drawn with its own normal
// towards the light (corners counter-clockwise) and dim when turned away; it
// covers its inside only, even where a fan from its first corner would not.
TEST_F(InnerShapeDrawGLTest, EachFaceKindCoversItsOutlineLitByItsNormal)
{
    struct Row {
        Points outer, hole, in, out;
        bool facesLight;
    };
    const Points frame = {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 3.5f}, {0.5f, 3.5f}};
    const Row rows[] = {
        {{{1, 1}, {3, 1}, {1, 3}}, {}, {{1.2f, 1.2f}, {1.2f, 2.6f}}, {{2.5f, 2.5f}}, true},
        {{{1, 1}, {1, 3}, {3, 3}, {3, 1}}, {}, {{2, 2}, {1.1f, 2.9f}}, {{0.5f, 2}, {3.5f, 3.5f}}, false},
        {{{1, 0.5f}, {3, 0.5f}, {3.5f, 2}, {2, 3.5f}, {0.5f, 2}}, {}, {{2, 2}, {3.2f, 1.8f}}, {{0.6f, 3.4f}}, true},
        {{{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 1.5f}, {1.5f, 1.5f}, {1.5f, 3.5f}, {0.5f, 3.5f}}, {}, {{3, 1}, {1, 3}},
         {{2.5f, 2.5f}}, true},
        {frame, {{1.5f, 1.5f}, {2.5f, 1.5f}, {2.5f, 2.5f}, {1.5f, 2.5f}}, {{1, 1}, {3, 2}}, {{2, 2}}, true},
        {frame, {{1.5f, 1.5f}, {1.5f, 2.5f}, {2.5f, 2.5f}, {2.5f, 1.5f}}, {{1, 1}, {3, 2}}, {{2, 2}}, true},
    };
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0); // directional, along +z, white
    glEnable(GL_COLOR_MATERIAL);
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        InnerShape mesh;
        Face* f = polygon(mesh, row.outer);
        mesh.addFace(f);
        if (!row.hole.empty())
            f->holes.append(polygon(mesh, row.hole));
        glClear(GL_COLOR_BUFFER_BIT);
        mesh.drawFacesFlat(1, 1, 1, 1);
        for (auto [x, y] : row.in) {
            EXPECT_GT(level(x, y), 60) << x << ", " << y;
            EXPECT_EQ(level(x, y) > 600, row.facesLight) << x << ", " << y;
        }
        for (auto [x, y] : row.out)
            EXPECT_EQ(level(x, y), 0) << x << ", " << y;
    }
}

TEST_F(InnerShapeDrawGLTest, SelectedFaceEdgeAndVertexDrawHighlighted)
{
    // Sides through pixel centres, so that each line lands on one pixel row.
    constexpr float lo = 1.0625f, hi = 2.9375f;
    Face* f = polygon(mesh_, {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});
    mesh_.addFace(f);
    mesh_.buildEdges();
    // The element, a point it lights and one it leaves dark.
    const std::tuple<Geometry*, Points> rows[] = {
        {f, {{2, 2}, {0.5f, 0.5f}}},
        {mesh_.findEdge(mesh_.vertices[0], mesh_.vertices[1]), {{2, lo}, {2, 2}}},
        {mesh_.vertices[0], {{lo, lo}, {2, 2}}}};
    for (const auto& [element, at] : rows) {
        glClear(GL_COLOR_BUFFER_BIT);
        ASSERT_TRUE(element && mesh_.drawHighlight(element, -1));
        EXPECT_GT(level(at[0].first, at[0].second), 0) << element->kind();
        EXPECT_EQ(level(at[1].first, at[1].second), 0) << element->kind();
    }
}

// Everything a hidden mesh would draw is skipped: faces in every shading,
// edges, vertices and highlights.
TEST_F(InnerShapeDrawGLTest, HiddenMeshDrawsNothing)
{
    mesh_.addFace(polygon(mesh_, {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 3.5f}, {0.5f, 3.5f}}));
    mesh_.buildEdges();
    mesh_.set(Geometry::Hidden);
    const unsigned char white[3] = {255, 255, 255};
    mesh_.drawFacesFlat(1, 1, 1, 1);
    mesh_.drawFacesMaterial();
    mesh_.drawFacesSmooth();
    mesh_.drawEdges(white);
    mesh_.drawVertices();
    mesh_.drawHighlight(mesh_.faces[0], 0);
    for (float x : {0.5f, 2.0f, 3.5f})
        EXPECT_EQ(level(x, 0.5f) + level(x, x), 0) << x;
}
}
