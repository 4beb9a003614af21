#pragma once
// Undo record of a selection change, on the selection stack: the selection
// mode and the selected objects and components, captured from the elements'
// `Selected` flags before a selection command runs. Undo and redo swap the
// stored selection with the current one.
#include <cstdint>
#include <functional>
#include <vector>

#include "Scene/UndoCommand.h"

class SceneObjectManager;
class Shape;

class URchangeSelection : public UndoCommand {
public:
    // Selection modes and the components each one records (objects always).
    enum Mode { VertexMode = 0, EdgeMode = 1, FaceMode = 2, MultiMode = 3, ObjectMode = 4 };
    // Bit 2 of `flags2`: the element may not be selected.
    static constexpr uint8_t ExcludedFromSelection = 1 << 2;

    // How the record reaches the selection manager's mode. `currentMode`
    // answers the mode now (without it the stored mode is taken as current);
    // `restore` sets the given mode and rebuilds the cached selection lists
    // from the flags.
    struct ModeAccess {
        std::function<int()> currentMode;
        std::function<void(int mode)> restore;
    };

    // Captures, over every object of `objects`, the selected objects and the
    // selected components that `mode` records.
    URchangeSelection(SceneObjectManager& objects, int mode, ModeAccess access = {});

    bool apply() override { return true; }
    // Swap: keeps the current selection, deselects everything, selects the
    // stored mode's elements again (never Hidden or excluded ones, nor
    // elements of objects that left the scene or positions past a list's
    // end), restores the mode and refreshes. Always true.
    bool revert() override;
    bool reapply() override { return revert(); }

    int mode() const { return mode_; }
    // Stored selection of one object: components by their list positions.
    struct ObjectSelection {
        Shape* object = nullptr;
        bool selected = false;
        std::vector<int32_t> vertices, edges, faces;
    };
    const std::vector<ObjectSelection>& stored() const { return stored_; }

private:
    void capture(int mode);

    SceneObjectManager& objects_;
    ModeAccess access_;
    int mode_;
    std::vector<ObjectSelection> stored_; // objects with anything recorded
};
