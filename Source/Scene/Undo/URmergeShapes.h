#pragma once
// Undo record of commands that change whole objects: a whole copy of each
// affected object, taken before the command. Undo and redo exchange each
// object's mesh with its held copy, so the record always holds the state
// that is not shown.
#include <vector>

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
    // Exchanges each object's elements, name, shading mode, texture switch
    // and axis frame with its copy, then the object rebuilds. False, changing
    // nothing, when there are not as many copies as objects.
    bool revert() override;
    bool reapply() override { return revert(); }

    int objectCount() const { return static_cast<int>(objects_.size()); }
    int copyCount() const { return static_cast<int>(copies_.size()); }

private:
    std::vector<InnerShape*> objects_; // not owned
    std::vector<InnerShape*> copies_;  // owned, copies_[i] belongs to objects_[i]
};
