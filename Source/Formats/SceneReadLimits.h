#pragma once
// What a scene read may build on its own account. A file names the
// subdivision level of each object; each level has four times the faces of
// the one below, so a damaged or hostile file could ask for more than any
// machine holds. Reads stop building levels before one would pass the face
// budget (a file saved by Tavo comes from a scene that held its levels, so
// the budget only bites on files that were not).
#include <cstdint>

class Shape;

struct SceneReadLimits {
    int64_t maxLevelElements = int64_t(1) << 26; // faces plus edges of the highest level a read builds
};

// The limits every read uses; tests and fuzzing lower them.
SceneReadLimits& sceneReadLimits();

// The highest level up to `target` that `object` can reach within the
// budget (levels already built always count as reachable).
int affordableLevel(const Shape& object, long target);
