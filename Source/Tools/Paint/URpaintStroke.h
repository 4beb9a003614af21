#pragma once
// Undo record of one brush stroke: every level vertex the stroke moved, with
// its position and displacement from before the stroke. Undo and redo swap
// both exactly, so no stencil is evaluated again and nothing drifts.
#include <vector>

#include "Scene/Undo/UndoCommand.h"

class Shape;
class Vertex;

class URpaintStroke : public UndoCommand {
public:
    // `level`: the level of `object` the stroke painted (0: the control mesh).
    URpaintStroke(Shape& object, int level) : object_(&object), level_(level) {}

    // Records vertex `index` of the level as it is now; call once per vertex,
    // before its first move.
    void addVertex(int index);
    int vertexCount() const { return static_cast<int>(vertices_.size()); }

    // False when the stroke moved nothing.
    bool apply() override { return !vertices_.empty(); }
    // Swaps every vertex's position and displacement with the stored ones,
    // then the object updates its normals. Vertices that can no longer be
    // found (the level is gone) are skipped. Always true.
    bool revert() override;
    bool reapply() override { return revert(); }

private:
    struct Stored {
        int index;
        float position[3];
        bool hasDisplacement;
        float displacement[3];
    };
    Vertex* resolve(int index) const;
    static Stored capture(int index, const Vertex& v);

    Shape* object_;
    int level_;
    std::vector<Stored> vertices_;
};
