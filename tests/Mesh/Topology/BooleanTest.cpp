// Booleans: volumes obey the set identities, results are closed, and
// faces cut from one input face come back as one polygon.
#include <gtest/gtest.h>

#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Topology/Boolean.h"
#include "Mesh/Topology/DeleteElements.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

// The enclosed volume: a cone from the origin over every contour (holes run
// the other way, so they subtract).
double volumeOf(const InnerShape& m)
{
    double sum = 0;
    auto contour = [&](const Face& f) {
        const Vertex* p = f.corners[0].vertex;
        for (int k = 1; k + 1 < f.cornerCount(); ++k) {
            const Vertex* q = f.corners[k].vertex;
            const Vertex* r = f.corners[k + 1].vertex;
            sum += double(p->x) * (double(q->y) * r->z - double(q->z) * r->y) -
                   double(p->y) * (double(q->x) * r->z - double(q->z) * r->x) +
                   double(p->z) * (double(q->x) * r->y - double(q->y) * r->x);
        }
    };
    for (const Face* f : m.faces) {
        contour(*f);
        for (const Face* h : f->holes)
            contour(*h);
    }
    return sum / 6;
}

void moveBy(InnerShape& m, float dx, float dy, float dz)
{
    for (Vertex* v : m.vertices)
        v->setPosition(v->x + dx, v->y + dy, v->z + dz);
}

ShapePtr run(const InnerShape& a, const InnerShape& b, BooleanOperation op)
{
    ShapePtr out(take<Shape>());
    EXPECT_EQ(booleanShapes(a, b, op, *out), BooleanOutcome::Done);
    EXPECT_EQ(countsOf(*out).borders, 0);
    EXPECT_TRUE(windingConsistent(*out));
    EXPECT_EQ(validateTopology(*out), "");
    return out;
}

TEST(Boolean, VolumesObeyTheSetIdentitiesOnOverlappingPrimitives)
{
    struct Pair {
        const char* name;
        MeshPtr a, b;
    };
    std::vector<Pair> pairs;
    pairs.push_back({"cubes", cube(), cube()});
    moveBy(*pairs.back().b, 0.5f, 0.5f, 0.5f);
    pairs.push_back({"cube and sphere", cube(), MeshPtr(take<Sphere>(1.2f, 16, 12, 0.0f))});
    moveBy(*pairs.back().b, 0.7f, 0.3f, -0.2f);
    pairs.push_back({"spheres", MeshPtr(take<Sphere>(1.0f, 24, 16, 0.0f)), MeshPtr(take<Sphere>(0.8f, 20, 10, 0.0f))});
    moveBy(*pairs.back().b, 0.9f, 0.1f, 0.05f);
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.name);
        const double va = volumeOf(*p.a), vb = volumeOf(*p.b);
        const double vu = volumeOf(*run(*p.a, *p.b, BooleanOperation::Combine));
        const double vi = volumeOf(*run(*p.a, *p.b, BooleanOperation::Intersect));
        const double vd = volumeOf(*run(*p.a, *p.b, BooleanOperation::Subtract));
        EXPECT_GT(vi, 0.0);
        EXPECT_NEAR(vu + vi, va + vb, 1e-6 * (va + vb));
        EXPECT_NEAR(vd, va - vi, 1e-6 * va);
    }
    EXPECT_NEAR(volumeOf(*run(*pairs[0].a, *pairs[0].b, BooleanOperation::Intersect)), 3.375, 1e-9);
}

TEST(Boolean, FacesCutFromOneFaceComeBackAsOnePolygonWithItsMaterial)
{
    MeshPtr a = cube(), b = cube(0.5f);
    Material red;
    a->faces[1]->material = &red; // the top, z = 1
    moveBy(*b, 0, 0, 1);          // a small cube sunk halfway into the top
    ShapePtr dent = run(*a, *b, BooleanOperation::Subtract);
    // The top is one face with a square hole; the dent has 5 faces.
    EXPECT_EQ(dent->faces.count(), 6 + 5);
    int holed = 0;
    for (const Face* f : dent->faces)
        if (!f->holes.empty()) {
            ++holed;
            EXPECT_EQ(f->material, &red);
            EXPECT_EQ(f->cornerCount(), 4);
            EXPECT_EQ(f->holes[0]->cornerCount(), 4);
        }
    EXPECT_EQ(holed, 1);
    EXPECT_NEAR(volumeOf(*dent), 8 - 0.5, 1e-9);
    ShapePtr joined = run(*a, *b, BooleanOperation::Combine);
    EXPECT_EQ(joined->faces.count(), 6 + 5);
    EXPECT_NEAR(volumeOf(*joined), 8 + 0.5, 1e-9);
}

TEST(Boolean, OpenOrSelfCrossingInputsAreRefusedAndTheOutputKept)
{
    MeshPtr closed = cube(), open = cube();
    deleteFaces(*open, facesAt(*open, {1}));
    // Two overlapping cubes in one mesh: a surface crossing itself.
    std::vector<Point> points;
    std::vector<std::vector<int>> faces;
    for (int o : {0, 8}) {
        for (const Vertex* v : closed->vertices)
            points.push_back({v->x + 0.5f * (o > 0), v->y + 0.5f * (o > 0), v->z + 0.5f * (o > 0)});
        for (const Face* f : closed->faces) {
            faces.emplace_back();
            for (const Corner& c : f->corners)
                faces.back().push_back(closed->vertices.indexOf(c.vertex) + o);
        }
    }
    MeshPtr crossing = meshFrom(points, faces);
    ShapePtr out(take<Shape>(*cube()));
    EXPECT_EQ(booleanShapes(*open, *closed, BooleanOperation::Combine, *out), BooleanOutcome::NotClosed);
    EXPECT_EQ(booleanShapes(*closed, *crossing, BooleanOperation::Subtract, *out), BooleanOutcome::SelfIntersecting);
    EXPECT_EQ(countsOf(*out), (EditCounts{8, 12, 6, 0}));
}

} // namespace
