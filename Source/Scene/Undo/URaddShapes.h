#pragma once
// Undo record of a creation command: remembers which objects the scene had
// before, finds the new ones when pushed, and takes them out of the scene on
// undo (holding them) and puts them back on redo.
#include <utility>
#include <vector>

#include "Scene/Undo/UndoCommand.h"

class SceneObjectManager;
class Shape;
class TextureProxy;

// Objects a record can take out of the scene and put back at the places they
// had. While they are out the holder owns them: destroying it then releases
// each object once.
class HeldShapes {
public:
    explicit HeldShapes(SceneObjectManager& manager) : manager_(manager) { }
    HeldShapes(const HeldShapes&) = delete;
    HeldShapes& operator=(const HeldShapes&) = delete;
    ~HeldShapes();

    // The objects to move, each kept once, in the order given. Only while in the scene.
    void setObjects(const std::vector<Shape*>& objects);
    // Removes the objects from the scene's list (those no longer there are
    // skipped and never owned) and remembers their positions.
    void takeOut();
    // Reinserts the held objects at their remembered positions.
    void putBack();
    bool isOut() const { return out_; }
    const std::vector<Shape*>& objects() const { return objects_; }

private:
    bool shownByAnInstance(const Shape* object) const;
    SceneObjectManager& manager_;
    std::vector<Shape*> objects_; // distinct
    std::vector<int> positions_;  // per object its position before takeOut, -1 when it was not in the scene
    bool out_ = false;            // the objects with a position are out of the scene and owned
    // Proxies in the scene whose owner is held out, with that owner; their
    // owner pointer is null until putBack.
    std::vector<std::pair<TextureProxy*, Shape*>> orphaned_;
};

class URaddShapes : public UndoCommand {
public:
    // Call before the creation command makes its objects.
    explicit URaddShapes(SceneObjectManager& manager);

    // The objects now in the scene that were not there at construction; true.
    bool apply() override;
    // Takes the new objects out and holds them; true.
    bool revert() override;
    // Puts them back; true.
    bool reapply() override;

    const std::vector<Shape*>& createdObjects() const { return held_.objects(); }

private:
    SceneObjectManager& manager_;
    std::vector<Shape*> before_; // the scene's objects at construction, not owned
    HeldShapes held_;
};
