#pragma once
// Runs commands: the dispatch every command goes through, the handlers that
// change geometry, the geometry and selection undo stacks, and the last
// repeatable command.
#include <cstdint>
#include <string>

#include "Settings/CommandIds.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/ObjectClipboard.h"
#include "Scene/SceneManager.h"
#include "Scene/Undo/UndoStack.h"

class UndoCommand;

class SceneCommandManager : public SceneManager {
public:
    SceneCommandManager();

    // Runs a command: remembers it for "Repeat", lets an active tool take
    // it, refuses it in UV space, applies the release and hold rules of
    // modes 2 to 4, loads custom primitives and otherwise runs its handler.
    // mode: 0 to 4 (SceneManager::ExecutionMode); x, y: the viewport
    // position for gesture and mouse-bound commands. A command not built
    // yet says so in the status bar. Always returns 1.
    virtual int dispatch(int commandId, const std::string& argument, int mode, int x, int y);
    // Runs only the handler of modes 0 and 1 (no "Repeat" memory, no status
    // message); nothing for an id without one.
    void runHandler(int commandId, const std::string& argument, int x, int y);
    // Whether this build carries the command out; a shell that supplies
    // the missing work overrides it.
    virtual bool commandAvailable(int commandId) const { return isCommandAvailable(commandId); }
    // Whether the geometry undo stack holds changes not yet saved.
    virtual bool hasUnsavedChanges() { return unsavedChanges || geometryUndo.hasUnsavedChanges(); }

    // When no earlier manager took the press, runs the bound command (if
    // any) in press mode through the window and takes the press.
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override;
    // Runs "Delete" directly.
    bool deleteKey() override;

    // --- undo ---
    // Records a geometry change: pushes `record` (owned from now on) on the
    // geometry stack and, when it was kept, marks the scene modified; when
    // the stack had no unsaved changes before, the window title gains its
    // "*". Commands that record several changes use UndoStep.
    void pushUndo(UndoCommand* record);
    // Pushes the current selection mode and selected elements on the
    // selection stack, before a selection command changes them; the
    // selection lists are rebuilt on the way.
    void recordSelection();
    // "Undo" and "Redo": an active tool steps back (forward) itself, or the
    // geometry stack does; the selection display is refreshed and the scene
    // redrawn on this pass and the next.
    void undo();
    void redo();
    // "Undo Selection" and "Redo Selection".
    void undoSelection();
    void redoSelection();
    // After the scene was saved or opened: no unsaved changes; title updated.
    void markSaved();
    // The scene was cleared: both stacks emptied and marked saved.
    void clearUndo();

    // --- handlers of this manager ---
    // mode: 0 flat, 1 smooth, 2 fast, 3 ghosted, 4 wireframe; for every selected object.
    void setShadingMode(int mode);
    // Sets or clears an `InnerShape::displayFlags` bit on every selected object.
    void setDisplayFlag(uint32_t flag, bool on);
    // Shows or hides the textures of every selected object.
    void setTextureShown(bool on);
    // Refuses in UV space, where components cannot be deleted.
    void deleteSelection();

    // --- operations the handlers call ---
    // Deletes the selected geometry (model space).
    virtual void deleteGeometry();
    // The topology commands (triangulate, booleans, duplicate, crease, mirror, ...);
    // ids without a handler yet do nothing.
    virtual void editTopology(int commandId);
    // "Subdivide", "Refine Control Mesh", "Unsubdivide", "Clear Higher
    // Subdivision", "Toggle Current Subdivision".
    virtual void changeSubdivision(int commandId);
    // The UV editing commands (pins, seams, nudges, layout, unwrapping, export).
    virtual void editUVs(int commandId);
    // "Generate Normal Map", "Generate Displacement Map".
    virtual void generateMap(int /*commandId*/) {}

    UndoStack geometryUndo;   // "Undo" and "Redo"; consulted before closing
    UndoStack selectionUndo;  // "Undo Selection" and "Redo Selection"
    ObjectClipboard clipboard; // "Copy" fills it, "Paste" reads it
    int32_t lastCommand = CommandId::NoFunction; // last repeatable command; "No Function" until one ran
    // Forces the unsaved state whatever the stack says; cleared with it by markSaved.
    bool unsavedChanges = false;

private:
    // The "Undo Level" setting, or the stack's default without a registry.
    int undoLevel() const;
    // Updates the title when the geometry stack's unsaved state changed.
    void titleAfter(bool hadUnsavedChanges);
};
