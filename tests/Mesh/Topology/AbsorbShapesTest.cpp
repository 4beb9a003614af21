// Absorbing objects: elements move over in list order, instances are
// flattened into copies of what they show.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/Topology/AbsorbShapes.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

using InstancePtr = std::unique_ptr<ShapeInstance, ReleaseGeometry>;

ShapePtr cubeAt(float x)
{
    ShapePtr s(take<Shape>(*cube()));
    for (Vertex* v : s->vertices)
        v->x += x;
    return s;
}

TEST(AbsorbShapes, TwoCubesBecomeOneObject)
{
    ShapePtr a = cubeAt(0), b = cubeAt(4);
    Vertex* firstOfB = b->vertices[0];
    Face* lastOfB = b->faces.last();
    List<Shape*> others;
    others.append(b.get());
    others.append(a.get()); // itself: skipped
    others.append(b.get()); // twice: taken once
    EXPECT_EQ(absorbShapes(*a, others), 1);
    EXPECT_EQ(a->vertices.count(), 16);
    EXPECT_EQ(a->edges.count(), 24);
    EXPECT_EQ(a->faces.count(), 12);
    EXPECT_EQ(a->vertices[8], firstOfB);
    EXPECT_EQ(a->faces[11], lastOfB);
    EXPECT_TRUE(b->vertices.empty() && b->edges.empty() && b->faces.empty());
    EXPECT_EQ(a->faces[11]->index, 11);
    EXPECT_EQ(validateTopology(*a), "");
}

TEST(AbsorbShapes, InstanceContributesWhatItShowsAndKeepsItsSource)
{
    for (float scale : {1.0f, -1.0f}) {
        ShapePtr target = cubeAt(0), source = cubeAt(0);
        InstancePtr instance(take<ShapeInstance>(source.get()));
        instance->setScale(scale, 1, 1);
        instance->transform[12] = 10.0f;
        List<Shape*> others;
        others.append(instance.get());
        EXPECT_EQ(absorbShapes(*target, others), 1);
        EXPECT_EQ(target->vertices.count(), 16);
        EXPECT_EQ(source->vertices.count(), 8);
        EXPECT_EQ(source->vertices[1]->x, 1.0f);
        // The copy sits at x = 10 and, even mirrored, faces outward.
        for (int i = 6; i < 12; ++i) {
            Face* f = target->faces[i];
            Point3D centre = f->centre();
            EXPECT_NEAR(std::abs(centre.x - 10.0f) + std::abs(centre.y) + std::abs(centre.z), 1.0f, 1e-5f);
            EXPECT_GT(f->normal.dot(centre - Point3D(10, 0, 0)), 0.0f);
        }
        EXPECT_EQ(validateTopology(*target), "");
    }
}

TEST(AbsorbShapes, InstancesWithoutSourceAndNullEntriesAddNothing)
{
    ShapePtr a = cubeAt(0);
    InstancePtr empty(take<ShapeInstance>());
    List<Shape*> others;
    others.append(empty.get());
    others.append(nullptr);
    EXPECT_EQ(absorbShapes(*a, others), 0);
    EXPECT_EQ(a->vertices.count(), 8);
    EXPECT_EQ(validateTopology(*a), "");
}

} // namespace
