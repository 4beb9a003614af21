// Taking the storage of many objects at once: the slots given back last, in
// the order they were given back, and new blocks when the free ones run out.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Pool.h"

TEST(PoolStorage, ManySlotsAreTheLastGivenBackInTheirOrder)
{
    Edge* edges[3] = {take<Edge>(), take<Edge>(), take<Edge>()};
    for (Edge* e : edges)
        e->release();
    void* slots[3] = {};
    Pool<Edge>::takeStorage(3, slots);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(slots[i], static_cast<void*>(edges[i]));
    for (void* slot : slots)
        Pool<Edge>::giveBack(slot);
}

TEST(PoolStorage, ManySlotsGrowThePoolByWholeBlocks)
{
    const long blocks = Pool<Edge>::blockCount();
    const long wanted = Pool<Edge>::freeCount() + Pool<Edge>::BlockSize + 1;
    std::vector<void*> slots(static_cast<size_t>(wanted));
    Pool<Edge>::takeStorage(wanted, slots.data());
    EXPECT_EQ(Pool<Edge>::blockCount(), blocks + 2);
    EXPECT_EQ(Pool<Edge>::freeCount(), Pool<Edge>::BlockSize - 1);
    for (void* slot : slots)
        Pool<Edge>::giveBack(slot);
}
