// The shared pieces of every primitive: the default projection, the
// revolution rotation and the winding repair.
#include <gtest/gtest.h>

#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Sphere.h"
#include "support/ShapeFixtures.h"

namespace {

TEST(DefaultProjection, TopDownWithHeightInW)
{
    MeshPtr quad = fixtures::meshFrom({{0, 0, 0}, {0, 0, 4}, {2, 2, 4}, {2, 2, 0}}, {{0, 1, 2, 3}});
    applyDefaultProjection(quad->faces, 0.0f);
    const List<Corner, 4>& c = quad->faces[0]->corners;
    // Box centre (1, 1, 2), scale 1/4.
    EXPECT_FLOAT_EQ(c[0].u, 0.25f);
    EXPECT_FLOAT_EQ(c[0].v, 1.0f);
    EXPECT_FLOAT_EQ(c[1].v, 0.0f);
    EXPECT_FLOAT_EQ(c[2].u, 0.75f);
    EXPECT_FLOAT_EQ(c[0].w, -0.25f);
    EXPECT_FLOAT_EQ(c[2].w, 0.25f);
}

TEST(DefaultProjection, CountsHoleCornersAndSurvivesAFlatBox)
{
    MeshPtr holed = fixtures::quadWithHole();
    applyDefaultProjection(holed->faces, 0.01f);
    for (const Face* h : holed->faces[0]->holes)
        for (const Corner& c : h->corners) {
            EXPECT_GT(c.u, 0.0f);
            EXPECT_LT(c.u, 1.0f);
        }
    // Every point on one vertical line: nothing to spread, nothing NaN.
    MeshPtr upright = fixtures::meshFrom({{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, {{0, 1, 2}});
    applyDefaultProjection(upright->faces, 0.01f);
    for (const Corner& c : upright->faces[0]->corners) {
        EXPECT_FLOAT_EQ(c.u, 0.5f);
        EXPECT_FLOAT_EQ(c.v, 0.5f);
        EXPECT_FLOAT_EQ(c.w, 0.0f);
    }
}

TEST(RevolveAboutY, PositiveAnglesCarryXTowardsZ)
{
    const Point3D p = revolveAboutY(Point3D(1, 3, 0), 90.0);
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(p.y, 3.0f);
    EXPECT_NEAR(p.z, 1.0f, 1e-6f);
    const Point3D q = rotateAboutAxis(Point3D(1, 3, 0), Point3D(0, 0, 0), Point3D(0, -1, 0), 90.0);
    EXPECT_NEAR(q.x, p.x, 1e-6f);
    EXPECT_NEAR(q.z, p.z, 1e-6f);
}

TEST(OrientConsistently, RepairsAFaceWoundAgainstItsNeighbours)
{
    ShapePtr s(take<Shape>());
    MeshPtr cube = fixtures::cube(1.0f);
    for (Vertex* v : cube->vertices)
        newVertex(*s, Point3D(v));
    for (const Face* f : cube->faces) {
        std::vector<Vertex*> corners;
        for (const Corner& c : f->corners)
            corners.push_back(s->vertices[cube->vertices.indexOf(c.vertex)]);
        newFace(*s, corners);
    }
    EXPECT_NEAR(signedVolume(*cube), 8.0, 1e-6);
    s->faces[3]->corners.reverse();
    s->faces[5]->corners.reverse();
    EXPECT_TRUE(orientConsistently(*s));
    EXPECT_NEAR(signedVolume(*s), 8.0, 1e-6);
}

TEST(OrientConsistently, OpenSheetIsNotClosed)
{
    ShapePtr s(take<Shape>());
    Vertex* a = newVertex(*s, Point3D(0, 0, 0));
    Vertex* b = newVertex(*s, Point3D(1, 0, 0));
    Vertex* c = newVertex(*s, Point3D(1, 0, 1));
    Vertex* d = newVertex(*s, Point3D(0, 0, 1));
    newFace(*s, {a, b, c});
    newFace(*s, {a, d, c}); // runs the shared side c→a the same way as the first
    EXPECT_FALSE(orientConsistently(*s));
    s->buildEdges();
    s->update(true, false, -1);
    EXPECT_FLOAT_EQ(s->faces[0]->normal.y, s->faces[1]->normal.y);
    EXPECT_FLOAT_EQ(s->faces[0]->normal.y, -1.0f); // the first face keeps its winding
}

} // namespace
