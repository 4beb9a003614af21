#pragma once
// Undo record of a deletion: performs it when pushed by taking the objects
// out of the scene and holding them; undo puts them back at their places.
#include <vector>

#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/UndoCommand.h"

class URdeleteShapes : public UndoCommand {
public:
    // `objects` may list an object more than once; it is deleted (and later released) once.
    URdeleteShapes(SceneObjectManager& manager, const std::vector<Shape*>& objects);

    // Takes the objects out of the scene and holds them; true.
    bool apply() override;
    // Puts them back; true.
    bool revert() override;
    // Takes them out again; true.
    bool reapply() override;

    const std::vector<Shape*>& deletedObjects() const { return held_.objects(); }

private:
    HeldShapes held_;
};
