#include "Mesh/Selection/ShortestPaths.h"

#include <algorithm>

namespace walks {

namespace {
// Orders the heap with the smallest distance on top.
constexpr auto farther = [](const auto& a, const auto& b) { return a.d > b.d; };
} // namespace

void ShortestPaths::prepare(int nodeCount)
{
    distance_.assign(nodeCount, Unreached);
    via_.assign(nodeCount, -1);
    settled_.assign(nodeCount, 0);
    touched_.clear();
    heap_.clear();
    limit = Unreached;
}

void ShortestPaths::reset()
{
    for (int n : touched_) {
        distance_[n] = Unreached;
        via_[n] = -1;
        settled_[n] = 0;
    }
    touched_.clear();
    heap_.clear();
}

void ShortestPaths::relax(int node, float d, int via)
{
    if (!(d < distance_[node]) || !(d < limit))
        return;
    if (distance_[node] == Unreached)
        touched_.push_back(node);
    distance_[node] = d;
    via_[node] = via;
    heap_.push_back(Entry{d, node});
    std::push_heap(heap_.begin(), heap_.end(), farther);
}

int ShortestPaths::pop()
{
    // Entries are never decreased in place: a node offered a shorter
    // distance is pushed again and its stale entries are skipped here.
    while (!heap_.empty()) {
        std::pop_heap(heap_.begin(), heap_.end(), farther);
        const Entry top = heap_.back();
        heap_.pop_back();
        if (settled_[top.node] || top.d > distance_[top.node])
            continue;
        settled_[top.node] = 1;
        return top.node;
    }
    return -1;
}

ShortestPaths& ShortestPaths::scratch()
{
    static ShortestPaths paths;
    return paths;
}

} // namespace walks
