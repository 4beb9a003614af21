// The whole-object record: exchanges each object's mesh with the copy it
// holds, and gives every element it holds back to the pools.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Validate.h"
#include "Scene/Undo/URmergeShapes.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"

namespace {

struct Summary {
    int vertices, edges, faces;
    std::string name;
    float pivotX;
    bool operator==(const Summary&) const = default;
};

Summary summary(const InnerShape& m)
{
    return {m.vertices.count(), m.edges.count(), m.faces.count(), m.name, m.axisFrame[0].x};
}

// A whole-object command: the object becomes a different mesh.
void replaceWithGrid(InnerShape& object)
{
    MeshPtr grid = fixtures::openGrid(3, 1);
    object.clear();
    object.name = "Merged";
    for (Vertex* v : grid->vertices)
        object.addVertex(v);
    for (Edge* e : grid->edges)
        object.addEdge(e);
    for (Face* f : grid->faces)
        object.addFace(f);
    object.setPivot(Point3D(1.5f, 0.5f, 0));
    grid->vertices.clear();
    grid->edges.clear();
    grid->faces.clear();
}

} // namespace

TEST(URmergeShapes, ExchangesEveryObjectWithItsCopy)
{
    MeshPtr a = fixtures::cube();
    MeshPtr b = fixtures::twoQuads();
    a->name = "Cube";
    const Summary beforeA = summary(*a), beforeB = summary(*b);
    UndoStack stack;
    auto* record = new URmergeShapes({a.get(), b.get()});
    replaceWithGrid(*a);
    b->vertices[0]->x = 5.0f;
    const Summary afterA = summary(*a);
    stack.push(record);
    stack.undo();
    EXPECT_EQ(summary(*a), beforeA);
    EXPECT_EQ(summary(*b), beforeB);
    EXPECT_EQ(b->vertices[0]->x, 0.0f);
    EXPECT_EQ(validateTopology(*a), "");
    stack.redo();
    EXPECT_EQ(summary(*a), afterA);
    EXPECT_EQ(b->vertices[0]->x, 5.0f);
    EXPECT_EQ(validateTopology(*a), "");
}

TEST(URmergeShapes, DestroyingTheRecordGivesItsCopyBack)
{
    MeshPtr a = fixtures::cube();
    const long free = Pool<Vertex>::freeCount();
    {
        URmergeShapes record({a.get()});
        EXPECT_EQ(Pool<Vertex>::freeCount(), free - 8);
        record.revert();
    }
    EXPECT_EQ(Pool<Vertex>::freeCount(), free);
    EXPECT_EQ(a->vertices.count(), 8);
}

TEST(URmergeShapes, RefusesWithoutACopyForEveryObject)
{
    MeshPtr a = fixtures::cube();
    URmergeShapes record({a.get(), nullptr});
    EXPECT_EQ(record.copyCount(), 1);
    EXPECT_FALSE(record.revert());
}
