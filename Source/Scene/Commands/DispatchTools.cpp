// Commands the tool manager carries out: starting tools, choosing the
// transform manipulator, constraints and manipulator orientation.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneToolManager.h"

namespace {

void startValueTool(const CommandCall& call)
{
    // A visible options window follows the tool that starts.
    SceneApplicationManager& app = *call.managers.applicationManager;
    if (app.toolOptionsVisible)
        app.showOptionGroup(valueToolOptionGroup(call.id));
    call.managers.toolManager->activateTool(call.id);
}

void startTool(const CommandCall& call) { call.managers.toolManager->activateTool(call.id); }

template <class Enum>
constexpr CommandValue row(int id, Enum value)
{
    return {id, static_cast<int>(value)};
}

constexpr CommandValue manipulatorKinds[] = {
    row(CommandId::UniversalManipulatorTool, ManipulatorKind::Universal),
    row(CommandId::MoveManipulatorTool, ManipulatorKind::Move),
    row(CommandId::RotateManipulatorTool, ManipulatorKind::Rotate),
    row(CommandId::ScaleManipulatorTool, ManipulatorKind::Scale),
    row(CommandId::SnapManipulatorTool, ManipulatorKind::Snapping),
    row(CommandId::NoManipulatorTool, ManipulatorKind::None),
};

void chooseManipulator(const CommandCall& call)
{
    call.managers.toolManager->chooseManipulator(static_cast<ManipulatorKind>(findValue(manipulatorKinds, call.id)));
}

constexpr CommandValue constraints[] = {
    row(CommandId::ConstrainToXAxis, Constraint::X),     row(CommandId::ConstrainToYAxis, Constraint::Y),
    row(CommandId::ConstrainToZAxis, Constraint::Z),     row(CommandId::ConstrainToXYPlane, Constraint::XY),
    row(CommandId::ConstrainToYZPlane, Constraint::YZ),  row(CommandId::ConstrainToXZPlane, Constraint::XZ),
    row(CommandId::ConstrainFree, Constraint::Free),
};

void constrain(const CommandCall& call)
{
    call.managers.toolManager->setConstraint(static_cast<Constraint>(findValue(constraints, call.id)));
}

void constrainToScreen(const CommandCall& call) { call.managers.toolManager->constrainToScreen(); }

constexpr CommandValue orientations[] = {row(CommandId::OrientManipulatorToWorld, Orientation::World),
                                         row(CommandId::OrientManipulatorToObject, Orientation::Object),
                                         row(CommandId::OrientManipulatorToNormal, Orientation::Normal)};

void orientOnce(const CommandCall& call)
{
    call.managers.toolManager->orientManipulator(static_cast<Orientation>(findValue(orientations, call.id)));
}

constexpr CommandValue autoOrientations[] = {row(CommandId::AutoOrientManipToWorld, Orientation::World),
                                             row(CommandId::AutoOrientManipToObject, Orientation::Object),
                                             row(CommandId::AutoOrientManipToNormal, Orientation::Normal),
                                             row(CommandId::AutoOrientManipOff, Orientation::Off),
                                             row(CommandId::AutoOrientManipStandard, Orientation::Standard)};

void orientAutomatically(const CommandCall& call)
{
    call.managers.toolManager->setAutoOrientation(
        static_cast<Orientation>(findValue(autoOrientations, call.id)));
}

struct ToolOperation {
    int id;
    void (SceneToolManager::*operation)();
};

constexpr ToolOperation toolOperations[] = {
    {CommandId::ManipulatorEditModeToggle, &SceneToolManager::toggleManipulatorEditMode},
    {CommandId::SetObjectAxis, &SceneToolManager::setObjectAxis},
    {CommandId::OrientSelectionToWorld, &SceneToolManager::orientSelectionToWorld},
    {CommandId::EnableManipRepositioningToggle, &SceneToolManager::toggleRepositioning},
    {CommandId::RecenterObjectAxis, &SceneToolManager::recenterObjectAxis},
};

void runToolOperation(const CommandCall& call)
{
    for (const ToolOperation& o : toolOperations)
        if (o.id == call.id)
            (call.managers.toolManager->*o.operation)();
}

void nudgeBrush(const CommandCall& call) { call.managers.toolManager->nudgeBrush(call.id); }

constexpr RouteHandler handlers[] = {
    {Route::StartValueTool, startValueTool},
    {Route::StartTool, startTool},
    {Route::ChooseManipulator, chooseManipulator},
    {Route::Constrain, constrain},
    {Route::ConstrainToScreen, constrainToScreen},
    {Route::OrientOnce, orientOnce},
    {Route::OrientAutomatically, orientAutomatically},
    {Route::RunToolOperation, runToolOperation},
    {Route::NudgeBrush, nudgeBrush},
};

} // namespace

std::span<const RouteHandler> toolHandlers() { return handlers; }
