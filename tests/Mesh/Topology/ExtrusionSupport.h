#pragma once
// What the extrusion, inset and shell tests share: a recorder standing in
// for the value tool, the subdivided torus, and a mesh symmetric across x = 0.
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Shape.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/PointDirections.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

struct RecordingDirections : PointDirections {
    void addPoint(Vertex* v, const Point3D& direction, const Point3D&, float) override
    {
        points.push_back({v, direction});
    }
    void finishObject(InnerShape& object) override { finished.push_back(&object); }
    // What the value tool does with value `value`: every point from where it is.
    void apply(float value)
    {
        for (auto& [v, d] : points) {
            const Point3D p = *v + d * value;
            v->setPosition(p.x, p.y, p.z);
        }
    }
    std::vector<std::pair<Vertex*, Point3D>> points;
    std::vector<InnerShape*> finished;
};

// A torus of 3 × 4 quads subdivided once into its control mesh: 48 quads,
// every vertex of valence 4.
inline ShapePtr subdividedTorus()
{
    ShapePtr s(take<Torus>(1.f, 2.f, 3, 4));
    s->subdivide();
    s->refineControlMesh();
    return s;
}

// Two quads side by side across x = 0, symmetry on: face 0 (x < 0) and
// face 1 (x > 0) are partners, vertices 1 and 4 lie on the plane.
inline ShapePtr symmetricPair()
{
    MeshPtr m = fixtures::meshFrom({{-1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {-1, 1, 0}, {0, 1, 0}, {1, 1, 0}},
                                   {{0, 1, 4, 3}, {1, 2, 5, 4}});
    ShapePtr s(take<Shape>(*m));
    s->setSymmetry(true);
    calculateSymmetry(*s, s->mirrorPlane, MinSymmetryTolerance);
    return s;
}

// Every vertex and face has a partner that partners it back, at its
// reflection across x = 0.
inline void expectMirrored(const InnerShape& m)
{
    for (const Vertex* v : m.vertices) {
        ASSERT_NE(v->mirror, nullptr);
        EXPECT_EQ(v->mirror->mirror, v);
        EXPECT_NEAR(v->mirror->x, -v->x, 1e-5f);
        EXPECT_NEAR(v->mirror->z, v->z, 1e-5f);
    }
    for (const Face* f : m.faces) {
        ASSERT_NE(f->mirror, nullptr);
        EXPECT_EQ(f->mirror->mirror, f);
        EXPECT_NEAR(f->mirror->centre().x, -f->centre().x, 1e-5f);
    }
}
