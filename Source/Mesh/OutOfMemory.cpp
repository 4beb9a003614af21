#include "OutOfMemory.h"

#include <cstdlib>
#include <new>
#include <unistd.h>

void installOutOfMemoryHandler() { std::set_new_handler(outOfMemory); }

void outOfMemory()
{
    // write(2) needs no memory, unlike stdio.
    static const char message[] = "Tavo ran out of memory.\n";
    [[maybe_unused]] ssize_t written = ::write(2, message, sizeof message - 1);
    std::_Exit(EXIT_FAILURE);
}
