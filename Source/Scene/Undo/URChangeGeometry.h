#pragma once
// Undo record of a topology edit of one object. It copies the object's
// elements when made (before the edit) and, when pushed, compares the copy
// with the edited object and keeps only the differences: elements the edit
// removed, elements it added, and elements it changed, with their values
// from the state that is not shown. Undo and redo swap the two states.
//
// Elements are matched by pointer identity and stored by list position, so
// the comparison is linear in the size of the object and a swap can recreate
// removed elements in fresh storage. Normals and `id` are carried with each
// stored element but do not count as a change: the object recomputes them
// after every swap. Scratch fields (`tag`, `index`, stencils) are not kept.
#include <cstddef>
#include <memory>

#include "Scene/Undo/UndoCommand.h"

class InnerShape;

class URChangeGeometry : public UndoCommand {
public:
    // Copies every vertex, edge and face of `object`; the object must outlive the record.
    explicit URChangeGeometry(InnerShape& object);
    ~URChangeGeometry() override;

    // Reduces the copy to the differences from the object's current state;
    // false (not worth keeping) when there are none.
    bool apply() override;
    // Swaps the shown state with the stored one: restores removed elements at
    // their positions, releases added ones, gives changed ones their other
    // values, then the object rebuilds its derived data. False, changing
    // nothing, before apply, when the object's list lengths are not those of
    // the state the record left, or when memory runs out.
    bool revert() override;
    bool reapply() override { return revert(); }

    // Bytes held by the record: itself, the copy before apply, the differences after.
    size_t heldBytes() const;
    // Elements kept after apply: added + removed + changed, over the three lists.
    int differenceCount() const;
    // After apply: whether the two states differ at all (elements or their order).
    bool changed() const;

    struct Data; // defined with the record

private:
    InnerShape& object_;
    std::unique_ptr<Data> data_;
};
