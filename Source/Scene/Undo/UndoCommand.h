#pragma once
// Base of every undo record. A record knows how to bring the scene back to
// the state before its command and forward again; the undo stacks own the
// records and call these operations in strict last-in, first-out order, so
// each record sees the scene exactly in the state it left it.
//
// Records refer to scene objects by pointer (objects keep their identity
// through every record) and to mesh elements by their position in their
// object's lists: a record that removes and restores elements gives the
// restored ones fresh storage, so element pointers do not survive undo.
class UndoCommand {
public:
    UndoCommand() = default;
    UndoCommand(const UndoCommand&) = delete;
    UndoCommand& operator=(const UndoCommand&) = delete;

    // --- virtual operations, in slot order ---
    // Called once when the record is pushed: completes the record (captures
    // the "after" state, or performs the change itself). False means the
    // record is not worth keeping and the stack destroys it.
    virtual bool apply() = 0;
    // Undo: back to the "before" state. False: the record could not be
    // applied; the stack destroys it and the step is lost.
    virtual bool revert() = 0;
    // Redo: to the "after" state again; false as for revert.
    virtual bool reapply() = 0;
    // Releases whatever the record owns.
    virtual ~UndoCommand();
};
