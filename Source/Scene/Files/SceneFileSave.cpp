// Saving scenes: "Save Scene", "Save Scene As", "Export Scene...", "Save
// Selected Objects", "Save Incremental", and the question asked before a
// scene with unsaved changes is replaced.
#include <filesystem>
#include <system_error>

#include "Mesh/Shape.h"
#include "Scene/Files/IncrementalSave.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/Files/SceneFileContents.h"
#include "Settings/FileReplace.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Settings/OptionKeys.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* defaultExtension = ".tvb";

bool fileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace

bool SceneApplicationManager::confirmDiscard(const std::string& question)
{
    if (!managers->commandManager->hasUnsavedChanges())
        return true;
    refreshNow();
    int answer = window ? window->ask(question, false) : TavoApplicationWindow::No;
    if (answer == TavoApplicationWindow::No)
        return true;
    // A dismissed box counts as Cancel.
    return answer == TavoApplicationWindow::Yes && saveScene();
}

bool SceneApplicationManager::saveSceneFromCommand(const std::string& dialogAnswer)
{
    if (currentFile.empty())
        return saveSceneAs("Save Scene", false, false, dialogAnswer);
    const SceneFormat* format = formatFor(currentFile, "save");
    if (!format || !writeSceneFile(currentFile, *format, false))
        return saveSceneAs("Save Scene", false, false, dialogAnswer);
    recentFiles.add(currentFile);
    recentFilesChanged();
    managers->commandManager->markSaved();
    report("File saved to " + currentFile, StatusReport);
    return true;
}

bool SceneApplicationManager::saveSceneAs(const std::string& title, bool exportMode, bool selectedOnly,
                                          const std::string& path)
{
    std::string target = chosenFile(path, true, title, saveFileTypes());
    if (target.empty())
        return false;
    if (fileExtension(target).empty())
        target += defaultExtension;
    target = absoluteFilePath(target);
    const SceneFormat* format = formatFor(target, "save");
    if (!format || !writeSceneFile(target, *format, selectedOnly))
        return false;
    // An export leaves the scene's own file behind, so its changes stay unsaved.
    if (!selectedOnly && !exportMode) {
        currentFile = target;
        recentFiles.add(target);
        recentFilesChanged();
        managers->commandManager->markSaved();
    }
    report("File saved to " + target, StatusReport);
    return true;
}

bool SceneApplicationManager::saveSelectedObjects(const std::string& path)
{
    bool anySelected = false;
    for (Shape* o : managers->objectManager->objects)
        anySelected = anySelected || o->isSelected();
    if (!anySelected) {
        report("At least one object must be selected to save selection.", StatusReport);
        return false;
    }
    return saveSceneAs("Save Scene", false, true, path);
}

bool SceneApplicationManager::saveIncremental()
{
    if (currentFile.empty()) {
        report("Save Incremental numbers copies of the scene file: save the scene with a name first.",
               StatusReport);
        return false;
    }
    const int limit = registry.get(Options::IncrementalMaxIndex);
    std::string target = nextIncrementalFile(currentFile, registry.get(Options::IncrementalPadding), limit, fileExists);
    if (target.empty()) {
        report("Save Incremental: every number up to " + std::to_string(limit) +
                   " is taken; raise \"Max Index (0 to disable)\" or set it to 0.",
               StatusReport);
        return false;
    }
    const SceneFormat* format = formatFor(target, "save");
    if (!format || !writeSceneFile(target, *format, false))
        return false;
    managers->commandManager->markSaved();
    report("File saved to " + target, StatusReport);
    return true;
}

const SceneFormat* SceneApplicationManager::formatFor(const std::string& path, const char* action)
{
    std::string extension = fileExtension(path);
    for (const SceneFormat& f : sceneFormats)
        if (f.extension == extension)
            return &f;
    report(std::string("Cannot ") + action + " " + path +
               ": only Tavo scene files (.tvb, .tva) can be read and written so far.",
           StatusReport);
    return nullptr;
}

bool SceneApplicationManager::writeSceneFile(const std::string& path, const SceneFormat& format, bool selectedOnly)
{
    if (!scene)
        return false;
    report("Saving " + path + ", please wait...", StatusReport);
    if (window)
        window->setBusyCursor(true);
    FileProgress progress = [this](double fraction) {
        if (window)
            window->showProgress(fraction);
    };
    bool written = false;
    withSceneContents(*scene, [&](const SceneContents& contents) {
        written = writeReplacing(path, [&](const std::string& temporary) {
            return format.write(temporary, contents, selectedOnly, progress);
        });
    });
    if (window) {
        window->showProgress(-1);
        window->setBusyCursor(false);
    }
    report(written ? "File saved successfully." : "Could not save " + path + ".", StatusReport);
    return written;
}
