#include "UV/NestedDissection.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Two grids of different sizes side by side, not joined, and a lone node:
// dissection must still hand back every node exactly once.
TEST(NestedDissection, OrdersEveryNodeOfADisconnectedGraphOnce)
{
    std::vector<std::vector<int>> neighbours(23 * 17 + 1 + 9 * 40);
    auto link = [&](int a, int b) {
        neighbours[a].push_back(b);
        neighbours[b].push_back(a);
    };
    auto addGrid = [&](int first, int columns, int rows) {
        for (int v = first; v < first + columns * rows; ++v) {
            neighbours[v].push_back(v); // self-loops are ignored
            if ((v - first) % columns + 1 < columns)
                link(v, v + 1);
            if (v + columns < first + columns * rows)
                link(v, v + columns);
        }
    };
    addGrid(0, 23, 17);
    addGrid(23 * 17 + 1, 9, 40);

    std::vector<int> start{0}, adjacency;
    for (const auto& list : neighbours) {
        adjacency.insert(adjacency.end(), list.begin(), list.end());
        start.push_back(static_cast<int>(adjacency.size()));
    }
    std::vector<int> order = nestedDissectionOrder(start, adjacency);
    std::sort(order.begin(), order.end());
    std::vector<int> every(neighbours.size());
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(order, every);
}

} // namespace
