#pragma once
// How an object's current subdivision level maps back to its control mesh.
// Picking works on the level the user sees and selects the control element
// a level element descends from: a child face its control face, a half edge
// its control edge; a control vertex is found at its vertex point.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class InnerShape;
class Shape;

struct LevelMapping {
    int level = 0;                     // the object's current level; 0 maps everything to itself
    const InnerShape* mesh = nullptr;  // the current level's mesh (the object itself at level 0)
    int32_t meshChange = -1;           // mesh->changeCount when the lists below were built
    int32_t controlChange = -1;        // the control mesh's changeCount then
    std::vector<int32_t> faceControl;  // per level face: position of its control face, -1 for none
    std::vector<int32_t> edgeControl;  // per level edge: position of its control edge, -1 for none
    std::vector<int32_t> vertexPoint;  // per control vertex: position of its vertex point, -1 for none

    // f, e: positions in the level's lists; v: position in the control list.
    int controlFace(int f) const { return level == 0 ? f : faceControl[f]; }
    int controlEdge(int e) const { return level == 0 ? e : edgeControl[e]; }
    int levelVertex(int v) const { return level == 0 ? v : vertexPoint[v]; }
};

// Fills `out` for `object` at its current level by walking the level maps
// up from the control mesh. Levels with broken maps leave -1 entries.
void buildLevelMapping(Shape& object, LevelMapping& out);

// The mappings of the objects last picked from, rebuilt when an object's
// level, level mesh or either mesh's changeCount moved on.
class LevelMappings {
public:
    // Stays at its address until `retainOnly` drops the object.
    const LevelMapping& of(Shape& object);
    // Forgets objects other than `keep` (they may have left the scene).
    void retainOnly(const std::vector<Shape*>& keep);

private:
    std::vector<std::pair<const Shape*, std::unique_ptr<LevelMapping>>> cache_;
};
