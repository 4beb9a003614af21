// What a command does when its key is released: after a hold (or a mouse
// drag) the temporary tool or toggle ends; after a tap a tool stays on.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneToolManager.h"

namespace {

void endConstraintDrag(const CommandCall& call) { call.managers.toolManager->mouseRelease(call.x, call.y); }

void dropTool(const CommandCall& call) { call.managers.toolManager->exitTools(); }

void completeDrawing(const CommandCall& call)
{
    call.managers.toolManager->confirmKey();
    call.managers.toolManager->exitTools();
}

void restoreManipulator(const CommandCall& call) { call.managers.toolManager->restorePreviousManipulator(); }

constexpr int subdivide = CommandId::Subdivide;
constexpr int unsubdivide = CommandId::Unsubdivide;

// Handler only: the reverse step is neither shown nor remembered for "Repeat".
void unsubdivideAgain(const CommandCall& call) { call.commands.runHandler(unsubdivide, "", call.x, call.y); }
void subdivideAgain(const CommandCall& call) { call.commands.runHandler(subdivide, "", call.x, call.y); }
void runAgain(const CommandCall& call) { call.commands.runHandler(call.id, "", call.x, call.y); }

void executeAgain(const CommandCall& call)
{
    call.managers.applicationManager->executeCommand(call.id, "", SceneManager::ModeDirect, call.x, call.y);
}

void snappingOff(const CommandCall& call)
{
    SceneApplicationManager& app = *call.managers.applicationManager;
    app.snappingMode = SceneApplicationManager::NoSnapping;
    app.sceneChanged = true;
}

void keepTool(const CommandCall& call)
{
    call.managers.toolManager->keepToolActive();
    call.managers.toolManager->redrawRequested = true;
}

constexpr ReleaseHandler handlers[] = {
    {Release::EndConstraintDrag, endConstraintDrag},
    {Release::DropTool, dropTool},
    {Release::CompleteDrawing, completeDrawing},
    {Release::RestoreManipulator, restoreManipulator},
    {Release::UnsubdivideAgain, unsubdivideAgain},
    {Release::SubdivideAgain, subdivideAgain},
    {Release::RunAgain, runAgain},
    {Release::ExecuteAgain, executeAgain},
    {Release::SnappingOff, snappingOff},
    {Release::KeepTool, keepTool},
};

} // namespace

std::span<const ReleaseHandler> releaseHandlers() { return handlers; }
