// Finding list positions from vertex addresses: a lookup gives the true
// position or -1, never another vertex's, whatever order the list is in.
#include <gtest/gtest.h>

#include <vector>

#include "Formats/VertexPositions.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Vertex.h"

namespace {

void expectExact(const List<Vertex*>& list, const VertexPositions& positions)
{
    VertexPositions::Hint hint;
    for (int i = 0; i < list.count(); ++i)
        EXPECT_EQ(positions.find(list[i], hint), i) << i;
}

} // namespace

TEST(VertexPositions, ListsInAddressRunsAreNumberedExactly)
{
    // Vertices side by side in memory, as a pool block holds them.
    std::vector<Vertex> a(300), b(200);
    std::vector<ProxyVertex> c(50);
    List<Vertex*> list;
    // b before a, every second vertex of a, then a proxy run: runs of three strides.
    for (int i = 0; i < b.size(); ++i)
        list.append(&b[i]);
    for (int i = 0; i < a.size(); i += 2)
        list.append(&a[i]);
    for (int i = 0; i < c.size(); ++i)
        list.append(&c[i]);
    const VertexPositions positions(list);
    ASSERT_TRUE(positions.usable());
    expectExact(list, positions);
    VertexPositions::Hint hint;
    EXPECT_EQ(positions.find(&a[1], hint), -1) << "between two listed vertices of a run";
    EXPECT_EQ(positions.find(&a[a.size() - 1], hint), -1) << "just past a run";
    EXPECT_EQ(positions.find(nullptr, hint), -1);
}
