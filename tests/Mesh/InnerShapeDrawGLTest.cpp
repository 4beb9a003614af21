// Mesh drawing, checked by reading back a small framebuffer, and the face
// tessellator, checked against the faces' areas.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "Mesh/DisplaySettings.h"
#include "Mesh/FaceTessellator.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Material.h"
#include "Mesh/MaterialGL.h"
#include "Mesh/Pool.h"
#include "support/GLTestSupport.h"

namespace {
using XY = std::pair<float, float>;

// Adds the corners at z = 0 to a new face (or hole) of mesh, creating vertices.
Face* polygon(InnerShape& mesh, const std::vector<XY>& corners)
{
    Face* f = take<Face>();
    for (const XY& c : corners) {
        Vertex* v = take<Vertex>(c.first, c.second, 0.0f);
        v->normal[2] = 1.0f;
        mesh.addVertex(v);
        f->appendCorner(v);
    }
    f->computeNormal();
    return f;
}

Face* addFace(InnerShape& mesh, const std::vector<XY>& corners)
{
    Face* f = polygon(mesh, corners);
    mesh.addFace(f);
    return f;
}

// Adds the unit square with lower-left corner (x, y) as a face.
Face* addSquare(InnerShape& mesh, float x, float y)
{
    return addFace(mesh, {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}});
}

// Restores the bound display settings that a test changes.
struct DisplaySettingsGuard {
    MeshDisplaySettings saved = meshDisplaySettings();
    ~DisplaySettingsGuard() { meshDisplaySettings() = saved; }
};

Face* addFaceWithHole(InnerShape& mesh, const std::vector<XY>& outer, const std::vector<XY>& hole)
{
    Face* f = addFace(mesh, outer);
    f->holes.append(polygon(mesh, hole));
    mesh.buildEdges();
    return f;
}

// A 32 × 32 pixel framebuffer showing the square [0, 4] × [0, 4] of the XY
// plane, 8 pixels to a unit, cleared to black, lighting off.
class InnerShapeDrawGLTest : public ::testing::Test {
protected:
    static constexpr int Size = 32;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(frame_.open(Size, Size));
        ASSERT_NE(frame_.context()->format().profile(), QSurfaceFormat::CoreProfile);
        glViewport(0, 0, Size, Size);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 4, 0, 4, -4, 4);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3f(1, 1, 1);
    }

    void TearDown() override { frame_.close(); }

    // The colour drawn at the plane point (x, y), as bytes.
    std::vector<int> pixel(float x, float y)
    {
        std::vector<int> rgb = frame_.pixel(static_cast<int>(x * 8), static_cast<int>(y * 8));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        return rgb;
    }

    bool covered(float x, float y)
    {
        std::vector<int> p = pixel(x, y);
        return p[0] + p[1] + p[2] > 0;
    }

    OffscreenFramebuffer frame_;
    InnerShape mesh_;
};

// Filled faces cover their inside and nothing more: a quad, a pentagon, an L
// that a fan from its first corner would overfill, and holes of either winding.
TEST_F(InnerShapeDrawGLTest, FacesCoverTheirInsideOnly)
{
    using Points = std::vector<XY>;
    struct Row {
        Points outer, hole, in, out;
    };
    const Points frame = {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 3.5f}, {0.5f, 3.5f}};
    const Row rows[] = {
        {{{1, 1}, {3, 1}, {3, 3}, {1, 3}}, {}, {{2, 2}, {1.1f, 2.9f}}, {{0.5f, 2}, {3.5f, 3.5f}}},
        {{{1, 0.5f}, {3, 0.5f}, {3.5f, 2}, {2, 3.5f}, {0.5f, 2}}, {}, {{2, 2}, {2, 3.2f}, {3.2f, 1.8f}},
         {{0.6f, 3.4f}, {3.4f, 3.4f}}},
        {{{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 1.5f}, {1.5f, 1.5f}, {1.5f, 3.5f}, {0.5f, 3.5f}}, {}, {{3, 1}, {1, 3}},
         {{2.5f, 2.5f}}},
        {frame, {{1.5f, 1.5f}, {2.5f, 1.5f}, {2.5f, 2.5f}, {1.5f, 2.5f}}, {{1, 1}, {3, 2}}, {{2, 2}}},
        {frame, {{1.5f, 1.5f}, {1.5f, 2.5f}, {2.5f, 2.5f}, {2.5f, 1.5f}}, {{1, 1}, {3, 2}}, {{2, 2}}},
    };
    int k = 0;
    for (const Row& row : rows) {
        InnerShape mesh;
        if (!row.hole.empty())
            addFaceWithHole(mesh, row.outer, row.hole);
        else
            addFace(mesh, row.outer);
        glClear(GL_COLOR_BUFFER_BIT);
        mesh.drawFacesFlat(1, 1, 1, 1);
        for (const XY& p : row.in)
            EXPECT_TRUE(covered(p.first, p.second)) << "row " << k << " at " << p.first << ", " << p.second;
        for (const XY& p : row.out)
            EXPECT_FALSE(covered(p.first, p.second)) << "row " << k << " at " << p.first << ", " << p.second;
        ++k;
    }
}

// A face drawn by its index shows the exact bytes given, as picking needs.
TEST_F(InnerShapeDrawGLTest, HiddenFacesAreNotDrawnAndFacesByIndexInTheExactColour)
{
    addSquare(mesh_, 0.5f, 0.5f);
    addSquare(mesh_, 2.5f, 2.5f)->set(Geometry::Hidden);
    addSquare(mesh_, 2.5f, 0.5f);
    mesh_.drawFacesFlat(1, 1, 1, 1);
    mesh_.drawFacesMaterial();
    mesh_.drawFacesSmooth();
    EXPECT_TRUE(covered(1, 1));
    EXPECT_FALSE(covered(3, 3));
    glClear(GL_COLOR_BUFFER_BIT);
    const unsigned char id[3] = {12, 200, 77};
    for (int index : {1, 3, -1, 2})
        mesh_.drawFace(index, id);
    EXPECT_FALSE(covered(1, 1));
    EXPECT_FALSE(covered(3, 3));
    EXPECT_EQ(pixel(3, 1), (std::vector<int>{12, 200, 77}));
}

TEST_F(InnerShapeDrawGLTest, EachFaceShowsItsOwnMaterial)
{
    Material red, blue;
    red.diffuse[1] = red.diffuse[2] = blue.diffuse[0] = blue.diffuse[1] = 0;
    red.diffuse[0] = blue.diffuse[2] = 1;
    addSquare(mesh_, 0.5f, 0.5f)->material = &red;
    addSquare(mesh_, 2.5f, 0.5f)->material = &blue;
    addSquare(mesh_, 0.5f, 2.5f)->material = &red;
    addSquare(mesh_, 2.5f, 2.5f)->material = nullptr;
    mesh_.drawFacesMaterial();
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(pixel(3, 1), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(pixel(1, 3), (std::vector<int>{255, 0, 0}));
    int grey = static_cast<int>(std::lround(Material::defaultMaterial()->diffuse[0] * 255));
    EXPECT_NEAR(pixel(3, 3)[0], grey, 1);
}

TEST_F(InnerShapeDrawGLTest, EdgesAreDrawnAsLinesAndHiddenEdgesSkipped)
{
    // Sides through pixel centres, so that each line lands on one pixel row.
    constexpr float lo = 1.0625f, hi = 2.9375f;
    addFace(mesh_, {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});
    mesh_.buildEdges();
    ASSERT_EQ(mesh_.edges.count(), 4);
    for (Edge* e : mesh_.edges)
        if (e->startVertex->y == hi && e->endVertex->y == hi)
            e->set(Geometry::Hidden);
    const unsigned char white[3] = {255, 255, 255};
    mesh_.drawEdges(white);
    EXPECT_TRUE(covered(2, lo));
    EXPECT_TRUE(covered(lo, 2));
    EXPECT_FALSE(covered(2, 2));
    EXPECT_FALSE(covered(2, hi));
}

TEST_F(InnerShapeDrawGLTest, HighlightRefusesElementsNotInTheMeshAndWrongIndices)
{
    Face* f = addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    mesh_.buildEdges();
    InnerShape other;
    Face* stranger = addFace(other, {{0, 0}, {1, 0}, {1, 1}});
    Point3D point(1, 1, 1);
    const std::pair<Geometry*, int> accepted[] = {{f, 0}, {f, -1}, {mesh_.vertices[2], 2}, {mesh_.edges[3], -1}};
    const std::pair<Geometry*, int> refused[] = {{stranger, -1}, {other.vertices[0], 0}, {mesh_.vertices[2], 1},
                                                 {mesh_.edges[0], 4}, {f, 1}, {nullptr, -1}, {&point, -1}};
    for (const auto& [element, index] : accepted)
        EXPECT_TRUE(mesh_.drawHighlight(element, index)) << index;
    for (const auto& [element, index] : refused)
        EXPECT_FALSE(mesh_.drawHighlight(element, index)) << index;
}

TEST_F(InnerShapeDrawGLTest, HighlightsUseTheHighlightSettingsAndRestoreTheState)
{
    Face* f = addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    DisplaySettingsGuard guard;
    const float red[3] = {1, 0, 0};
    std::copy(red, red + 3, meshDisplaySettings().highlightColour);
    meshDisplaySettings().highlightAlpha = 0.5f;
    meshDisplaySettings().highlightPointSize = 8.0f;
    EXPECT_TRUE(mesh_.drawHighlight(f, 0));
    std::vector<int> p = pixel(2, 2);
    EXPECT_NEAR(p[0], 128, 2);
    EXPECT_EQ(p[1], 0);
    EXPECT_FALSE(covered(0.5f, 0.5f));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_TRUE(mesh_.drawHighlight(mesh_.vertices[0], 0));
    EXPECT_TRUE(covered(1.3f, 1.3f));
    EXPECT_TRUE(covered(0.7f, 0.7f));
    EXPECT_FALSE(covered(2, 2));
    float size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}

TEST_F(InnerShapeDrawGLTest, HighlightWithSymmetryDrawsTheMirrorPartnerToo)
{
    Face* left = addSquare(mesh_, 0.5f, 1);
    Face* right = addSquare(mesh_, 2.5f, 1);
    left->mirror = right;
    right->mirror = left;
    EXPECT_TRUE(mesh_.drawHighlight(left, 0));
    EXPECT_TRUE(covered(1, 1.5f));
    EXPECT_FALSE(covered(3, 1.5f));
    mesh_.setSymmetry(true);
    EXPECT_TRUE(mesh_.drawHighlight(left, 0));
    EXPECT_TRUE(covered(3, 1.5f));
}

// --- the tessellator needs no GL context ---

class FaceTessellatorTest : public ::testing::Test {
protected:
    InnerShape mesh;
    FaceTessellator tess;
};

TEST_F(FaceTessellatorTest, CrossingContoursGetInterpolatedPoints)
{
    // A bow tie: its sides cross at (1, 1).
    Face* f = addFace(mesh, {{0, 0}, {2, 2}, {2, 0}, {0, 2}});
    for (int k = 0; k < 4; ++k)
        f->corners[k].u = static_cast<float>(k % 2);
    f->normal.setPosition(0, 0, 1);
    ASSERT_TRUE(tess.tessellate(*f));
    ASSERT_EQ(tess.points().count(), 5);
    const TessellatedPoint& crossing = tess.points()[4];
    EXPECT_EQ(crossing.vertex, nullptr);
    EXPECT_NEAR(crossing.position[0], 1.0f, 1e-5f);
    EXPECT_NEAR(crossing.position[1], 1.0f, 1e-5f);
    EXPECT_NEAR(crossing.u, 0.5f, 1e-5f);
    EXPECT_EQ(tess.triangleCount(), 2);
}

TEST_F(FaceTessellatorTest, DegenerateFacesGiveNoTriangles)
{
    EXPECT_FALSE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}})));
    EXPECT_FALSE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}})));
    EXPECT_EQ(tess.triangleCount(), 0);
    // A good face after failures still works.
    EXPECT_TRUE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}, {1, 1}})));
}

TEST_F(FaceTessellatorTest, OnlyHolesLargeFacesAndOptionallyQuadsNeedIt)
{
    EXPECT_FALSE(needsTessellation(*addFace(mesh, {{0, 0}, {1, 0}, {1, 1}})));
    Face* quad = addFace(mesh, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    EXPECT_FALSE(needsTessellation(*quad));
    meshDisplaySettings().tessellateAllQuads = true;
    EXPECT_TRUE(needsTessellation(*quad));
    meshDisplaySettings().tessellateAllQuads = false;
    EXPECT_TRUE(needsTessellation(*addFace(mesh, {{0, 0}, {1, 0}, {1, 1}, {0.5f, 2}, {0, 1}})));
    Face* triangleWithHole = addFace(mesh, {{0, 0}, {4, 0}, {0, 4}});
    triangleWithHole->holes.append(polygon(mesh, {{1, 1}, {1.5f, 1}, {1, 1.5f}}));
    EXPECT_TRUE(needsTessellation(*triangleWithHole));
}
}
