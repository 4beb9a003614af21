// The file commands of the application manager, by command id, and the
// recent files of the File menu.
#include <iterator>

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
    {9, 9, [](SceneApplicationManager& a, int, const std::string&) {
         if (a.window)
             a.window->requestClose();
     }},
    {95, 95, [](SceneApplicationManager& a, int, const std::string&) { a.newScene(); }},
    {96, 96, [](SceneApplicationManager& a, int, const std::string& path) { a.openScene(path); }},
    {97, 97, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneFromCommand(path); }},
    {98, 98, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneAs("Save Scene", false, false, path); }},
    {99, 99, [](SceneApplicationManager& a, int, const std::string& path) { a.loadIntoScene(path); }},
    {101, 101, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSelectedObjects(path); }},
    {122, 122, [](SceneApplicationManager& a, int, const std::string&) { a.revertToAutosaved(); }},
    {128, 128, [](SceneApplicationManager& a, int, const std::string& path) { a.saveScreenshot(path); }},
    {190, 190, [](SceneApplicationManager& a, int, const std::string&) {
         a.report(renderExternalMessage, SceneApplicationManager::StatusReport);
     }},
    {237, 238, [](SceneApplicationManager& a, int id, const std::string& path) { a.settingsFileCommand(id, path); }},
    {272, 272, [](SceneApplicationManager& a, int, const std::string&) { a.saveIncremental(); }},
    {303, 303, [](SceneApplicationManager& a, int, const std::string& path) { a.saveSceneAs("Export Scene", true, false, path); }},
    {firstRecentFile, firstRecentFile + 4, [](SceneApplicationManager& a, int id, const std::string&) {
         a.openRecentFile(id - firstRecentFile);
     }},
    {100116, 100116, [](SceneApplicationManager& a, int, const std::string&) {
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
