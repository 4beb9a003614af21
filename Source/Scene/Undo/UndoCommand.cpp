#include "Scene/Undo/UndoCommand.h"

// Defined here so that the vtable lives in one translation unit.
UndoCommand::~UndoCommand() = default;
