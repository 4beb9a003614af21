// The scene object at its base level: selection queries and the hooks that
// run after an edit.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "support/ShapeFixtures.h"

namespace {

ShapePtr shapeOf(const InnerShape& mesh)
{
    return ShapePtr(take<Shape>(mesh));
}

// Empty lists count as all selected; one unselected element spoils a list.
TEST(ShapeSelection, AllSelectedQueries)
{
    ShapePtr empty(take<Shape>());
    EXPECT_TRUE(empty->allFacesSelected());
    EXPECT_TRUE(empty->allEdgesSelected());
    EXPECT_TRUE(empty->allVerticesSelected());
    MeshPtr grid = fixtures::openGrid(2, 1);
    ShapePtr s = shapeOf(*grid);
    for (Face* f : s->faces)
        f->set(Geometry::Selected);
    for (Edge* e : s->edges)
        e->set(Geometry::Selected);
    for (Vertex* v : s->vertices)
        v->set(Geometry::Selected);
    EXPECT_TRUE(s->allFacesSelected() && s->allEdgesSelected() && s->allVerticesSelected());
    s->faces[1]->set(Geometry::Selected, false);
    s->edges[3]->set(Geometry::Selected, false);
    s->vertices[5]->set(Geometry::Selected, false);
    EXPECT_FALSE(s->allFacesSelected());
    EXPECT_FALSE(s->allEdgesSelected());
    EXPECT_FALSE(s->allVerticesSelected());
}

TEST(ShapeEdits, TopologyChangedRenumbersAndRecalculatesSymmetryOnlyWhenOn)
{
    MeshPtr grid = fixtures::openGrid(2, 1);
    ShapePtr s = shapeOf(*grid);
    s->mirrorPlane.set(Point3D(1, 0, 0), Point3D(1, 0, 0));
    s->topologyChanged();
    EXPECT_FALSE(s->hasMirrorVertices());
    s->setSymmetry(true);
    std::swap(s->vertices[0], s->vertices[2]);
    s->topologyChanged();
    EXPECT_EQ(s->vertices[0]->index, 0);
    EXPECT_EQ(s->vertices[2]->index, 2);
    EXPECT_EQ(s->vertices[0]->mirror, s->vertices[2]);
    EXPECT_TRUE(s->vertices[1]->has2(Geometry::OnPlane));
    EXPECT_EQ(s->faces[0]->mirror, s->faces[1]);
}

} // namespace
