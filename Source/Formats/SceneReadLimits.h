#pragma once
// What a scene read may build on its own account. A file names the
// subdivision level of each object, and each level has four times the faces
// of the one below, so a few bytes could ask for more than any machine
// holds. One budget of level elements (faces plus edges of the levels a
// read builds) covers the whole read, and it grows with the file's size: a
// file earns room in proportion to the geometry it actually carries.
#include <cstddef>
#include <cstdint>

class Shape;

struct SceneReadLimits {
    int64_t elementsPerFileByte = 128;      // what each byte of the file earns
    int64_t minReadElements = int64_t(1) << 20;  // what even a tiny file may build
    int64_t maxReadElements = int64_t(1) << 26;  // what no file may pass, however large
};

// The limits every read uses; tests and fuzzing lower them.
SceneReadLimits& sceneReadLimits();

// The level elements one read may build, for a file of `fileBytes`.
class LevelBudget {
public:
    explicit LevelBudget(size_t fileBytes);

    // The highest level up to `target` that `object` can reach within what
    // is left; the new levels are taken from the budget. Levels already
    // built are always reachable. Sets `cut()` when it answers below `target`.
    int afford(const Shape& object, long target);
    bool cut() const { return cut_; }
    int64_t left() const { return left_; }

private:
    int64_t left_;
    bool cut_ = false;
};
