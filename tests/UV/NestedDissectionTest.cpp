#include "UV/NestedDissection.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Two grids of different sizes side by side, not joined, and a lone node
// between them: dissection must still hand back every node exactly once.
TEST(NestedDissection, OrdersEveryNodeOfADisconnectedGraphOnce)
{
    std::vector<std::vector<int>> neighbours(23 * 17 + 1 + 9 * 40);
    for (auto [first, columns, rows] : {std::array{0, 23, 17}, std::array{23 * 17 + 1, 9, 40}}) {
        const int end = first + columns * rows;
        for (int v = first; v < end; ++v) {
            neighbours[v].push_back(v); // self-loops are ignored
            for (int w : {(v - first) % columns + 1 < columns ? v + 1 : end, v + columns}) {
                if (w < end) {
                    neighbours[v].push_back(w);
                    neighbours[w].push_back(v);
                }
            }
        }
    }
    std::vector<int> start{0}, adjacency;
    for (const auto& list : neighbours) {
        adjacency.insert(adjacency.end(), list.begin(), list.end());
        start.push_back(static_cast<int>(adjacency.size()));
    }
    std::vector<int> order = nestedDissectionOrder(start, adjacency), every(neighbours.size());
    std::sort(order.begin(), order.end());
    std::iota(every.begin(), every.end(), 0);
    EXPECT_EQ(order, every);
}

} // namespace
