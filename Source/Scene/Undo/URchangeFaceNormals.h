#pragma once
// Undo record of face flips: the winding of the faces whose orientation a
// command may change. Faces the command left alone are dropped when the
// record is pushed; undo and redo swap the winding of the rest.
#include <cstdint>
#include <vector>

#include "Mesh/Face.h"
#include "Mesh/List.h"
#include "Scene/Undo/UndoCommand.h"

class InnerShape;

class URchangeFaceNormals : public UndoCommand {
public:
    // Copies the corners (holes too) of each face of `faces` that belongs to `object`.
    URchangeFaceNormals(InnerShape& object, const List<Face*>& faces);

    // Keeps only the faces whose corners differ from their copy; true even when none do.
    bool apply() override;
    // Swaps every kept face's corners with the stored ones and lets the object
    // rebuild. False, changing nothing, when a face is gone or its contours
    // no longer match the stored ones in number and length.
    bool revert() override;
    bool reapply() override { return revert(); }

    int faceCount() const { return static_cast<int>(faces_.size()); }

private:
    // One face's contours: the outer one first, then each hole.
    struct Winding {
        int32_t position;
        std::vector<std::vector<Corner>> contours;
    };
    static void capture(const Face& f, std::vector<std::vector<Corner>>& out);

    InnerShape& object_;
    std::vector<Winding> faces_;
};
