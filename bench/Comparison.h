#pragma once
// A comparison times one task done by Tavo and by a peer library in the same
// process. Each benchmark file registers its comparisons with one call; the
// harness (main.cpp) runs them interleaved and prints the result lines.
#include <chrono>
#include <string>
#include <vector>

// What one run of one side reports.
struct Sample {
    double seconds = 0;      // the timed section only; setup and teardown stay outside
    double heapBytes = 0;    // heap the result holds while alive (for the memory line)
};

// Runs one side once. Returns false when the result is wrong (the run is not
// counted and the comparison fails).
using Runner = bool (*)(Sample& outSample);

struct Comparison {
    std::string name;        // "mesh-build-1M"
    std::string peer;        // the peer's name in the result line, "openmesh"
    Runner tavo = nullptr;
    Runner peerRun = nullptr;
    // When positive, a "memory" line gives heap bytes per unit (per face, per vertex...).
    double memoryUnits = 0;
};

// Adds a comparison to the registry; returns true so that a benchmark file
// can register from a static initialiser.
bool registerComparison(Comparison comparison);
const std::vector<Comparison>& comparisons();

// Heap bytes the allocator has handed out and not taken back (arena and
// mapped blocks), from mallinfo2.
double heapBytesInUse();

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};
