#pragma once
// Runs commands: the handlers that change geometry, the geometry and
// selection undo stacks, and the last repeatable command.
#include <string>

#include "Scene/SceneManager.h"

class SceneCommandManager : public SceneManager {
public:
    // The command "Delete": what Backspace and Delete run when no tool takes them.
    static constexpr int DeleteCommand = 10;

    // Runs the handler of commandId with its argument, execution mode and
    // mouse position; returns the handler's result. Unknown ids and 150
    // ("No Function") do nothing and return 0.
    virtual int dispatch(int commandId, const std::string& argument, int mode, int x, int y);
    // Whether the geometry undo stack holds changes not yet saved.
    virtual bool hasUnsavedChanges() { return unsavedChanges; }

    // When no earlier manager took the press, runs the bound command (if
    // any) in press mode through the window and takes the press.
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override;
    // Runs "Delete" directly.
    bool deleteKey() override;

    bool unsavedChanges = false; // stands for the geometry undo stack's saved mark until that stack exists
};
