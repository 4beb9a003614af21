#pragma once
// Pass numbers: scratch-tag values that mark what one run of an algorithm
// has visited. They start far above the small marks (0, 1, -1) that the
// same algorithms write into tags, so a pass number is never mistaken for one.
#include <cstdint>

// A number not handed out before in this run of the program.
int32_t nextPassNumber();
