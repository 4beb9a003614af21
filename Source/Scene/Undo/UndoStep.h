#pragma once
// One command's records kept as one undo step, the single way every handler
// records a scene change. Open a step before the edit and watch the objects
// it may change, or push records made by the handler; when the step goes
// out of scope the watched objects are recorded and the group is closed. A
// record that changed nothing is dropped, and a step that kept nothing
// leaves no step, no unsaved change and the redo list as it was.
//
//     {
//         UndoStep step(commands);
//         step.watch(shape);   // before the edit
//         shape.subdivide();
//     }                        // one "Undo" brings the shape back
#include <vector>

class SceneCommandManager;
class Shape;
class UndoCommand;

class UndoStep {
public:
    explicit UndoStep(SceneCommandManager& commands);
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;
    // Records the watched objects, closes the group; when a step was stored
    // the scene counts as modified and the window title follows.
    ~UndoStep();

    // Captures `object` now, before the edit; recorded when the step closes.
    void watch(Shape& object);
    // Pushes `record` (owned from now on) into the step at once.
    void push(UndoCommand* record);

private:
    SceneCommandManager& commands_;
    bool hadUnsavedChanges_;
    std::vector<UndoCommand*> watched_; // owned until the step closes
};
