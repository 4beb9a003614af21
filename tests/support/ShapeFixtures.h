#pragma once
// Scene objects for tests: an owning pointer, a level builder that stands in
// for subdivision, and an object whose releases are counted.
#include <memory>

#include "Mesh/LevelStack.h"
#include "Mesh/Shape.h"
#include "support/Fixtures.h"

using ShapePtr = std::unique_ptr<Shape, ReleaseGeometry>;

namespace fixtures {

// A stand-in for subdivision, so that object-level rules can be checked on
// their own: the new level copies `below` (flags included, displacement not)
// and each of its vertices is a vertex point that follows its parent one to
// one. Fills one-to-one vertex and face maps, numbers the level and brings
// its positions and normals up to date. False when the pool is exhausted.
bool copyLevel(InnerShape& below, LevelRecord& outRecord);

// Makes copyLevel the level builder while it lives, then puts back the
// builder it found.
class CopyLevelBuilder {
public:
    CopyLevelBuilder() : saved(LevelStack::builder) { LevelStack::builder = copyLevel; }
    ~CopyLevelBuilder() { LevelStack::builder = saved; }
    CopyLevelBuilder(const CopyLevelBuilder&) = delete;
    CopyLevelBuilder& operator=(const CopyLevelBuilder&) = delete;

private:
    LevelBuilder saved;
};

// Counts releases; its storage belongs to the test, not to a pool.
class CountedShape : public Shape {
public:
    void release() override
    {
        ++releases;
        releaseObjectState();
    }
    int releases = 0;
};

} // namespace fixtures
