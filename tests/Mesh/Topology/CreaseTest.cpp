// Creasing: the flag set or cleared on exactly the listed edges.
#include <gtest/gtest.h>

#include "Mesh/Topology/Crease.h"
#include "support/Fixtures.h"

using namespace fixtures;

TEST(Crease, SetsAndClearsOnlyTheListedEdges)
{
    MeshPtr m = cube();
    List<Edge*> some;
    some.append(m->edges[0]);
    some.append(m->edges[3]);
    some.append(nullptr);
    EXPECT_EQ(setCreased(some, true), 2);
    EXPECT_EQ(setCreased(some, true), 0);
    for (int i = 0; i < m->edges.count(); ++i)
        EXPECT_EQ(m->edges[i]->has(Geometry::Creased), i == 0 || i == 3);
    // Clearing touches no other flag.
    m->edges[3]->set(Geometry::Psub);
    List<Edge*> one;
    one.append(m->edges[3]);
    EXPECT_EQ(setCreased(one, false), 1);
    EXPECT_FALSE(m->edges[3]->has(Geometry::Creased));
    EXPECT_TRUE(m->edges[3]->has(Geometry::Psub));
    EXPECT_TRUE(m->edges[0]->has(Geometry::Creased));
}
