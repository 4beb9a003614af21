// Runs every registered comparison (or those named on the command line) and
// prints one line per comparison:
//   compare NAME: tavo=SECONDS PEER=SECONDS ratio=TAVO/PEER
// plus a memory line for those that measure memory. The two sides alternate
// within one process so that machine noise hits both alike; the medians of
// the repetitions are compared. Progress goes to stderr.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Comparison.h"

namespace {

struct Options {
    int repetitions = 7;
    std::vector<std::string> names; // empty: all
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Short times keep three significant digits, longer ones three decimals.
std::string formatSeconds(double s)
{
    char text[32];
    std::snprintf(text, sizeof text, s >= 0.1 ? "%.3f" : "%.3g", s);
    return text;
}

bool parseOptions(int argc, char** argv, Options& outOptions)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc) {
            outOptions.repetitions = std::atoi(argv[++i]);
            if (outOptions.repetitions < 1)
                return false;
        } else if (std::strcmp(argv[i], "--list") == 0) {
            for (const Comparison& c : comparisons())
                std::printf("%s (peer %s)\n", c.name.c_str(), c.peer.c_str());
            std::exit(0);
        } else if (argv[i][0] == '-') {
            return false;
        } else {
            outOptions.names.push_back(argv[i]);
        }
    }
    return true;
}

bool selected(const Options& options, const Comparison& c)
{
    return options.names.empty() ||
        std::find(options.names.begin(), options.names.end(), c.name) != options.names.end();
}

// One untimed warm-up run per side (pools, allocator and caches settle), then
// `repetitions` rounds, alternating which side goes first.
bool runComparison(const Comparison& c, int repetitions)
{
    Sample tavo, peer;
    if (!c.tavo(tavo) || !c.peerRun(peer))
        return false;
    std::vector<double> tavoSeconds, peerSeconds, tavoHeap, peerHeap;
    for (int r = 0; r < repetitions; ++r) {
        bool tavoFirst = r % 2 == 0;
        bool ok = tavoFirst ? c.tavo(tavo) && c.peerRun(peer) : c.peerRun(peer) && c.tavo(tavo);
        if (!ok)
            return false;
        tavoSeconds.push_back(tavo.seconds);
        peerSeconds.push_back(peer.seconds);
        tavoHeap.push_back(tavo.heapBytes);
        peerHeap.push_back(peer.heapBytes);
        std::fprintf(stderr, "  %s %d/%d: tavo=%s %s=%s\n", c.name.c_str(), r + 1, repetitions,
            formatSeconds(tavo.seconds).c_str(), c.peer.c_str(), formatSeconds(peer.seconds).c_str());
    }

    double t = median(tavoSeconds);
    double p = median(peerSeconds);
    std::printf("compare %s: tavo=%s %s=%s ratio=%.3f\n", c.name.c_str(), formatSeconds(t).c_str(),
        c.peer.c_str(), formatSeconds(p).c_str(), p > 0 ? t / p : 0.0);
    if (c.memoryUnits > 0)
        std::printf("memory %s: tavo=%.0f %s=%.0f\n", c.name.c_str(), median(tavoHeap) / c.memoryUnits,
            c.peer.c_str(), median(peerHeap) / c.memoryUnits);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--reps N] [--list] [NAME...]\n", argv[0]);
        return 2;
    }
    int failures = 0;
    int ran = 0;
    for (const Comparison& c : comparisons()) {
        if (!selected(options, c))
            continue;
        ++ran;
        if (!runComparison(c, options.repetitions)) {
            std::fprintf(stderr, "compare %s: a run gave a wrong result\n", c.name.c_str());
            ++failures;
        }
    }
    if (ran == 0) {
        std::fprintf(stderr, "no comparison matched\n");
        return 2;
    }
    return failures ? 1 : 0;
}
