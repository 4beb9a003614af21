#include "Scene/Undo/URcombinedCommands.h"

URcombinedCommands::~URcombinedCommands()
{
    for (UndoCommand* r : records)
        delete r;
    records.freeStorage();
}

bool URcombinedCommands::apply()
{
    for (UndoCommand* r : records)
        r->apply();
    return true;
}

bool URcombinedCommands::revert()
{
    // Later records were made on the state the earlier ones left, so they go first.
    for (int i = records.count() - 1; i >= 0; --i)
        records[i]->revert();
    return true;
}

bool URcombinedCommands::reapply()
{
    for (UndoCommand* r : records)
        r->reapply();
    return true;
}
