#pragma once
// Undo record of the instance mirror setting of some objects: the setting
// and its plane, taken before the command. The mirrored instances
// themselves come and go through URaddShapes and URdeleteShapes.
#include <cstdint>
#include <vector>

#include "Mesh/MirrorPlane.h"
#include "Scene/Undo/UndoCommand.h"

class Shape;

class URinstanceMirror : public UndoCommand {
public:
    // Captures the setting of each of `objects`, which must outlive the record.
    explicit URinstanceMirror(const std::vector<Shape*>& objects);

    // False (not worth keeping) when no setting changed since construction.
    bool apply() override;
    // Swaps each object's setting and plane with the held ones; true.
    bool revert() override;
    bool reapply() override { return revert(); }

private:
    struct Held {
        Shape* object;
        int32_t setting;
        MirrorPlane plane;
    };
    std::vector<Held> held_; // the state that is not shown
};
