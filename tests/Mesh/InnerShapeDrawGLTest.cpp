// Mesh drawing, checked by reading back a small framebuffer, and the face
// tessellator, checked against the faces' areas.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <cmath>
#include <initializer_list>
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
Face* polygon(InnerShape& mesh, std::initializer_list<XY> corners)
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

Face* addFace(InnerShape& mesh, std::initializer_list<XY> corners)
{
    Face* f = polygon(mesh, corners);
    mesh.addFace(f);
    return f;
}

Face* addFaceWithHole(InnerShape& mesh, std::initializer_list<XY> outer, std::initializer_list<XY> hole)
{
    Face* f = addFace(mesh, outer);
    f->holes.append(polygon(mesh, hole));
    mesh.buildEdges();
    return f;
}

// A 32 × 32 pixel framebuffer showing the square [0, 4] × [0, 4] of the XY
// plane, 8 pixels to a unit, cleared to black, lighting off.
class Canvas : public ::testing::Test {
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

using InnerShapeDrawGLTest = Canvas;

TEST_F(InnerShapeDrawGLTest, QuadCoversItsSquareOnly)
{
    addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    mesh_.drawFacesFlat(1, 1, 1, 1);
    EXPECT_TRUE(covered(2, 2));
    EXPECT_TRUE(covered(1.1f, 2.9f));
    EXPECT_FALSE(covered(0.5f, 2));
    EXPECT_FALSE(covered(3.5f, 3.5f));
}

TEST_F(InnerShapeDrawGLTest, PentagonIsFilled)
{
    addFace(mesh_, {{1, 0.5f}, {3, 0.5f}, {3.5f, 2}, {2, 3.5f}, {0.5f, 2}});
    mesh_.drawFacesFlat(1, 1, 1, 1);
    EXPECT_TRUE(covered(2, 2));
    EXPECT_TRUE(covered(2, 3.2f));
    EXPECT_TRUE(covered(3.2f, 1.8f));
    EXPECT_FALSE(covered(0.6f, 3.4f));
    EXPECT_FALSE(covered(3.4f, 3.4f));
}

TEST_F(InnerShapeDrawGLTest, ConcaveHexagonLeavesItsNotchEmpty)
{
    // An L: a fan from the first corner would cover the notch.
    addFace(mesh_, {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 1.5f}, {1.5f, 1.5f}, {1.5f, 3.5f}, {0.5f, 3.5f}});
    mesh_.drawFacesFlat(1, 1, 1, 1);
    EXPECT_TRUE(covered(3, 1));
    EXPECT_TRUE(covered(1, 3));
    EXPECT_FALSE(covered(2.5f, 2.5f));
}

TEST_F(InnerShapeDrawGLTest, HoleStaysEmpty)
{
    addFaceWithHole(mesh_, {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 3.5f}, {0.5f, 3.5f}},
                    {{1.5f, 1.5f}, {2.5f, 1.5f}, {2.5f, 2.5f}, {1.5f, 2.5f}});
    mesh_.drawFacesFlat(1, 1, 1, 1);
    EXPECT_TRUE(covered(1, 1));
    EXPECT_TRUE(covered(3, 2));
    EXPECT_FALSE(covered(2, 2));
}

TEST_F(InnerShapeDrawGLTest, HoleWoundLikeTheOuterContourStaysEmptyToo)
{
    addFaceWithHole(mesh_, {{0.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 3.5f}, {0.5f, 3.5f}},
                    {{1.5f, 1.5f}, {1.5f, 2.5f}, {2.5f, 2.5f}, {2.5f, 1.5f}});
    mesh_.drawFacesFlat(1, 1, 1, 1);
    EXPECT_FALSE(covered(2, 2));
    EXPECT_TRUE(covered(1, 1));
}

TEST_F(InnerShapeDrawGLTest, ConcaveQuadIsTessellatedWhenAllQuadsAre)
{
    // A dart whose diagonal from the first corner runs outside it.
    addFace(mesh_, {{2, 3.5f}, {0.5f, 0.5f}, {3.5f, 0.5f}, {2, 1.5f}});
    meshDisplaySettings().tessellateAllQuads = true;
    mesh_.drawFacesFlat(1, 1, 1, 1);
    meshDisplaySettings().tessellateAllQuads = false;
    EXPECT_TRUE(covered(1.5f, 1));
    EXPECT_FALSE(covered(2.6f, 1.6f));
}

TEST_F(InnerShapeDrawGLTest, HiddenFacesAndHiddenMeshesAreNotDrawn)
{
    addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}});
    Face* hidden = addFace(mesh_, {{2.5f, 2.5f}, {3.5f, 2.5f}, {3.5f, 3.5f}, {2.5f, 3.5f}});
    hidden->set(Geometry::Hidden);
    mesh_.drawFacesFlat(1, 1, 1, 1);
    mesh_.drawFacesMaterial();
    mesh_.drawFacesSmooth();
    EXPECT_TRUE(covered(1, 1));
    EXPECT_FALSE(covered(3, 3));

    glClear(GL_COLOR_BUFFER_BIT);
    mesh_.set(Geometry::Hidden);
    mesh_.drawFacesFlat(1, 1, 1, 1);
    mesh_.drawEdges();
    mesh_.drawVertices();
    EXPECT_FALSE(covered(1, 1));
}

TEST_F(InnerShapeDrawGLTest, EachFaceShowsItsOwnMaterial)
{
    Material red, blue;
    red.diffuse[0] = 1;
    red.diffuse[1] = red.diffuse[2] = 0;
    blue.diffuse[2] = 1;
    blue.diffuse[0] = blue.diffuse[1] = 0;
    addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}})->material = &red;
    addFace(mesh_, {{2.5f, 0.5f}, {3.5f, 0.5f}, {3.5f, 1.5f}, {2.5f, 1.5f}})->material = &blue;
    addFace(mesh_, {{0.5f, 2.5f}, {1.5f, 2.5f}, {1.5f, 3.5f}, {0.5f, 3.5f}})->material = &red;
    addFace(mesh_, {{2.5f, 2.5f}, {3.5f, 2.5f}, {3.5f, 3.5f}, {2.5f, 3.5f}})->material = nullptr;
    mesh_.drawFacesMaterial();
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(pixel(3, 1), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(pixel(1, 3), (std::vector<int>{255, 0, 0}));
    int grey = static_cast<int>(std::lround(Material::defaultMaterial()->diffuse[0] * 255));
    EXPECT_NEAR(pixel(3, 3)[0], grey, 1);
}

TEST_F(InnerShapeDrawGLTest, MaterialTexturesShowOnlyWhileShowTextureIsSet)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const unsigned char blue[4] = {0, 0, 255, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, blue);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    Material red;
    red.diffuse[0] = 1;
    red.diffuse[1] = red.diffuse[2] = 0;
    setMaterialTextureSource([&](const Material& m) { return &m == &red ? texture : 0u; });
    addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}})->material = &red;

    mesh_.drawFacesMaterial();
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{0, 0, 255}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    mesh_.textureFlags &= ~InnerShape::ShowTexture;
    mesh_.drawFacesSmooth();
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{255, 0, 0}));

    setMaterialTextureSource({});
    glDeleteTextures(1, &texture);
}

TEST_F(InnerShapeDrawGLTest, DrawingLeavesTheCurrentColourAlone)
{
    Face* f = addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}});
    mesh_.buildEdges();
    const unsigned char green[3] = {0, 255, 0};
    auto routines = {
        +[](InnerShape& m, Face*, const unsigned char* c) { m.drawFacesFlat(c); },
        +[](InnerShape& m, Face*, const unsigned char*) { m.drawFacesFlat(0, 1, 0, 1); },
        +[](InnerShape& m, Face*, const unsigned char*) { m.drawFacesMaterial(); },
        +[](InnerShape& m, Face*, const unsigned char*) { m.drawFacesSmooth(); },
        +[](InnerShape& m, Face*, const unsigned char* c) { m.drawEdges(c); },
        +[](InnerShape& m, Face*, const unsigned char*) { m.drawFaceNormals(); },
        +[](InnerShape& m, Face* face, const unsigned char*) { m.drawHighlight(face, 0); },
        +[](InnerShape& m, Face*, const unsigned char* c) { m.drawFace(0, c); },
    };
    int k = 0;
    for (auto draw : routines) {
        glColor4f(1, 0, 1, 1);
        draw(mesh_, f, green);
        float current[4];
        glGetFloatv(GL_CURRENT_COLOR, current);
        EXPECT_EQ(current[0], 1.0f) << "routine " << k;
        EXPECT_EQ(current[1], 0.0f) << "routine " << k;
        ++k;
    }
}

TEST_F(InnerShapeDrawGLTest, ByteColourIsDrawnExactly)
{
    addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}});
    const unsigned char colour[3] = {12, 200, 77};
    mesh_.drawFacesFlat(colour);
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{12, 200, 77}));
}

TEST_F(InnerShapeDrawGLTest, DrawFaceByIndexDrawsThatFaceUnlessHiddenOrOutOfRange)
{
    addFace(mesh_, {{0.5f, 0.5f}, {1.5f, 0.5f}, {1.5f, 1.5f}, {0.5f, 1.5f}});
    addFace(mesh_, {{2.5f, 2.5f}, {3.5f, 2.5f}, {3.5f, 3.5f}, {2.5f, 3.5f}});
    const unsigned char id[3] = {10, 20, 30};
    mesh_.drawFace(1, id);
    mesh_.drawFace(2, id);
    mesh_.drawFace(-1, id);
    EXPECT_FALSE(covered(1, 1));
    EXPECT_EQ(pixel(3, 3), (std::vector<int>{10, 20, 30}));

    glClear(GL_COLOR_BUFFER_BIT);
    mesh_.faces[0]->set(Geometry::Hidden);
    mesh_.drawFace(0, id);
    EXPECT_FALSE(covered(1, 1));
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

TEST_F(InnerShapeDrawGLTest, FaceNormalRunsFromTheCentreInTheNormalColour)
{
    // A face standing in the plane x = 1, facing +x: its normal lies in the view.
    Face* f = take<Face>();
    // Its centre is at a pixel centre, so that the normal lands on one pixel row.
    for (XY yz : {XY{1.5625f, -0.5f}, XY{2.5625f, -0.5f}, XY{2.5625f, 0.5f}, XY{1.5625f, 0.5f}}) {
        Vertex* v = take<Vertex>(1.0f, yz.first, yz.second);
        mesh_.addVertex(v);
        f->appendCorner(v);
    }
    f->computeNormal();
    mesh_.addFace(f);
    ASSERT_NEAR(f->normal.x, 1.0f, 1e-6f);
    MeshDisplaySettings saved = meshDisplaySettings();
    meshDisplaySettings().normalLength = 2.0f;
    meshDisplaySettings().normalColour[0] = 0;
    meshDisplaySettings().normalColour[1] = 1;
    meshDisplaySettings().normalColour[2] = 0;
    mesh_.drawFaceNormals();
    meshDisplaySettings() = saved;
    EXPECT_EQ(pixel(2.5f, 2.0625f), (std::vector<int>{0, 255, 0}));
    EXPECT_FALSE(covered(3.5f, 2.0625f));
}

TEST_F(InnerShapeDrawGLTest, HighlightRefusesElementsNotInTheMeshAndWrongIndices)
{
    Face* f = addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    mesh_.buildEdges();
    InnerShape other;
    Face* stranger = addFace(other, {{0, 0}, {1, 0}, {1, 1}});
    Point3D point(1, 1, 1);

    EXPECT_TRUE(mesh_.drawHighlight(f, 0));
    EXPECT_TRUE(mesh_.drawHighlight(f, -1));
    EXPECT_TRUE(mesh_.drawHighlight(mesh_.vertices[2], 2));
    EXPECT_TRUE(mesh_.drawHighlight(mesh_.edges[3], -1));

    EXPECT_FALSE(mesh_.drawHighlight(stranger, -1));
    EXPECT_FALSE(mesh_.drawHighlight(other.vertices[0], 0));
    EXPECT_FALSE(mesh_.drawHighlight(mesh_.vertices[2], 1));
    EXPECT_FALSE(mesh_.drawHighlight(mesh_.edges[0], 4));
    EXPECT_FALSE(mesh_.drawHighlight(f, 1));
    EXPECT_FALSE(mesh_.drawHighlight(nullptr, -1));
    EXPECT_FALSE(mesh_.drawHighlight(&point, -1));
}

TEST_F(InnerShapeDrawGLTest, HighlightedFaceIsBlendedInTheHighlightColour)
{
    Face* f = addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    MeshDisplaySettings saved = meshDisplaySettings();
    meshDisplaySettings().highlightColour[0] = 1;
    meshDisplaySettings().highlightColour[1] = 0;
    meshDisplaySettings().highlightColour[2] = 0;
    meshDisplaySettings().highlightAlpha = 0.5f;
    EXPECT_TRUE(mesh_.drawHighlight(f, 0));
    meshDisplaySettings() = saved;
    std::vector<int> p = pixel(2, 2);
    EXPECT_NEAR(p[0], 128, 2);
    EXPECT_EQ(p[1], 0);
    EXPECT_FALSE(covered(0.5f, 0.5f));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(InnerShapeDrawGLTest, HighlightWithSymmetryDrawsTheMirrorPartnerToo)
{
    Face* left = addFace(mesh_, {{0.5f, 1}, {1.5f, 1}, {1.5f, 2}, {0.5f, 2}});
    Face* right = addFace(mesh_, {{2.5f, 1}, {3.5f, 1}, {3.5f, 2}, {2.5f, 2}});
    left->mirror = right;
    right->mirror = left;
    EXPECT_TRUE(mesh_.drawHighlight(left, 0));
    EXPECT_TRUE(covered(1, 1.5f));
    EXPECT_FALSE(covered(3, 1.5f));

    mesh_.setSymmetry(true);
    EXPECT_TRUE(mesh_.drawHighlight(left, 0));
    EXPECT_TRUE(covered(3, 1.5f));
}

TEST_F(InnerShapeDrawGLTest, VertexHighlightIsAPointOfTheHighlightSize)
{
    addFace(mesh_, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    MeshDisplaySettings saved = meshDisplaySettings();
    meshDisplaySettings().highlightPointSize = 8.0f;
    EXPECT_TRUE(mesh_.drawHighlight(mesh_.vertices[0], 0));
    meshDisplaySettings() = saved;
    EXPECT_TRUE(covered(1.3f, 1.3f));
    EXPECT_TRUE(covered(0.7f, 0.7f));
    EXPECT_FALSE(covered(2, 2));
    float size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}

// --- the tessellator needs no GL context ---

float triangleArea(const TessellatedPoint& a, const TessellatedPoint& b, const TessellatedPoint& c, float& outNormalZ)
{
    float ux = b.position[0] - a.position[0], uy = b.position[1] - a.position[1];
    float vx = c.position[0] - a.position[0], vy = c.position[1] - a.position[1];
    outNormalZ = ux * vy - uy * vx;
    return std::fabs(outNormalZ) / 2;
}

// Sum of the triangles' areas; every triangle must face +z.
float tessellatedArea(const FaceTessellator& tess)
{
    float sum = 0;
    for (int t = 0; t < tess.triangleCount(); ++t) {
        const List<int>& tri = tess.triangles();
        float normalZ = 0;
        sum += triangleArea(tess.points()[tri[3 * t]], tess.points()[tri[3 * t + 1]], tess.points()[tri[3 * t + 2]],
                            normalZ);
        EXPECT_GT(normalZ, 0.0f) << "triangle " << t << " runs clockwise";
    }
    return sum;
}

TEST(FaceTessellatorTest, PentagonGivesThreeTrianglesOverItsArea)
{
    InnerShape mesh;
    Face* f = addFace(mesh, {{0, 0}, {2, 0}, {2, 1}, {1, 2}, {0, 1}});
    FaceTessellator tess;
    ASSERT_TRUE(tess.tessellate(*f));
    EXPECT_EQ(tess.triangleCount(), 3);
    EXPECT_EQ(tess.cornerPointCount(), 5);
    EXPECT_NEAR(tessellatedArea(tess), 3.0f, 1e-5f);
}

TEST(FaceTessellatorTest, HoleCornersFollowTheOuterCornersAndTheHoleIsLeftOut)
{
    InnerShape mesh;
    Face* f = addFaceWithHole(mesh, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {{1, 1}, {2, 1}, {2, 2}, {1, 2}});
    f->corners[1].u = 0.25f;
    f->holes[0]->corners[2].v = 0.75f;
    FaceTessellator tess;
    ASSERT_TRUE(tess.tessellate(*f));
    ASSERT_EQ(tess.cornerPointCount(), 8);
    EXPECT_EQ(tess.points()[1].vertex, f->corners[1].vertex);
    EXPECT_EQ(tess.points()[1].u, 0.25f);
    EXPECT_EQ(tess.points()[6].vertex, f->holes[0]->corners[2].vertex);
    EXPECT_EQ(tess.points()[6].v, 0.75f);
    EXPECT_EQ(tess.triangleCount(), 8);
    EXPECT_NEAR(tessellatedArea(tess), 15.0f, 1e-5f);
    for (int i : tess.triangles())
        EXPECT_LT(i, 8);
}

TEST(FaceTessellatorTest, TrianglesFollowTheFaceNormalWhateverTheWinding)
{
    InnerShape mesh;
    Face* f = addFace(mesh, {{0, 0}, {0, 1}, {1, 2}, {2, 1}, {2, 0}});
    ASSERT_LT(f->normal.z, 0.0f);
    f->normal.z = -f->normal.z;
    FaceTessellator tess;
    ASSERT_TRUE(tess.tessellate(*f));
    EXPECT_NEAR(tessellatedArea(tess), 3.0f, 1e-5f);
}

TEST(FaceTessellatorTest, CrossingContoursGetInterpolatedPoints)
{
    // A bow tie: its sides cross at (1, 1).
    InnerShape mesh;
    Face* f = addFace(mesh, {{0, 0}, {2, 2}, {2, 0}, {0, 2}});
    f->corners[0].u = 0;
    f->corners[1].u = 1;
    f->corners[2].u = 0;
    f->corners[3].u = 1;
    f->normal.setPosition(0, 0, 1);
    meshDisplaySettings().tessellateAllQuads = true;
    EXPECT_TRUE(needsTessellation(*f));
    meshDisplaySettings().tessellateAllQuads = false;
    FaceTessellator tess;
    ASSERT_TRUE(tess.tessellate(*f));
    ASSERT_EQ(tess.points().count(), 5);
    const TessellatedPoint& crossing = tess.points()[4];
    EXPECT_EQ(crossing.vertex, nullptr);
    EXPECT_NEAR(crossing.position[0], 1.0f, 1e-5f);
    EXPECT_NEAR(crossing.position[1], 1.0f, 1e-5f);
    EXPECT_NEAR(crossing.u, 0.5f, 1e-5f);
    EXPECT_EQ(tess.triangleCount(), 2);
}

TEST(FaceTessellatorTest, DegenerateFacesGiveNoTriangles)
{
    InnerShape mesh;
    FaceTessellator tess;
    EXPECT_FALSE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}})));
    EXPECT_FALSE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}})));
    EXPECT_EQ(tess.triangleCount(), 0);
    // A good face after failures still works.
    EXPECT_TRUE(tess.tessellate(*addFace(mesh, {{0, 0}, {1, 0}, {1, 1}})));
}

TEST(FaceTessellatorTest, OnlyHolesLargeFacesAndOptionallyQuadsNeedIt)
{
    InnerShape mesh;
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
