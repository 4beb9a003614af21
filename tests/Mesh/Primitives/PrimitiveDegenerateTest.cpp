// Degenerate parameters (zero sizes, zero or tiny section counts, negative
// sizes) never crash and give valid topology without NaNs, or nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "Mesh/Primitives/ArcSpiral.h"
#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Circle.h"
#include "Mesh/Primitives/Cone.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Grid.h"
#include "Mesh/Primitives/Lathe.h"
#include "Mesh/Primitives/PathExtrude.h"
#include "Mesh/Primitives/SPolygon.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Primitives/StraightExtrude.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

struct Degenerate {
    const char* label;
    std::function<Shape*()> make;
};

const std::vector<Point3D> Line = {Point3D(1, 0, 0), Point3D(1, 1, 0)};
const std::vector<Point3D> OnePoint = {Point3D(1, 0, 0)};

const Degenerate Cases[] = {
    {"BoxZeroSections", [] { return take<Box>(1.f, 1.f, 1.f, 0, 0, 0); }},
    {"BoxNegativeSize", [] { return take<Box>(-1.f, -2.f, 1.f, 1, 1, 1); }},
    {"CylinderZeroSections", [] { return take<Cylinder>(1.f, 1.f, 0, 0, true); }},
    {"CylinderOneSection", [] { return take<Cylinder>(1.f, 1.f, 1, 1, false); }},
    {"CylinderTwoSectionsSpokes", [] { return take<Cylinder>(1.f, 1.f, 2, 3, true); }},
    {"ConeTwoSectionsToAnApex", [] { return take<Cone>(0.f, 1.f, 1.f, 2, 2, true); }},
    {"SphereOneSection", [] { return take<Sphere>(1.f, 1, 6); }},
    {"SphereTwoSections", [] { return take<Sphere>(1.f, 2, 3); }},
    {"CylinderZeroRadius", [] { return take<Cylinder>(0.f, 1.f, 8, 2, false); }},
    {"ConeBothRadiiZero", [] { return take<Cone>(0.f, 0.f, 1.f, 6, 1, true); }},
    {"ConeZeroEverything", [] { return take<Cone>(0.f, 0.f, 0.f, 0, 0, false); }},
    {"SphereOneHeightSection", [] { return take<Sphere>(1.f, 12, 1); }},
    {"TorusZeroSections", [] { return take<Torus>(1.f, 2.f, 0, 0); }},
    {"TorusEqualRadii", [] { return take<Torus>(1.f, 1.f, 4, 4); }},
    {"GridZeroSections", [] { return take<Grid>(1.f, 1.f, 1.f, 0, 0, 0); }},
    {"GridZeroSizeWithLayers", [] { return take<Grid>(0.f, 0.f, 0.f, 2, 2, 3); }},
    {"CircleZeroSections", [] { return take<Circle>(1.f, 0, true, false); }},
    {"CircleZeroRadiusSpokes", [] { return take<Circle>(0.f, 5, true, true); }},
    {"ArcZeroSections", [] { return take<ArcSpiral>(1.f, 0.f, 0.f, 0.f, 0); }},
    {"PolygonTwoPoints", [] { return take<SPolygon>(Line); }},
    {"LatheOnePoint", [] { return take<Lathe>(OnePoint, false, Point3D(0, 0, 0), Point3D(0, 1, 0), 360.f, 8, true, 0.f); }},
    {"LatheZeroDegrees", [] { return take<Lathe>(Line, false, Point3D(0, 0, 0), Point3D(0, 1, 0), 0.f, 8, true, 0.f); }},
    {"LatheNoAxis", [] { return take<Lathe>(Line, false, Point3D(0, 0, 0), Point3D(0, 0, 0), 90.f, 0, true, 0.f); }},
    {"LatheAlongTheAxis", [] {
         return take<Lathe>(std::vector<Point3D>{Point3D(0, 0, 0), Point3D(0, 1, 0)}, false, Point3D(0, 0, 0),
                            Point3D(0, 1, 0), 360.f, 6, true, 0.001f);
     }},
    {"ExtrudeOnePoint", [] { return take<StraightExtrude>(OnePoint, false, Point3D(0, 1, 0), 1.f, 1); }},
    {"PathOnePoint", [] { return take<PathExtrude>(Line, false, OnePoint, true, 1.f, 0.f); }},
    {"PathOfRepeatedPoints", [] { return take<PathExtrude>(Line, false, std::vector<Point3D>(3, Point3D(0, 0, 0)), true, 0.f, 90.f); }},
    {"PathBackOnItself", [] {
         return take<PathExtrude>(Line, false, std::vector<Point3D>{Point3D(0, 0, 0), Point3D(0, 0, 1), Point3D(0, 0, 0)},
                                  false, 1.f, 0.f);
     }},
};

class DegenerateParameters : public ::testing::TestWithParam<Degenerate> {};

bool finite(float a)
{
    return std::isfinite(a);
}

TEST_P(DegenerateParameters, GiveValidTopologyWithoutNaNs)
{
    ShapePtr s(GetParam().make());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(validateTopology(*s), "");
    for (const Vertex* v : s->vertices)
        EXPECT_TRUE(finite(v->x) && finite(v->y) && finite(v->z));
    for (const Edge* e : s->edges)
        EXPECT_NE(e->startVertex, e->endVertex);
    for (const Face* f : s->faces) {
        EXPECT_GE(f->cornerCount(), 3);
        EXPECT_TRUE(finite(f->normal.x) && finite(f->normal.y) && finite(f->normal.z));
        for (const Corner& c : f->corners)
            EXPECT_TRUE(finite(c.u) && finite(c.v) && finite(c.w));
    }
    EXPECT_TRUE(finite(s->pivot().x) && finite(s->pivot().y) && finite(s->pivot().z));
}

INSTANTIATE_TEST_SUITE_P(Primitives, DegenerateParameters, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Degenerate>& info) { return std::string(info.param.label); });

TEST(DegenerateParameters, TooFewPointsGiveAnEmptyObjectWithItsName)
{
    ShapePtr polygon(take<SPolygon>(Line));
    EXPECT_EQ(polygon->name, "Polygon");
    EXPECT_TRUE(polygon->vertices.empty());
}

// Only 0 is raised to 1: one section is a wire along the profile, two make a
// closed sheet whose columns meet front to back (no caps).
TEST(DegenerateParameters, OneOrTwoSectionsAreKept)
{
    ShapePtr wire(take<Cylinder>(1.f, 1.f, 1, 3, true));
    EXPECT_EQ(wire->vertices.count(), 4);
    EXPECT_EQ(wire->edges.count(), 3);
    EXPECT_TRUE(wire->faces.empty());
    ShapePtr sheet(take<Cylinder>(1.f, 1.f, 2, 1, false));
    EXPECT_EQ(sheet->vertices.count(), 4);
    EXPECT_EQ(sheet->faces.count(), 2);
    for (const Edge* e : sheet->edges)
        EXPECT_EQ(e->faces.count(), 2);
    ShapePtr sphere(take<Sphere>(1.f, 2, 3));
    EXPECT_EQ(sphere->vertices.count(), 2 * 2 + 2);
    EXPECT_EQ(sphere->faces.count(), 6);
    ShapePtr column(take<Sphere>(1.f, 0, 6));
    EXPECT_EQ(column->vertices.count(), 7);
    ShapePtr torus(take<Torus>(1.f, 2.f, 1, 2));
    EXPECT_EQ(torus->faces.count(), 9);
}

} // namespace
