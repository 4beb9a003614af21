#pragma once
// One undo stack: records that can be undone, records that can be redone,
// the unsaved-change counter and the group being collected. The command
// manager keeps two of them, one for geometry and one for the selection.
#include <cstdint>
#include <functional>

#include "Mesh/List.h"

class UndoCommand;
class URcombinedCommands;

class UndoStack {
public:
    static constexpr int DefaultUndoLevel = 10;

    // `undoLevel` answers the "Undo Level" setting; it is asked at every
    // store, so a changed setting takes effect at the next one. Without it
    // the limit is DefaultUndoLevel. Values below 1 count as 1.
    explicit UndoStack(std::function<int()> undoLevel = {});
    UndoStack(const UndoStack&) = delete;
    UndoStack& operator=(const UndoStack&) = delete;
    // Destroys every record, the open group included.
    ~UndoStack();

    // Takes ownership of `record` (not null) and applies it. A record whose
    // apply refuses it (it changed nothing) is destroyed and leaves the redo
    // list alone. Otherwise it joins the open group, or the redo list is
    // emptied and the record stored. True when the record was kept.
    bool push(UndoCommand* record);
    // Opens a group (nested calls only deepen it); every beginGroup must be
    // matched by one endGroup.
    void beginGroup();
    // Closes one level. Closing the outermost one stores the group as one
    // step and empties the redo list; an empty group is destroyed instead,
    // so that a command which changed nothing leaves no step and no unsaved
    // change. True when a step was stored. An endGroup without an open
    // group does nothing.
    bool endGroup();
    // Reverts the last done record; one that fails is destroyed. Nothing on an empty list.
    void undo();
    // Reapplies the last undone record; one that fails is destroyed. Nothing on an empty list.
    void redo();
    bool hasUnsavedChanges() const { return changeCount_ != 0; }
    void markSaved() { changeCount_ = 0; }
    // Destroys every record of both lists; the counter and an open group stay.
    void clear();

    void setUndoLevel(std::function<int()> undoLevel) { undoLevel_ = std::move(undoLevel); }
    int undoLevel() const;

    int doneCount() const { return done_.count(); }
    int undoneCount() const { return undone_.count(); }
    int32_t changeCount() const { return changeCount_; }
    int32_t groupDepth() const { return groupDepth_; }
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The records, oldest first / most recently undone last; owned by the stack.
    const List<UndoCommand*>& doneRecords() const { return done_; }
    const List<UndoCommand*>& undoneRecords() const { return undone_; }
    // The group being collected, or null.
    const URcombinedCommands* openGroup() const { return openGroup_; }

private:
    // Appends to `done`, dropping the oldest record at the limit, and counts the change.
    void store(UndoCommand* record);
    void destroyUndone();

    List<UndoCommand*> done_;                 // can be undone, oldest first; owned
    List<UndoCommand*> undone_;               // can be redone, most recently undone last; owned
    int32_t changeCount_ = 0;                 // unsaved changes when not 0
    URcombinedCommands* openGroup_ = nullptr; // owned while collecting
    int32_t groupDepth_ = 0;                  // nesting of open groups, never below 0
    std::function<int()> undoLevel_;
};
