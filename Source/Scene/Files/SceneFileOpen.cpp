// Replacing and extending the scene from files: "New Scene", "Open Scene",
// "Load Into Scene", and the scene file given on the command line.
#include "Formats/SceneFileIO.h"
#include "Settings/CommandIds.h"
#include "Mesh/Material.h"
#include "Scene/Files/SceneFileContents.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"

void SceneApplicationManager::startWith(Scene& owner)
{
    scene = &owner;
    if (!startupArgument.empty())
        openScene(startupArgument);
}

void SceneApplicationManager::clearScene()
{
    SceneObjectManager* objects = managers->objectManager;
    managers->toolManager->exitTools();
    objects->clearObjects();
    // Faces referring to the materials went with the objects.
    for (Material* m : objects->materials)
        delete m;
    objects->materials.clear();
    objects->uvSpace = false;
    managers->commandManager->clearUndo();
    managers->commandManager->lastCommand = CommandId::NoFunction;
    managers->selectionManager->refreshDisplay();
    sceneModified = false;
    for (SceneManager* m : peers)
        m->sceneChanged = true;
    redrawRequested = true;
}

bool SceneApplicationManager::newScene()
{
    if (!confirmDiscard())
        return false;
    clearScene();
    currentFile.clear();
    updateTitle();
    return true;
}

bool SceneApplicationManager::openScene(const std::string& path)
{
    if (!confirmDiscard())
        return false;
    std::string source;
    const SceneFormat* format = sceneToRead(path, "Open Scene", source);
    if (!format)
        return false;
    if (!readSceneFile(source, *format, true, "File loaded successfully.")) {
        report("Could not read " + source + ".", StatusReport);
        return false;
    }
    managers->commandManager->markSaved();
    currentFile = source;
    updateTitle();
    recentFiles.add(source);
    recentFilesChanged();
    return true;
}

bool SceneApplicationManager::loadIntoScene(const std::string& path)
{
    std::string source;
    const SceneFormat* format = sceneToRead(path, "Load Into Scene", source);
    if (!format)
        return false;
    if (!readSceneFile(source, *format, false, "File loaded successfully")) {
        report("Could not read " + source + ".", StatusReport);
        return false;
    }
    // Not undoable (the file's groups and materials come along), but the
    // scene now differs from its file, so closing asks.
    managers->commandManager->unsavedChanges = true;
    sceneModified = true;
    updateTitle();
    for (SceneManager* m : peers)
        m->sceneChanged = true;
    return true;
}

const SceneFormat* SceneApplicationManager::formatToRead(const std::string& path)
{
    const SceneFormat* format = formatFor(path, "open");
    if (format && std::filesystem::exists(path) && !isRegularFile(path)) {
        // Reading a pipe or device could wait for ever, a folder never reads.
        report("Cannot open " + path + ": it is a folder, pipe or device, not a file.", StatusReport);
        return nullptr;
    }
    if (format && !format->recognises(path)) {
        report("Cannot open " + path + ": it is missing, unreadable or not a " +
                   std::string(fileTypeDescription(format->extension)) + ".",
               StatusReport);
        return nullptr;
    }
    return format;
}

const SceneFormat* SceneApplicationManager::sceneToRead(const std::string& argument, const std::string& title,
                                                        std::string& outPath)
{
    outPath = chosenFile(argument, false, title, openFileTypes());
    if (outPath.empty())
        return nullptr;
    outPath = absoluteFilePath(outPath);
    const SceneFormat* format = formatToRead(outPath);
    if (format)
        report("Loading " + outPath + ", please wait...", StatusReport);
    return format;
}

bool SceneApplicationManager::readSceneFile(const std::string& path, const SceneFormat& format, bool replace,
                                            const char* loaded)
{
    if (!scene)
        return false;
    if (window)
        window->setBusyCursor(true);
    bool levelsCut = false;
    SceneReadFeedback feedback;
    feedback.progress = [this](double fraction) {
        if (window)
            window->showProgress(fraction);
    };
    feedback.warn = [&](SceneReadWarning warning) {
        // A notice for the version: the load's own "File loaded
        // successfully." would replace a status line at once.
        if (warning == SceneReadWarning::NewerVersion)
            report(sceneReadWarningText(warning), NoticeReport);
        else
            levelsCut = true;
    };
    SceneContents contents;
    const bool read = format.read(path, contents, feedback);
    if (window) {
        window->showProgress(-1);
        window->setBusyCursor(false);
    }
    if (!read) {
        discardContents(contents);
        return false;
    }
    if (replace) {
        clearScene();
        currentFile.clear();
    }
    addToScene(*scene, contents);
    managers->selectionManager->refreshDisplay();
    redrawRequested = true;
    report(loaded, StatusReport);
    if (levelsCut)
        report(sceneReadWarningText(SceneReadWarning::LevelsCut), StatusReport);
    return true;
}
