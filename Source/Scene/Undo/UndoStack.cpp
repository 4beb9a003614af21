#include "Scene/Undo/UndoStack.h"

#include "Scene/Undo/URcombinedCommands.h"

UndoStack::UndoStack(std::function<int()> undoLevel) : undoLevel_(std::move(undoLevel)) { }

UndoStack::~UndoStack()
{
    clear();
    delete openGroup_;
    done_.freeStorage();
    undone_.freeStorage();
}

int UndoStack::undoLevel() const
{
    const int level = undoLevel_ ? undoLevel_() : DefaultUndoLevel;
    return level < 1 ? 1 : level;
}

bool UndoStack::push(UndoCommand* record)
{
    if (!record->apply()) {
        delete record;
        return false;
    }
    if (groupDepth_ > 0 && openGroup_) {
        openGroup_->append(record);
        return true;
    }
    destroyUndone();
    store(record);
    return true;
}

void UndoStack::store(UndoCommand* record)
{
    // Only the oldest one goes, even when a lowered limit leaves more.
    if (done_.count() >= undoLevel()) {
        delete done_[0];
        done_.removeAt(0);
    }
    done_.append(record);
    // Below zero the saved state lies among the undone records; redoing one
    // cannot get back there, so the count jumps past every record instead.
    if (changeCount_ < 0 && !undone_.empty())
        changeCount_ = undone_.count() + done_.count() + 1;
    else
        ++changeCount_;
}

void UndoStack::beginGroup()
{
    ++groupDepth_;
    if (!openGroup_)
        openGroup_ = new URcombinedCommands;
}

bool UndoStack::endGroup()
{
    if (groupDepth_ == 0)
        return false;
    if (--groupDepth_ > 0)
        return false;
    URcombinedCommands* group = openGroup_;
    openGroup_ = nullptr;
    if (!group || group->empty()) {
        delete group;
        return false;
    }
    destroyUndone();
    store(group);
    return true;
}

void UndoStack::undo()
{
    if (done_.empty())
        return;
    --changeCount_;
    UndoCommand* record = done_.last();
    done_.truncate(done_.count() - 1);
    if (record->revert())
        undone_.append(record);
    else
        delete record;
}

void UndoStack::redo()
{
    if (undone_.empty())
        return;
    ++changeCount_;
    UndoCommand* record = undone_.last();
    undone_.truncate(undone_.count() - 1);
    if (record->reapply())
        store(record);
    else
        delete record;
}

void UndoStack::clear()
{
    for (UndoCommand* r : done_)
        delete r;
    done_.clear();
    destroyUndone();
}

void UndoStack::destroyUndone()
{
    for (UndoCommand* r : undone_)
        delete r;
    undone_.clear();
}
