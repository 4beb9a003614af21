// Mirror geometry: the halves are welded along the plane and paired.
#include <gtest/gtest.h>

#include "Mesh/MirrorPlane.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/MirrorGeometry.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// The cube of half size 1 cut at x = 0: the +X half without its face on the plane.
MeshPtr halfBox()
{
    return meshFrom({{0, -1, -1}, {1, -1, -1}, {1, 1, -1}, {0, 1, -1}, {0, -1, 1}, {1, -1, 1}, {1, 1, 1}, {0, 1, 1}},
                    {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}});
}

TEST(MirrorGeometry, HalvesAreWeldedAlongThePlaneAndPaired)
{
    struct Case {
        float normalX;
        EditCounts expected;
    } cases[] = {
        {1, {12, 20, 10, 0}}, // keeps the +X half: a closed box
        {-1, {0, 0, 0, 0}},   // nothing lies in front of the plane: all of it goes
    };
    for (const Case& c : cases) {
        ShapePtr s(take<Shape>(*halfBox()));
        s->vertices[4]->x = 0.00001f; // within the tolerance of the plane
        MirrorPlane plane;
        plane.set(Point3D(0, 0, 0), Point3D(c.normalX, 0, 0));
        EXPECT_EQ(mirrorGeometry(*s, plane, 0.001f, true), c.expected.faces / 2);
        EXPECT_EQ(countsOf(*s), c.expected);
        EXPECT_TRUE(windingConsistent(*s));
        EXPECT_TRUE(s->hasSymmetry());
        for (const Vertex* v : s->vertices) {
            ASSERT_NE(v->mirror, nullptr);
            EXPECT_EQ(v->mirror->mirror, v);
            EXPECT_FLOAT_EQ(v->mirror->x, -v->x);
            EXPECT_EQ(v->has2(Geometry::OnPlane), v->mirror == v);
        }
        for (const Face* f : s->faces) {
            ASSERT_NE(f->mirror, nullptr);
            EXPECT_NEAR(f->mirror->normal.x, -f->normal.x, 1e-6f);
        }
        EXPECT_EQ(validateTopology(*s), "");
    }
}

} // namespace
