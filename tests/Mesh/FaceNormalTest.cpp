// Face normals (triangle/quad rule, weighted n-gon rule) and vertex normals.
#include <gtest/gtest.h>

#include "support/Fixtures.h"

using namespace fixtures;

TEST(FaceNormal, FollowTheWindingAndDegenerateFacesGiveZeroNotNaN)
{
    struct Row {
        const char* what;
        MeshPtr mesh;
        Point3D expected;
    };
    const Row rows[] = {
        {"triangle", ngon(3), {0, 0, 1}},
        {"12-gon", ngon(12), {0, 0, 1}},
        {"concave L", meshFrom({{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}}, {{0, 1, 2, 3, 4, 5}}),
         {0, 0, 1}},
        // A quad uses only its first three corners: the fourth is lifted far out.
        {"bent quad", meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 5}}, {{0, 1, 2, 3}}), {0, 0, 1}},
        {"line", meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {{0, 1, 2}}), {0, 0, 0}},
        {"point", meshFrom({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, {{0, 1, 2, 3, 4}}), {0, 0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(row.mesh->faces[0]->normal.distance(row.expected), 0.0f, 1e-6f) << row.what;
}

TEST(VertexNormal, SmoothModeAveragesFacesAndCancellingNeighboursGiveZero)
{
    MeshPtr m = cube();
    m->update(true, false, InnerShape::SmoothShade);
    for (const Vertex* v : m->vertices)
        EXPECT_NEAR(Point3D(v->normal).dot(v->normalized()), 1.0f, 1e-6f);
    // The same triangle twice, once each way round.
    MeshPtr twice = meshFrom({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 1}});
    twice->update(true, false, InnerShape::SmoothShade);
    for (const Vertex* v : twice->vertices)
        EXPECT_EQ(Point3D(v->normal).length(), 0.0f);
}
