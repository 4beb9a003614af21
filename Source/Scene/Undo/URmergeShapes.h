#pragma once
// Undo record of commands that change whole objects: a whole copy of each
// affected object, taken before the command, with the object's subdivision
// levels (how many, the current one, their displacement). Undo and redo
// exchange each object's mesh and levels with the held ones, so the record
// always holds the state that is not shown.
#include <vector>

#include "Mesh/LevelStack.h"
#include "Scene/Undo/UndoCommand.h"

class InnerShape;

class URmergeShapes : public UndoCommand {
public:
    // Copies every element of each object of `objects` (distinct). Copying
    // stops at a null entry or when memory runs out; such a record refuses to revert.
    explicit URmergeShapes(const std::vector<InnerShape*>& objects);
    // Releases the held copies.
    ~URmergeShapes() override;

    // The objects now hold the "after" state and the copies the "before" state; true.
    bool apply() override { return true; }
    // Exchanges each object's elements, name, shading mode, texture switch,
    // axis frame and levels with its copy, then the object rebuilds. False, changing
    // nothing, when there are not as many copies as objects.
    bool revert() override;
    bool reapply() override { return revert(); }

    int objectCount() const { return static_cast<int>(objects_.size()); }
    int copyCount() const { return static_cast<int>(copies_.size()); }

private:
    // The levels of an object with a level stack. Kept here, not read back
    // from the object: a command may leave its levels stale (built on
    // elements that moved to another object), and rebuilding those would
    // lose the displacement.
    struct Levels {
        int built = 0;
        int current = 0;
        DisplacementSnapshot displacement;
    };

    std::vector<InnerShape*> objects_; // not owned
    std::vector<InnerShape*> copies_;  // owned, copies_[i] belongs to objects_[i]
    std::vector<Levels> levels_;       // levels_[i] belongs to objects_[i]; empty for plain meshes
};
