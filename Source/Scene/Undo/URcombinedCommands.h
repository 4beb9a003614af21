#pragma once
// A group of records made by one command, undone and redone as one step.
#include "Mesh/List.h"
#include "Scene/Undo/UndoCommand.h"

class URcombinedCommands : public UndoCommand {
public:
    URcombinedCommands() = default;
    // Destroys every record of the group.
    ~URcombinedCommands() override;

    // Calls apply of each record in order; the results are not consulted.
    bool apply() override;
    // Reverts each record in reverse order; always true.
    bool revert() override;
    // Reapplies each record in order; always true.
    bool reapply() override;

    // Takes ownership of `record` (not null) and appends it; it is not applied here.
    void append(UndoCommand* record) { records.append(record); }
    int count() const { return records.count(); }
    bool empty() const { return records.empty(); }
    UndoCommand* at(int i) const { return records[i]; }

private:
    List<UndoCommand*> records; // owned, in the order they were made
};
