#include "Comparison.h"

#include <malloc.h>

namespace {

std::vector<Comparison>& registry()
{
    static std::vector<Comparison> list;
    return list;
}

} // namespace

bool registerComparison(Comparison comparison)
{
    registry().push_back(std::move(comparison));
    return true;
}

const std::vector<Comparison>& comparisons()
{
    return registry();
}

double heapBytesInUse()
{
    struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks) + static_cast<double>(info.hblkhd);
}
