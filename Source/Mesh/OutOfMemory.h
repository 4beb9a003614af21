#pragma once
// What happens when memory runs out: the program ends with a clear message.
// Both programs install this handler at start, so `new` (plain or nothrow)
// never returns without memory, and the lists and pools, which allocate
// with malloc, call outOfMemory() themselves; code does not check those
// allocations. The one exception is the scene files' own buffers, where
// failing is better than ending: a read that cannot get memory is refused
// and leaves the scene as it was, and a save that cannot fails and leaves
// the old file. Readers also bound what they allocate by the file's size.

// Makes outOfMemory() the handler of every failed `new`.
void installOutOfMemoryHandler();

// Writes "Tavo ran out of memory." to the standard error and ends the
// process at once (no destructors, no saving: there is no memory to do so).
[[noreturn]] void outOfMemory();
