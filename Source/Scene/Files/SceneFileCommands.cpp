// The file commands of the application manager, by command id, and the
// recent files of the File menu.
#include <iterator>

#include "Settings/CommandIds.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/TavoApplicationWindow.h"

namespace {

using FileAction = void (*)(SceneApplicationManager& app, int commandId, const std::string& argument);

struct FileCommandRow {
    int firstId;
    int lastId;
    FileAction action;
};

constexpr int firstRecentFile = 100010;

const char* const renderExternalMessage =
    "Render External needs the exchange formats, which this version of Tavo cannot write yet.";

constexpr FileCommandRow fileCommands[] = {
    {CommandId::Exit, CommandId::Exit, [](SceneApplicationManager& a, int, const std::string&) {
         if (a.window)
             a.window->requestClose();
     }},
    {CommandId::NewScene, CommandId::NewScene, [](SceneApplicationManager& a, int, const std::string&) { a.newScene(); }},
    {CommandId::OpenScene, CommandId::OpenScene, [](SceneApplicationManager& a, int, const std::string& path) { a.openScene(path); }},
    {CommandId::SaveScene, CommandId::SaveScene, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneFromCommand(path); }},
    {CommandId::SaveSceneAs, CommandId::SaveSceneAs, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneAs("Save Scene", false, false, path); }},
    {CommandId::LoadIntoScene, CommandId::LoadIntoScene, [](SceneApplicationManager& a, int, const std::string& path) { a.loadIntoScene(path); }},
    {CommandId::SaveSelectedObjects, CommandId::SaveSelectedObjects, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSelectedObjects(path); }},
    {CommandId::RevertToAutosaved, CommandId::RevertToAutosaved, [](SceneApplicationManager& a, int, const std::string&) { a.revertToAutosaved(); }},
    {CommandId::SaveScreenshot, CommandId::SaveScreenshot, [](SceneApplicationManager& a, int, const std::string& path) { a.saveScreenshot(path); }},
    {CommandId::RenderExternal, CommandId::RenderExternal, [](SceneApplicationManager& a, int, const std::string&) {
         a.report(renderExternalMessage, SceneApplicationManager::StatusReport);
     }},
    {CommandId::SaveAllSettings, CommandId::LoadAllSettings, [](SceneApplicationManager& a, int id, const std::string& path) { a.settingsFileCommand(id, path); }},
    {CommandId::SaveIncremental, CommandId::SaveIncremental, [](SceneApplicationManager& a, int, const std::string&) { a.saveIncremental(); }},
    {CommandId::ExportScene, CommandId::ExportScene, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneAs("Export Scene", true, false, path); }},
    {firstRecentFile, firstRecentFile + 4, [](SceneApplicationManager& a, int id, const std::string&) {
         a.openRecentFile(id - firstRecentFile);
     }},
    {CommandId::ClearFileHistory, CommandId::ClearFileHistory, [](SceneApplicationManager& a, int, const std::string&) {
         a.recentFiles.clear();
         a.recentFilesChanged();
     }},
};

} // namespace

void SceneApplicationManager::fileCommand(int commandId, const std::string& argument)
{
    for (const FileCommandRow& row : fileCommands)
        if (commandId >= row.firstId && commandId <= row.lastId) {
            row.action(*this, commandId, argument);
            return;
        }
}

void SceneApplicationManager::openRecentFile(int index)
{
    std::string path = recentFiles.at(static_cast<size_t>(index));
    if (!path.empty())
        openScene(path);
}

void SceneApplicationManager::recentFilesChanged()
{
    if (!recentFilesPath.empty())
        recentFiles.save(recentFilesPath);
    if (window)
        window->showRecentFiles(recentFiles.paths());
}

std::string SceneApplicationManager::chosenFile(const std::string& argument, bool save, const std::string& title,
                                                const std::vector<FileType>& types)
{
    if (!argument.empty() || !window)
        return argument;
    return window->chooseFile(save, title, types);
}

void SceneApplicationManager::saveScreenshot(const std::string& path)
{
    static const std::vector<FileType> imageTypes = {
        {"png", "PNG Image"}, {"jpg", "JPEG Image"}, {"bmp", "BMP Image"}, {"tif", "TIFF Image"}};
    std::string target = chosenFile(path, true, "Save Screenshot", imageTypes);
    if (target.empty())
        return;
    if (window && window->saveScreenshot(target))
        report("Screenshot saved to " + target, StatusReport);
    else
        report("Could not save the screenshot to " + target + ".", StatusReport);
}
