#pragma once
// Dijkstra's search over nodes numbered 0 … n−1 with a binary heap. The
// caller supplies the graph: it pops the nearest unsettled node and relaxes
// that node's neighbours. Only the nodes a search reached are reset before
// the next, so many short searches on a big mesh stay cheap.
#include <limits>
#include <vector>

namespace walks {

class ShortestPaths {
public:
    static constexpr float Unreached = std::numeric_limits<float>::infinity();

    // Every node unreached; call once per mesh.
    void prepare(int nodeCount);
    // Forgets the last search, touching only the nodes it reached.
    void reset();

    void addSource(int node) { relax(node, 0.0f, -1); }
    // Offers `node` the distance `d` through `via` (a caller's number, e.g.
    // the edge used); kept when shorter than what it has. Distances at or
    // beyond `limit` are not offered.
    void relax(int node, float d, int via);
    // The nearest node not yet settled, now settled; -1 when none is left.
    int pop();

    float distance(int node) const { return distance_[node]; }
    int via(int node) const { return via_[node]; }
    float limit = Unreached;

    // One shared instance for the walks of the single-threaded program.
    static ShortestPaths& scratch();

private:
    struct Entry {
        float d;
        int node;
    };
    std::vector<float> distance_;
    std::vector<int> via_;
    std::vector<char> settled_;
    std::vector<int> touched_;
    std::vector<Entry> heap_;
};

} // namespace walks
