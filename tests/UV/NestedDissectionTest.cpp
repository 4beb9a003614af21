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
    std::vector<std::vector<int>> neighbours;
    auto addGrid = [&](int columns, int rows) {
        const int first = static_cast<int>(neighbours.size());
        neighbours.resize(first + columns * rows);
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < columns; ++i) {
                const int v = first + j * columns + i;
                neighbours[v].push_back(v); // self-loops are ignored
                if (i + 1 < columns) {
                    neighbours[v].push_back(v + 1);
                    neighbours[v + 1].push_back(v);
                }
                if (j + 1 < rows) {
                    neighbours[v].push_back(v + columns);
                    neighbours[v + columns].push_back(v);
                }
            }
        }
    };
    addGrid(23, 17);
    neighbours.emplace_back();
    addGrid(9, 40);

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
