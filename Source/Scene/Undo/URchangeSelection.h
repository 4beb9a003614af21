#pragma once
// Undo record of a selection change, on the selection stack: the selection
// mode and the selected objects and components, captured from the elements'
// `Selected` flags before a selection command runs. Undo and redo swap the
// stored selection with the current one.
#include <cstdint>
#include <functional>
#include <vector>

#include "Scene/Undo/UndoCommand.h"

class SceneObjectManager;
class Shape;

class URchangeSelection : public UndoCommand {
public:
    // Selection modes and the components each one records (objects always).
    enum Mode { VertexMode = 0, EdgeMode = 1, FaceMode = 2, MultiMode = 3, ObjectMode = 4 };
    // Bit 2 of `flags2`: the element may not be selected.
    static constexpr uint8_t ExcludedFromSelection = 1 << 2;

    // The mode and whether the multi mode was chosen (the mode then follows
    // the picked element).
    struct ModeState {
        int mode = ObjectMode;
        bool multi = false;
    };
    // How the record reaches the selection manager's mode. `current`
    // answers the state now (without it the stored state is taken as
    // current); `restore` sets the given state and rebuilds the cached
    // selection lists from the flags.
    struct ModeAccess {
        std::function<ModeState()> current;
        std::function<void(ModeState)> restore;
    };

    // Stored selection of one object: components by their list positions.
    struct ObjectSelection {
        Shape* object = nullptr;
        bool selected = false;
        std::vector<int32_t> vertices, edges, faces;
        bool any() const { return selected || !vertices.empty() || !edges.empty() || !faces.empty(); }
    };
    // Captures, over every object of `objects`, the selected objects and the
    // selected components that `mode` records; the multi choice comes from
    // `access`.
    URchangeSelection(SceneObjectManager& objects, int mode, ModeAccess access = {});
    // Takes a selection captured already (objects with anything recorded,
    // as `captureObject` gives them), for a caller that passes over the
    // elements anyway.
    URchangeSelection(SceneObjectManager& objects, std::vector<ObjectSelection> stored, int mode,
                      ModeAccess access = {});
    // What the record keeps of one object in `mode`; `any` tells whether
    // it holds anything.
    static ObjectSelection captureObject(Shape& object, int mode);

    bool apply() override { return true; }
    // Swap: keeps the current selection, deselects everything, selects the
    // stored mode's elements again (never Hidden or excluded ones, nor
    // elements of objects that left the scene or positions past a list's
    // end), restores the mode and refreshes. Always true.
    bool revert() override;
    bool reapply() override { return revert(); }

    int mode() const { return state_.mode; }
    bool multi() const { return state_.multi; }
    const std::vector<ObjectSelection>& stored() const { return stored_; }

private:
    void capture(int mode);

    SceneObjectManager& objects_;
    ModeAccess access_;
    ModeState state_;
    std::vector<ObjectSelection> stored_; // objects with anything recorded
};
