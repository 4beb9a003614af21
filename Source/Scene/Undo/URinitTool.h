#pragma once
// Pushed when a tool starts, so that the first "Undo" leaves the tool before
// it reverts anything the tool did.
#include <functional>

#include "Scene/Undo/UndoCommand.h"

class SceneToolManager;

class URinitTool : public UndoCommand {
public:
    // Undo runs the tool manager's exit protocol.
    explicit URinitTool(SceneToolManager& tools);
    // Undo calls `endTool` instead (a scene without a tool manager, tests).
    explicit URinitTool(std::function<void()> endTool);

    bool apply() override { return true; }
    // Ends the active tool; always true.
    bool revert() override;
    // Nothing: redo does not restart the tool.
    bool reapply() override { return true; }

private:
    std::function<void()> endTool_;
};
