#pragma once
// File names for "Save Incremental": the scene file's name with a number
// added before the extension, "robot.tvb" -> "robot_001.tvb". A name that
// already ends in "_" and digits counts on from there, so saving
// incrementally from "robot_004.tvb" gives "robot_005.tvb", not
// "robot_004_001.tvb".
#include <functional>
#include <string>

// `current` with the number `index` in place of (or added as) its
// "_digits" ending, written with at least `padding` digits (zero-filled;
// clamped to 1..10; a longer number keeps all its digits).
std::string incrementalFileName(const std::string& current, int index, int padding);

// The first name from the number after `current`'s own (or 1) whose file
// `exists` denies. maxIndex: the highest number allowed, 0 for no limit.
// Empty when every allowed number is taken, or `current` is empty.
std::string nextIncrementalFile(const std::string& current, int padding, int maxIndex,
                                const std::function<bool(const std::string&)>& exists);
