#include "Formats/LargeBlock.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* allocateLarge(size_t bytes)
{
#if defined(__linux__)
    constexpr size_t LargePage = size_t(2) << 20;
    if (bytes >= 4 * LargePage) {
        void* block = nullptr;
        if (posix_memalign(&block, LargePage, bytes) != 0)
            return nullptr;
        madvise(block, bytes, MADV_HUGEPAGE); // a hint: without it the block still works
        return block;
    }
#endif
    return std::malloc(bytes);
}
