// Mesh container operations other than the topology builders.
#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

using namespace fixtures;

TEST(InnerShape, ShadingModeKeepsThePreviousMode)
{
    MeshPtr m(take<InnerShape>());
    EXPECT_EQ(m->shadingMode(), 0);
    m->setShadingMode(InnerShape::Wireframe);
    m->setShadingMode(InnerShape::FlatShade);
    EXPECT_EQ(m->shadingMode(), 0);
    EXPECT_EQ(m->previousShadingMode(), 4);
    m->setShadingMode(-1);
    EXPECT_EQ(m->shadingMode(), -1); // signed 5-bit field
    EXPECT_FALSE(m->isSmoothShaded());
    m->setShadingMode(InnerShape::GhostedShade);
    EXPECT_TRUE(m->isSmoothShaded());
    EXPECT_TRUE(m->isSeeThrough());
}

TEST(InnerShape, ResetAxisCentresThePivotOnTheBoundingBox)
{
    MeshPtr empty(take<InnerShape>());
    empty->setPivot(Point3D(3, 4, 5));
    empty->resetAxis();
    EXPECT_EQ(empty->pivot().x, 3.0f);
    MeshPtr m = meshFrom({{0, 0, 0}, {4, 0, 0}, {4, 2, 6}}, {{0, 1, 2}});
    m->xAxis().setPosition(0, 1, 0);
    m->resetAxis();
    EXPECT_EQ(m->pivot().distance(Point3D(2, 1, 3)), 0.0f);
    EXPECT_EQ(m->xAxis().x, 1.0f);
    EXPECT_EQ(m->xAxis().y, 0.0f);
}

TEST(InnerShape, RemoveDegenerateFacesReportsAndDropsThem)
{
    MeshPtr m = meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1}, {2, 3}, {0, 1, 2}, {3}}, false);
    Face* keep = m->faces[2];
    Face* first = m->faces[0];
    List<Face*> removed;
    EXPECT_TRUE(m->removeDegenerateFaces(removed));
    ASSERT_EQ(m->faces.count(), 1);
    EXPECT_EQ(m->faces[0], keep);
    EXPECT_EQ(keep->index, 0);
    ASSERT_EQ(removed.count(), 3);
    EXPECT_EQ(removed[0], first);
}

TEST(InnerShape, ReplaceVertexEverywhere)
{
    MeshPtr m = twoQuads();
    Vertex* oldV = m->vertices[1];
    Vertex* newV = take<Vertex>(1, -1, 0);
    m->addVertex(newV);
    m->replaceVertex(oldV, newV);
    for (const Face* f : m->faces)
        for (const Corner& c : f->corners)
            EXPECT_NE(c.vertex, oldV);
    for (const Edge* e : m->edges)
        EXPECT_FALSE(e->startVertex == oldV || e->endVertex == oldV);
}

TEST(InnerShape, ReplaceVertexFromFloodsOnlyThroughConnectedFaces)
{
    // Two fans that meet only at vertex 0: the flood from one never reaches the other.
    MeshPtr m = meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 0, 0}, {-1, -1, 0}, {0, -1, 0}},
                         {{0, 1, 2}, {0, 2, 3}, {0, 4, 5}, {0, 5, 6}});
    Vertex* oldV = m->vertices[0];
    Vertex* newV = take<Vertex>(0, 0, 1);
    m->addVertex(newV);
    m->replaceVertexFrom(m->faces[0], oldV, newV);
    EXPECT_EQ(m->faces[0]->corners[0].vertex, newV);
    EXPECT_EQ(m->faces[1]->corners[0].vertex, newV);
    EXPECT_EQ(m->faces[2]->corners[0].vertex, oldV);
    EXPECT_EQ(m->faces[3]->corners[0].vertex, oldV);
}

TEST(InnerShape, CopyConstructionDuplicatesIndependently)
{
    MeshPtr source = quadWithHole();
    source->edges[0]->set(Geometry::Creased);
    source->vertices[2]->mirror = source->vertices[3];
    source->faces[0]->mirror = source->faces[0];
    source->name = "Source";
    MeshPtr copy(take<InnerShape>(*source));
    EXPECT_EQ(copy->name, "Source");
    ASSERT_EQ(copy->vertices.count(), source->vertices.count());
    EXPECT_NE(copy->vertices[0], source->vertices[0]);
    EXPECT_EQ(copy->vertices[2]->mirror, copy->vertices[3]);
    EXPECT_EQ(copy->faces[0]->mirror, copy->faces[0]);
    EXPECT_TRUE(copy->edges[0]->has(Geometry::Creased));
    EXPECT_TRUE(copy->vertices[0]->has(Geometry::Pooled));
    source.reset();
    EXPECT_EQ(validateTopology(*copy), "");
    EXPECT_EQ(copy->faces[0]->holes.count(), 1);
}
