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
    {52, 3}, {53, 0}, {54, 2}, {55, 1}, {304, 4}, {265, 5},
};

void chooseManipulator(const CommandCall& call)
{
    call.managers.toolManager->chooseManipulator(findValue(manipulatorKinds, call.id));
}

constexpr CommandValue constraints[] = {
    {206, 0}, {207, 1}, {208, 2}, {209, 4}, {210, 5}, {211, 6}, {212, 3},
};

void constrain(const CommandCall& call) { call.managers.toolManager->setConstraint(findValue(constraints, call.id)); }

void constrainToScreen(const CommandCall& call) { call.managers.toolManager->constrainToScreen(); }

constexpr CommandValue orientations[] = {{77, 1}, {203, 2}, {79, 3}};

void orientOnce(const CommandCall& call)
{
    call.managers.toolManager->orientManipulator(findValue(orientations, call.id));
}

constexpr CommandValue autoOrientations[] = {{198, 1}, {199, 2}, {200, 3}, {201, 4}, {202, 0}};

void orientAutomatically(const CommandCall& call)
{
    call.managers.toolManager->setAutoOrientation(findValue(autoOrientations, call.id));
}

struct ToolOperation {
    int id;
    void (SceneToolManager::*operation)();
};

constexpr ToolOperation toolOperations[] = {
    {22, &SceneToolManager::toggleManipulatorEditMode},
    {65, &SceneToolManager::setObjectAxis},
    {78, &SceneToolManager::orientSelectionToWorld},
    {121, &SceneToolManager::toggleRepositioning},
    {232, &SceneToolManager::recenterObjectAxis},
};

void runToolOperation(const CommandCall& call)
{
    for (const ToolOperation& o : toolOperations)
        if (o.id == call.id)
            (call.managers.toolManager->*o.operation)();
}

void nudgeBrush(const CommandCall& call) { call.managers.toolManager->nudgeBrush(call.id); }

constexpr CommandRoute routes[] = {
    {37, 37, startValueTool},   {39, 39, startValueTool},   {66, 66, startValueTool},
    {205, 205, startValueTool}, {215, 216, startValueTool}, {242, 242, startValueTool},
    // "Orient", "Split Loop" (the tool splits the loop first), the drawing
    // tools, displacement painting, "Test Tool" and "Local Rotate".
    {130, 130, startTool},      {45, 45, startTool},        {41, 41, startTool},
    {44, 44, startTool},        {71, 72, startTool},        {239, 239, startTool},
    {250, 250, startTool},      {275, 275, startTool},      {308, 308, startTool},
    {100118, 100118, startTool},
    {52, 55, chooseManipulator}, {265, 265, chooseManipulator}, {304, 304, chooseManipulator},
    {206, 212, constrain},      {213, 213, constrainToScreen},
    {77, 77, orientOnce},       {79, 79, orientOnce},       {203, 203, orientOnce},
    {198, 202, orientAutomatically},
    {22, 22, runToolOperation}, {65, 65, runToolOperation}, {78, 78, runToolOperation},
    {121, 121, runToolOperation}, {232, 232, runToolOperation},
    {100053, 100059, nudgeBrush},
};

} // namespace

std::span<const CommandRoute> toolRoutes() { return routes; }
