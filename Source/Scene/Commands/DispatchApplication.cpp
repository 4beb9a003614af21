// Commands the application manager carries out: option groups and editor
// windows, files, help, the context menu, the about box and the refresh
// actions the option windows send.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneToolManager.h"

namespace {

void showOptions(const CommandCall& call) { call.managers.applicationManager->showOptionGroup(call.id); }

constexpr int paintDisplacementCommand = 250;
constexpr int brushEditorCommand = 251;

void showEditor(const CommandCall& call)
{
    call.managers.applicationManager->showEditor(call.id);
    // The brush editor is only of use while painting.
    if (call.id == brushEditorCommand)
        call.managers.toolManager->activateTool(paintDisplacementCommand);
}

void showCreationProperties(const CommandCall& call)
{
    call.managers.applicationManager->showCreationProperties(call.id);
}

void showToolProperties(const CommandCall& call) { call.managers.applicationManager->showToolProperties(); }
void showCreateProperties(const CommandCall& call) { call.managers.applicationManager->showCreateProperties(); }

void fileCommand(const CommandCall& call) { call.managers.applicationManager->fileCommand(call.id, call.argument); }

void showHelp(const CommandCall& call) { call.managers.applicationManager->showHelp(call.id); }

void showContextMenu(const CommandCall& call) { call.managers.applicationManager->showContextMenu(call.x, call.y); }

void showAbout(const CommandCall& call) { call.managers.applicationManager->showAbout(); }

// The refresh actions 100070 to 100074: the manager re-reads its settings.
void refreshManager(const CommandCall& call)
{
    const SceneManagers& m = call.managers;
    SceneManager* const refreshed[] = {m.applicationManager, m.displayManager, m.commandManager, m.toolManager,
                                       m.applicationManager};
    constexpr int firstRefresh = 100070;
    refreshed[call.id - firstRefresh]->applySettings();
}

constexpr CommandRoute routes[] = {
    // Option groups, shown in the tool-options window.
    {49, 49, showOptions},      {74, 74, showOptions},      {119, 119, showOptions},
    {124, 125, showOptions},    {138, 142, showOptions},    {147, 147, showOptions},
    {161, 161, showOptions},    {177, 177, showOptions},    {189, 189, showOptions},
    {191, 191, showOptions},    {194, 194, showOptions},    {197, 197, showOptions},
    {204, 204, showOptions},    {214, 214, showOptions},    {218, 218, showOptions},
    {230, 230, showOptions},    {244, 244, showOptions},    {263, 264, showOptions},
    {271, 271, showOptions},    {273, 273, showOptions},    {283, 284, showOptions},
    {293, 293, showOptions},    {296, 296, showOptions},    {305, 305, showOptions},
    {100120, 100120, showOptions},
    // Editor windows.
    {86, 87, showEditor},       {113, 118, showEditor},     {193, 193, showEditor},
    {217, 217, showEditor},     {251, 252, showEditor},
    // Primitive and drawing-tool options, in the creation-properties window.
    {164, 176, showCreationProperties}, {240, 240, showCreationProperties}, {300, 300, showCreationProperties},
    {253, 253, showToolProperties},     {254, 254, showCreateProperties},
    // Files; 100010 to 100014 open the recent files 0 to 4.
    {9, 9, fileCommand},        {95, 99, fileCommand},      {101, 101, fileCommand},
    {122, 122, fileCommand},    {128, 128, fileCommand},    {190, 190, fileCommand},
    {237, 238, fileCommand},    {272, 272, fileCommand},    {303, 303, fileCommand},
    {100010, 100014, fileCommand}, {100116, 100116, fileCommand},
    {120, 120, showHelp},       {126, 126, showHelp},       {129, 129, showHelp},
    {9002, 9002, showContextMenu},
    {100008, 100008, showAbout},
    {100070, 100074, refreshManager},
};

} // namespace

std::span<const CommandRoute> applicationRoutes() { return routes; }
