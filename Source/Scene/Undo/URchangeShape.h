#pragma once
// Undo record of everything a command may change on one object: its control
// mesh (through URChangeGeometry, differences only), its subdivision levels
// (how many are built, the current one, the level to toggle back to and the
// sculpted displacement of every level) and its object state (visibility,
// symmetry switch and plane, axis frame). Made before the edit, completed
// when pushed; undo and redo swap the shown state with the stored one.
#include <memory>

#include "Mesh/LevelStack.h"
#include "Mesh/MirrorPlane.h"
#include "Scene/Undo/URChangeGeometry.h"
#include "Scene/Undo/UndoCommand.h"

class Shape;

class URchangeShape : public UndoCommand {
public:
    // Captures the state of `object`, which must outlive the record.
    explicit URchangeShape(Shape& object);
    ~URchangeShape() override;

    // Keeps the differences from the object's current state; false (not
    // worth keeping) when the command changed nothing of it.
    bool apply() override;
    // Swaps the shown state with the stored one: the levels are built again
    // on the restored control mesh and take back their displacement. False,
    // changing nothing, when the geometry swap refuses.
    bool revert() override;
    bool reapply() override { return revert(); }

    // The object state outside the mesh lists.
    struct State {
        bool hidden = false;
        bool symmetry = false;
        MirrorPlane plane;
        float axis[4][3] = {};
        int builtLevels = 0;
        int currentLevel = 0;
        int toggleLevel = 1;
        DisplacementSnapshot displacement; // by vertex only, levels 1 and up
    };

private:
    Shape& object_;
    URChangeGeometry geometry_;
    std::unique_ptr<State> other_; // the state that is not shown
};
