#include <gtest/gtest.h>

#include "Mesh/List.h"

TEST(List, CapacityStartsAtTwoAndDoubles)
{
    List<int> l;
    EXPECT_EQ(l.capacity(), 0);
    l.append(1);
    EXPECT_EQ(l.capacity(), 2);
    l.append(2);
    l.append(3);
    EXPECT_EQ(l.capacity(), 4);
    for (int i = 0; i < 6; ++i)
        l.append(i);
    EXPECT_EQ(l.capacity(), 16);
}

TEST(List, InlineSlotsThenDoubling)
{
    List<int, 4> l;
    for (int i = 0; i < 4; ++i)
        l.append(i);
    EXPECT_EQ(l.capacity(), 4);
    l.append(4);
    EXPECT_EQ(l.capacity(), 8);
    List<int, 4> copy(l);
    EXPECT_EQ(copy, l);
    l.removeAt(0);
    EXPECT_EQ(l[0], 1);
    EXPECT_EQ(l.count(), 4);
    EXPECT_TRUE(l.removeOne(3));
    EXPECT_FALSE(l.removeOne(3));
    l.freeStorage();
    EXPECT_EQ(l.capacity(), 4);
}
