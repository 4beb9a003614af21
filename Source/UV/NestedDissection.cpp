#include "NestedDissection.h"

#include <algorithm>
#include <utility>

namespace {

// Parts at most this big are eliminated in the order they come in: their
// fill is small and splitting them further costs more than it saves.
constexpr int LeafSize = 16;

struct Graph {
    const std::vector<int>& start;
    const std::vector<int>& next;
};

// Breadth-first search from `from` over the nodes whose owner is `part`.
// Fills `outOrder` with the nodes reached, `outLevel` of each, and
// `levelEnd` with where each level ends in outOrder.
void search(const Graph& g, int from, int part, const std::vector<int>& owner, std::vector<int>& level,
            std::vector<int>& outOrder, std::vector<int>& outLevelEnd)
{
    outOrder.clear();
    outLevelEnd.clear();
    outOrder.push_back(from);
    level[from] = 0;
    size_t head = 0;
    while (head < outOrder.size()) {
        const int v = outOrder[head++];
        for (int e = g.start[v]; e < g.start[v + 1]; ++e) {
            const int w = g.next[e];
            if (owner[w] == part && level[w] < 0) {
                level[w] = level[v] + 1;
                outOrder.push_back(w);
            }
        }
        if (head == outOrder.size() || level[outOrder[head]] != level[v])
            outLevelEnd.push_back(static_cast<int>(head));
    }
}

} // namespace

std::vector<int> nestedDissectionOrder(const std::vector<int>& adjacencyStart, const std::vector<int>& adjacency)
{
    const int n = static_cast<int>(adjacencyStart.size()) - 1;
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    if (n <= LeafSize)
        return order;

    const Graph g{adjacencyStart, adjacency};
    std::vector<int> owner(n, 0); // the start of the range of `order` that holds the node's part
    std::vector<int> level(n, -1);
    std::vector<int> reached, levelEnd, scratch;
    std::vector<std::pair<int, int>> parts{{0, n}};
    while (!parts.empty()) {
        const auto [low, high] = parts.back();
        parts.pop_back();
        const int size = high - low;
        if (size <= LeafSize)
            continue;

        // Two searches: the first finds a far node, the second levels the part from it.
        search(g, order[low], low, owner, level, reached, levelEnd);
        for (int v : reached)
            level[v] = -1;
        const int far = reached.back();
        search(g, far, low, owner, level, reached, levelEnd);

        int aEnd, separatorBegin, separatorEnd;
        if (static_cast<int>(reached.size()) < size) {
            // Disconnected: the reached component is one half, the rest the other.
            aEnd = separatorBegin = separatorEnd = static_cast<int>(reached.size());
        } else {
            if (levelEnd.size() < 3) {
                for (int v : reached)
                    level[v] = -1;
                continue;
            }
            // The smallest level starting in the middle third of the part.
            int best = -1;
            for (size_t l = 1; l + 1 < levelEnd.size(); ++l) {
                const int begin = levelEnd[l - 1];
                if (begin < size / 3 || begin > size * 2 / 3)
                    continue;
                if (best < 0 || levelEnd[l] - begin < levelEnd[best] - levelEnd[best - 1])
                    best = static_cast<int>(l);
            }
            if (best < 0) {
                best = 1;
                while (best + 2 < static_cast<int>(levelEnd.size()) && levelEnd[best] < size / 2)
                    ++best;
            }
            aEnd = separatorBegin = levelEnd[best - 1];
            separatorEnd = levelEnd[best];
        }

        // Reached order is: half A, separator, half B; the part becomes A, B, separator.
        scratch.clear();
        scratch.insert(scratch.end(), reached.begin(), reached.begin() + aEnd);
        scratch.insert(scratch.end(), reached.begin() + separatorEnd, reached.end());
        if (static_cast<int>(reached.size()) < size) {
            for (int k = low; k < high; ++k) {
                if (level[order[k]] < 0)
                    scratch.push_back(order[k]);
            }
        }
        scratch.insert(scratch.end(), reached.begin() + separatorBegin, reached.begin() + separatorEnd);
        std::copy(scratch.begin(), scratch.end(), order.begin() + low);
        for (int v : reached)
            level[v] = -1;

        const int bLow = low + aEnd;
        const int bHigh = high - (separatorEnd - separatorBegin);
        for (int k = low; k < high; ++k)
            owner[order[k]] = k < bLow ? low : k < bHigh ? bLow : -1;
        parts.emplace_back(low, bLow);
        parts.emplace_back(bLow, bHigh);
    }
    return order;
}
