#pragma once
// Undo record of texture-coordinate edits: every face's corner coordinates
// (u, v, w) of one object, reduced when pushed to the faces whose
// coordinates changed. Undo and redo swap them.
#include <cstdint>
#include <vector>

#include "Scene/Undo/UndoCommand.h"

class Face;
class InnerShape;

class URchangeTextures : public UndoCommand {
public:
    // Copies the coordinates of every corner of every face of `object`, holes included.
    explicit URchangeTextures(InnerShape& object);

    // Keeps only the faces whose coordinates differ now (or whose corner
    // count changed, which a later swap refuses); true.
    bool apply() override;
    // Swaps the kept faces' coordinates with the stored ones. False, changing
    // nothing, when a face is gone or its corner count differs.
    bool revert() override;
    bool reapply() override { return revert(); }

    int faceCount() const { return static_cast<int>(faces_.size()); }

private:
    struct FaceCoordinates {
        int32_t position;
        int32_t start; // into coordinates_, three floats per corner
        int32_t count; // corners, outer contour then holes
    };
    static int cornerCount(const Face& f);
    static void read(const Face& f, float* out);
    static void write(Face& f, const float* in);

    InnerShape& object_;
    std::vector<FaceCoordinates> faces_;
    std::vector<float> coordinates_;
};
