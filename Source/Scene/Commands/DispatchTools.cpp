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

constexpr CommandValue manipulatorKinds[] = {
    {CommandId::UniversalManipulatorTool, 3}, {CommandId::MoveManipulatorTool, 0},
    {CommandId::RotateManipulatorTool, 2},    {CommandId::ScaleManipulatorTool, 1},
    {CommandId::SnapManipulatorTool, 4},      {CommandId::NoManipulatorTool, 5},
};

void chooseManipulator(const CommandCall& call)
{
    call.managers.toolManager->chooseManipulator(findValue(manipulatorKinds, call.id));
}

constexpr CommandValue constraints[] = {
    {CommandId::ConstrainToXAxis, 0},   {CommandId::ConstrainToYAxis, 1},   {CommandId::ConstrainToZAxis, 2},
    {CommandId::ConstrainToXYPlane, 4}, {CommandId::ConstrainToYZPlane, 5}, {CommandId::ConstrainToXZPlane, 6},
    {CommandId::ConstrainFree, 3},
};

void constrain(const CommandCall& call) { call.managers.toolManager->setConstraint(findValue(constraints, call.id)); }

void constrainToScreen(const CommandCall& call) { call.managers.toolManager->constrainToScreen(); }

constexpr CommandValue orientations[] = {{CommandId::OrientManipulatorToWorld, 1},
                                         {CommandId::OrientManipulatorToObject, 2},
                                         {CommandId::OrientManipulatorToNormal, 3}};

void orientOnce(const CommandCall& call)
{
    call.managers.toolManager->orientManipulator(findValue(orientations, call.id));
}

constexpr CommandValue autoOrientations[] = {{CommandId::AutoOrientManipToWorld, 1},
                                             {CommandId::AutoOrientManipToObject, 2},
                                             {CommandId::AutoOrientManipToNormal, 3},
                                             {CommandId::AutoOrientManipOff, 4},
                                             {CommandId::AutoOrientManipStandard, 0}};

void orientAutomatically(const CommandCall& call)
{
    call.managers.toolManager->setAutoOrientation(findValue(autoOrientations, call.id));
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
