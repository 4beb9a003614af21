// Triangulation: the triangles cover each face exactly, face its way and
// carry its texture coordinates and material.
#include <gtest/gtest.h>

#include <algorithm>

#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/Triangulate.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// Area of a triangle by the cross product, independent of the face normal code.
float triangleArea(const Face* f)
{
    const Vertex *a = f->corners[0].vertex, *b = f->corners[1].vertex, *c = f->corners[2].vertex;
    return 0.5f * (*b - *a).cross(*c - *a).length();
}

// The triangles' area; a face that is no triangle spoils the sum.
float totalArea(const InnerShape& m)
{
    float sum = 0;
    for (const Face* f : m.faces)
        sum += f->cornerCount() == 3 ? triangleArea(f) : 1e9f;
    return sum;
}

TEST(Triangulate, QuadBecomesTwoTrianglesKeepingUVsAndMaterial)
{
    MeshPtr m = ngon(4);
    Face* quad = m->faces[0];
    Material material;
    quad->material = &material;
    for (int k = 0; k < 4; ++k) {
        quad->corners[k].u = 0.1f * k;
        quad->corners[k].v = 1.0f - 0.1f * k;
        quad->corners[k].w = 2.0f + k;
    }
    std::vector<Corner> before(quad->corners.begin(), quad->corners.end());
    EXPECT_EQ(triangulateFaces(*m, facesAt(*m, {0})), 2);
    ASSERT_EQ(m->faces.count(), 2);
    EXPECT_EQ(m->edges.count(), 5);
    for (const Face* t : m->faces) {
        EXPECT_EQ(t->material, &material);
        EXPECT_GT(t->normal.z, 0.99f);
        for (const Corner& c : t->corners) {
            auto it = std::find_if(before.begin(), before.end(), [&](const Corner& b) { return b.vertex == c.vertex; });
            ASSERT_NE(it, before.end());
            EXPECT_TRUE(c.u == it->u && c.v == it->v && c.w == it->w);
        }
    }
    EXPECT_NEAR(totalArea(*m), 2.0f, 1e-5f);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(Triangulate, ConcaveQuadSplitsAlongTheInsideDiagonal)
{
    // An arrowhead: corner 2 points back into the outline.
    MeshPtr m = meshFrom({{0, 0, 0}, {4, 0, 0}, {1, 1, 0}, {0, 4, 0}}, {{0, 1, 2, 3}});
    triangulateAll(*m);
    ASSERT_EQ(m->faces.count(), 2);
    // Only the diagonal 0-2 lies inside; the other one would add area outside.
    EXPECT_NE(m->findEdge(m->vertices[0], m->vertices[2]), nullptr);
    EXPECT_EQ(m->findEdge(m->vertices[1], m->vertices[3]), nullptr);
    EXPECT_NEAR(totalArea(*m), 4.0f, 1e-5f);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(Triangulate, FaceWithHoleIsCoveredExceptTheHoleAndKeepsItsSide)
{
    for (bool flipped : {false, true}) {
        MeshPtr m = quadWithHole();
        if (flipped)
            m->flipFaces(facesAt(*m, {0}));
        const float side = flipped ? -1.0f : 1.0f;
        auto planarUVs = [](Face* contour) {
            for (Corner& c : contour->corners) {
                c.u = c.vertex->x / 4;
                c.v = c.vertex->y / 4;
            }
        };
        planarUVs(m->faces[0]);
        planarUVs(m->faces[0]->holes[0]);
        triangulateAll(*m);
        EXPECT_NEAR(totalArea(*m), 16.0f - 4.0f, 1e-4f);
        for (const Face* f : m->faces) {
            EXPECT_GT(f->normal.z * side, 0.99f);
            EXPECT_TRUE(f->holes.empty());
            for (const Corner& c : f->corners)
                EXPECT_TRUE(c.u == c.vertex->x / 4 && c.v == c.vertex->y / 4);
        }
        // The hole's sides now border one triangle each: still open.
        EXPECT_EQ(std::count_if(m->edges.begin(), m->edges.end(), [](Edge* e) { return e->has(Geometry::Boundary); }), 8);
        EXPECT_EQ(validateTopology(*m), "");
    }
}

TEST(Triangulate, OnlyListedFacesChangeAndNewTrianglesGoLast)
{
    MeshPtr m = cube();
    Face* untouched = m->faces[0];
    List<Face*> twiceAndNull = facesAt(*m, {1, 1});
    twiceAndNull.append(nullptr);
    EXPECT_EQ(triangulateFaces(*m, twiceAndNull), 2);
    ASSERT_EQ(m->faces.count(), 7);
    EXPECT_EQ(m->faces[0], untouched);
    EXPECT_TRUE(m->faces[5]->cornerCount() == 3 && m->faces[6]->cornerCount() == 3);
    for (const Edge* e : m->edges)
        EXPECT_EQ(e->faces.count(), 2);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(Triangulate, WithSymmetryThePartnerGetsTheMirrorImage)
{
    // Two mirror-image pentagons either side of x = 0.
    MeshPtr mesh = meshFrom({{1, 0, 0}, {3, 0, 0}, {3.5f, 1, 0}, {2, 2.5f, 0}, {1, 1, 0},
                             {-1, 0, 0}, {-3, 0, 0}, {-3.5f, 1, 0}, {-2, 2.5f, 0}, {-1, 1, 0}},
                            {{0, 1, 2, 3, 4}, {5, 9, 8, 7, 6}});
    ShapePtr s(take<Shape>(*mesh));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    ASSERT_EQ(s->faces[0]->mirror, s->faces[1]);
    EXPECT_EQ(triangulateFaces(*s, facesAt(*s, {0})), 6);
    ASSERT_EQ(s->faces.count(), 6);
    for (const Face* f : s->faces) {
        ASSERT_NE(f->mirror, nullptr);
        EXPECT_NEAR(f->mirror->centre().x, -f->centre().x, 1e-5f);
        EXPECT_GT(f->normal.z, 0.99f);
    }
    EXPECT_EQ(validateTopology(*s), "");
}

} // namespace
