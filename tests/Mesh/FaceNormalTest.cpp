// Face normals (triangle/quad rule, weighted n-gon rule) and vertex normals.
#include <gtest/gtest.h>

#include "support/Fixtures.h"

using namespace fixtures;

namespace {
void expectNear(const Point3D& p, float x, float y, float z)
{
    EXPECT_NEAR(p.x, x, 1e-6f);
    EXPECT_NEAR(p.y, y, 1e-6f);
    EXPECT_NEAR(p.z, z, 1e-6f);
}
} // namespace

TEST(FaceNormal, CounterClockwiseFacesPointUpAndCubeFacesOutward)
{
    for (int n : {3, 4, 5, 6, 12})
        expectNear(ngon(n)->faces[0]->normal, 0, 0, 1);
    // An L-shaped hexagon, counter-clockwise: concave, still facing its winding.
    MeshPtr l = meshFrom({{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}}, {{0, 1, 2, 3, 4, 5}});
    expectNear(l->faces[0]->normal, 0, 0, 1);
    MeshPtr m = cube();
    for (Face* f : m->faces)
        EXPECT_NEAR(f->normal.dot(f->centre().normalized()), 1.0f, 1e-6f);
}

TEST(FaceNormal, QuadUsesOnlyItsFirstThreeCorners)
{
    // A bent quad: the fourth corner is lifted far out of the plane.
    MeshPtr m = meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 5}}, {{0, 1, 2, 3}});
    expectNear(m->faces[0]->normal, 0, 0, 1);
}

TEST(FaceNormal, DegenerateFacesGiveZeroNotNaN)
{
    MeshPtr line = meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {{0, 1, 2}});
    expectNear(line->faces[0]->normal, 0, 0, 0);
    MeshPtr point = meshFrom({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, {{0, 1, 2, 3, 4}});
    expectNear(point->faces[0]->normal, 0, 0, 0);
}

TEST(VertexNormal, SmoothModeAveragesAdjacentFaceNormals)
{
    MeshPtr m = cube();
    m->update(true, false, InnerShape::SmoothShade);
    for (const Vertex* v : m->vertices) {
        Point3D n(v->normal);
        Point3D expected = Point3D(v->x, v->y, v->z).normalized();
        EXPECT_NEAR(n.dot(expected), 1.0f, 1e-6f);
    }
}

TEST(VertexNormal, CancellingNeighboursGiveZeroNotNaN)
{
    // The same triangle twice, once each way round.
    MeshPtr m = meshFrom({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 1}});
    m->update(true, false, InnerShape::SmoothShade);
    for (const Vertex* v : m->vertices)
        for (float c : v->normal)
            EXPECT_EQ(c, 0.0f);
}
