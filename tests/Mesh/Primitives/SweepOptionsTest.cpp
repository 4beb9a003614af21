// The sweeps built from their option records: the axis choices reach the
// construction.
#include <gtest/gtest.h>

#include "Mesh/Primitives/Lineseg.h"
#include "Mesh/Primitives/SPolygon.h"
#include "Mesh/Primitives/SweepOptions.h"
#include "support/ShapeFixtures.h"

TEST(SweepOptions, LatheTurnsTheProfileAboutTheChosenAxis)
{
    ShapePtr profile(take<Lineseg>(Point3D(1, 0, 0), Point3D(1, 2, 0), 2));
    LatheOptions options{.capEnds = true, .sections = 8, .degrees = 360, .mergeTolerance = 0.001f, .axis = 1};
    EXPECT_EQ(ShapePtr(makeLathe(*profile, options, DefaultLayoutSpacing))->vertices.count(), 24);
    // About World X the points sweep circles in planes x = 1.
    options.axis = 0;
    ShapePtr aboutX(makeLathe(*profile, options, DefaultLayoutSpacing));
    for (const Vertex* v : aboutX->vertices)
        EXPECT_NEAR(v->x, 1.0f, 1e-5f);
}

TEST(SweepOptions, ExtrusionAlongTheProfileNormal)
{
    const std::vector<Point3D> square = {Point3D(0, 0, 0), Point3D(1, 0, 0), Point3D(1, 1, 0), Point3D(0, 1, 0)};
    ShapePtr polygon(take<SPolygon>(square));
    ShapePtr s(makeExtrusion(*polygon, {.height = 2, .sections = 1, .axis = 3}, DefaultLayoutSpacing));
    EXPECT_NEAR(signedVolume(*s), 2.0, 1e-5);
    EXPECT_NEAR(s->pivot().z, 1.0f, 1e-5f);
}
