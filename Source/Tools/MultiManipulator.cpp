#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Undo/URinitTool.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/ValueTools.h"

namespace {

constexpr Handle memberHandle(int i) { return {i, HandleShape::Sphere, 0, false, 0.3f + 0.17f * i, 0.05f}; }

constexpr std::array<Handle, 6> table = {
    {memberHandle(0), memberHandle(1), memberHandle(2), memberHandle(3), memberHandle(4), memberHandle(5)}};

} // namespace

MultiManipulator::MultiManipulator(ManipulatorFrame& f, const std::array<ValueManipulator*, 6>& members)
    : ValueManipulator(f, CommandId::LocalMove), members_(members)
{
    showsValue = false;
}

std::span<const Handle> MultiManipulator::handles() const { return table; }

bool MultiManipulator::start()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole; });
    if (selected.empty())
        return false;
    scene->commandManager->pushUndo(new URinitTool(*scene->toolManager));
    scene->toolManager->rebuildFrame();
    member_ = nullptr;
    return true;
}

bool MultiManipulator::mousePress(int x, int y, int button, int modifiers, int action, Camera* camera)
{
    if (button == 2) {
        scene->toolManager->exitTools();
        return true;
    }
    const int handle = member_ ? -1 : pickHandle(x, y, camera);
    if (handle == -1)
        return false;
    ValueManipulator* member = members_[handle];
    // A member that cannot start has said why; the press is still taken.
    if (!member->activate())
        return true;
    if (!member->mousePress(x, y, button, modifiers, action, camera))
        member->setActiveHandle(0);
    member_ = member;
    redrawNeeded = true;
    return true;
}

bool MultiManipulator::mouseDrag(int x, int y, Camera* camera)
{
    if (!member_)
        return false;
    redrawNeeded = true;
    return member_->mouseDrag(x, y, camera);
}

bool MultiManipulator::mouseHover(int x, int y, Camera* camera)
{
    return member_ ? mouseDrag(x, y, camera) : Manipulator::mouseHover(x, y, camera);
}

bool MultiManipulator::mouseRelease(int x, int y, Camera* camera)
{
    if (!member_)
        return false;
    member_->mouseRelease(x, y, camera);
    member_->deactivate();
    member_ = nullptr;
    frame->finish();
    // The handles stand at the selection again for the next press.
    scene->toolManager->rebuildFrame();
    redrawNeeded = true;
    return false;
}

void MultiManipulator::targetChanged()
{
    if (starting || member_)
        return;
    scene->toolManager->rebuildFrame();
    activeHandle = -1;
    redrawNeeded = true;
}
