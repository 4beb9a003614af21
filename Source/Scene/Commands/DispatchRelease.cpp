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

constexpr int subdivide = 47;
constexpr int unsubdivide = 50;

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

constexpr CommandRoute releases[] = {
    {206, 213, endConstraintDrag},
    {37, 37, dropTool},   {39, 39, dropTool},   {45, 45, dropTool},   {66, 66, dropTool},
    {73, 73, dropTool},   {130, 130, dropTool}, {178, 178, dropTool}, {205, 205, dropTool},
    {215, 216, dropTool}, {242, 242, dropTool}, {250, 250, dropTool},
    {41, 41, completeDrawing}, {44, 44, completeDrawing}, {71, 72, completeDrawing}, {275, 275, completeDrawing},
    {52, 55, restoreManipulator}, {265, 265, restoreManipulator}, {304, 304, restoreManipulator},
    {47, 47, unsubdivideAgain}, {50, 50, subdivideAgain}, {100, 100, runAgain},
    {92, 92, executeAgain}, {132, 132, executeAgain}, {149, 149, executeAgain}, {302, 302, executeAgain},
    {148, 148, snappingOff}, {184, 184, snappingOff}, {247, 247, snappingOff},
};

void keepTool(const CommandCall& call)
{
    call.managers.toolManager->keepToolActive();
    call.managers.toolManager->redrawRequested = true;
}

constexpr CommandRoute tapReleases[] = {
    {37, 37, keepTool},   {39, 39, keepTool},   {66, 66, keepTool}, {130, 130, keepTool},
    {205, 205, keepTool}, {215, 216, keepTool}, {242, 242, keepTool},
    {45, 45, dropTool},
};

} // namespace

std::span<const CommandRoute> releaseRoutes() { return releases; }
std::span<const CommandRoute> tapReleaseRoutes() { return tapReleases; }
