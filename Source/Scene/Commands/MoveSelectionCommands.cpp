// "Move Selection Up", "Down", "Left" and "Right" (5 to 8): a small step of
// the selection across the screen. In UV space they are the UV nudges.
#include <unordered_set>

#include <algorithm>

#include "Mesh/ObjectCopies.h"
#include "Mesh/ShapeInstance.h"
#include "Scene/Commands/MeshEditSupport.h"
#include "Scene/Commands/TopologyCommands.h"
#include "Scene/Commands/UVCommands.h"
#include "Scene/Undo/UndoCommand.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

// Undo of a moved instance: its transform and axis frame, which the
// snapshot of an object's own mesh does not hold. Made before the move,
// pushed after it.
class URplaceInstance : public UndoCommand {
public:
    explicit URplaceInstance(ShapeInstance& instance) : instance_(instance) { capture(other_); }
    bool apply() override
    {
        Placement now;
        capture(now);
        return !std::equal(now.transform, now.transform + 16, other_.transform);
    }
    bool revert() override
    {
        Placement shown;
        capture(shown);
        std::copy(other_.transform, other_.transform + 16, instance_.transform);
        for (int i = 0; i < 4; ++i)
            instance_.axisFrame[i].setPosition(other_.axis[i].x, other_.axis[i].y, other_.axis[i].z);
        other_ = shown;
        return true;
    }
    bool reapply() override { return revert(); }

private:
    struct Placement {
        float transform[16];
        Point3D axis[4];
    };
    void capture(Placement& out) const
    {
        std::copy(instance_.transform, instance_.transform + 16, out.transform);
        for (int i = 0; i < 4; ++i)
            out.axis[i] = instance_.axisFrame[i];
    }
    ShapeInstance& instance_;
    Placement other_; // the placement not shown
};

// How far one step goes, in pixels of the active view.
constexpr float stepPixels = 10.0f;

struct ScreenStep {
    int id;
    int uvNudge; // the nudge it is in UV space
    float right, up;
};

constexpr ScreenStep screenSteps[] = {
    {CommandId::MoveSelectionUp, CommandId::NudgeUVsVPlus, 0, 1},
    {CommandId::MoveSelectionDown, CommandId::NudgeUVsV, 0, -1},
    {CommandId::MoveSelectionLeft, CommandId::NudgeUVsU, -1, 0},
    {CommandId::MoveSelectionRight, CommandId::NudgeUVsUPlus, 1, 0},
};

// The world offset of one step: the active view's screen axes, or the
// front view's (x right, y up) while no view is on screen.
Point3D worldStep(const SceneManagers& managers, const ScreenStep& step)
{
    const SceneDisplayManager& display = *managers.displayManager;
    const ViewProjection view = display.activeView();
    Point3D right(1, 0, 0), up(0, 1, 0);
    if (view.viewport.width > 0 && view.viewport.height > 0) {
        const double* m = view.modelview;
        right = Point3D(float(m[0]), float(m[4]), float(m[8]));
        up = Point3D(float(m[1]), float(m[5]), float(m[9]));
    }
    return (right * step.right + up * step.up) * display.worldLength(stepPixels);
}

void moveVertices(Shape& object, const List<Vertex*>& vertices, const Point3D& offset)
{
    std::unordered_set<Vertex*> moved;
    for (Vertex* v : vertices)
        if (moved.insert(v).second)
            v->setPosition(v->x + offset.x, v->y + offset.y, v->z + offset.z);
    object.update(true, true, -1);
}

void moveSelection(const SceneManagers& managers, const ScreenStep& step)
{
    if (managers.objectManager->uvSpace) {
        runUVCommand(managers, step.uvNudge);
        return;
    }
    SelectedElements selection(managers);
    // Objects move whole (instances included); components of objects with
    // a mesh of their own move their vertices.
    std::erase_if(selection.perObject(), [](const ObjectSelection& s) {
        const int kind = s.object->shapeKind();
        return kind != InnerShape::KindShape && !(s.whole && kind == InnerShape::KindShapeInstance);
    });
    if (selection.empty()) {
        say(managers, Refusal::NothingSelected);
        return;
    }
    const Point3D offset = worldStep(managers, step);
    {
        UndoStep undo(*managers.commandManager);
        for (ObjectSelection& s : selection.perObject()) {
            if (s.object->shapeKind() == InnerShape::KindShapeInstance) {
                auto* record = new URplaceInstance(static_cast<ShapeInstance&>(*s.object));
                moveObject(*s.object, offset);
                undo.push(record);
                continue;
            }
            undo.watch(*s.object);
            if (s.whole)
                moveObject(*s.object, offset);
            else
                moveVertices(*s.object, touchedVertices(s), offset);
        }
    }
    finishEdit(managers);
}

void moveUp(const SceneManagers& managers) { moveSelection(managers, screenSteps[0]); }
void moveDown(const SceneManagers& managers) { moveSelection(managers, screenSteps[1]); }
void moveLeft(const SceneManagers& managers) { moveSelection(managers, screenSteps[2]); }
void moveRight(const SceneManagers& managers) { moveSelection(managers, screenSteps[3]); }

constexpr TopologyCommand moveTable[] = {
    {CommandId::MoveSelectionUp, moveUp},
    {CommandId::MoveSelectionDown, moveDown},
    {CommandId::MoveSelectionLeft, moveLeft},
    {CommandId::MoveSelectionRight, moveRight},
};

} // namespace

std::span<const TopologyCommand> moveSelectionCommands()
{
    return moveTable;
}
