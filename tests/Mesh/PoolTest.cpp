// Pools: objects are reused after release, the Pooled bit tracks ownership.
#include <gtest/gtest.h>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"

TEST(Pool, ReleasedObjectsAreTakenAgain)
{
    Vertex* v = take<Vertex>(1, 2, 3);
    ASSERT_TRUE(v->has(Geometry::Pooled));
    v->ensureDisplacement()[0] = 1.0f;
    long freeBefore = Pool<Vertex>::freeCount();
    v->release();
    EXPECT_EQ(Pool<Vertex>::freeCount(), freeBefore + 1);
    Vertex* again = take<Vertex>();
    EXPECT_EQ(again, v);
    EXPECT_EQ(again->displacement, nullptr);
    EXPECT_EQ(again->x, 0.0f);
    EXPECT_EQ(again->paintWeight, 1.0f);
    again->release();
}

TEST(Pool, BlocksHoldTwoThousandObjects)
{
    long blocks = Pool<Edge>::blockCount();
    std::vector<Edge*> taken;
    long free = Pool<Edge>::freeCount();
    for (long i = 0; i < free + 1; ++i)
        taken.push_back(take<Edge>());
    EXPECT_EQ(Pool<Edge>::blockCount(), blocks + 1);
    EXPECT_EQ(Pool<Edge>::freeCount(), Pool<Edge>::BlockSize - 1);
    for (Edge* e : taken)
        e->release();
}

TEST(Pool, ObjectsOutsideAPoolAreNotGivenBack)
{
    long free = Pool<Face>::freeCount();
    {
        Face f;
        f.appendCorner(nullptr);
        f.release();
        EXPECT_FALSE(f.has(Geometry::Pooled));
        EXPECT_EQ(f.cornerCount(), 0);
    }
    EXPECT_EQ(Pool<Face>::freeCount(), free);
}

TEST(Pool, MeshReleaseReturnsItsElements)
{
    InnerShape* m = take<InnerShape>();
    Face* f = take<Face>();
    for (int i = 0; i < 4; ++i) {
        m->addVertex(take<Vertex>(static_cast<float>(i), 0, 0));
        f->appendCorner(m->vertices[i]);
    }
    f->holes.append(take<Face>());
    m->addFace(f);
    m->buildEdges();
    long vertices = Pool<Vertex>::freeCount(), faces = Pool<Face>::freeCount(), edges = Pool<Edge>::freeCount();
    m->release();
    EXPECT_EQ(Pool<Vertex>::freeCount(), vertices + 4);
    EXPECT_EQ(Pool<Face>::freeCount(), faces + 2);
    EXPECT_EQ(Pool<Edge>::freeCount(), edges + 4);
}
