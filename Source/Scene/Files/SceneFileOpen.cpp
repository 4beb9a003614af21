// Replacing and extending the scene from files: "New Scene", "Open Scene",
// "Load Into Scene", and the scene file given on the command line.
#include "Scene/Commands/CommandIds.h"
#include "Mesh/Material.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"

namespace {


} // namespace

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
    clearScene();
    currentFile.clear();
    bool read = readSceneFile(source, *format);
    managers->commandManager->markSaved();
    if (!read) {
        report("Could not read " + source + ".", StatusReport);
        return false;
    }
    currentFile = source;
    updateTitle();
    recentFiles.add(source);
    recentFilesChanged();
    report("File loaded successfully.", StatusReport);
    return true;
}

bool SceneApplicationManager::loadIntoScene(const std::string& path)
{
    std::string source;
    const SceneFormat* format = sceneToRead(path, "Load Into Scene", source);
    if (!format)
        return false;
    if (!readSceneFile(source, *format)) {
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
    report("File loaded successfully", StatusReport);
    return true;
}

const SceneFormat* SceneApplicationManager::formatToRead(const std::string& path)
{
    const SceneFormat* format = formatFor(path, "open");
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

bool SceneApplicationManager::readSceneFile(const std::string& path, const SceneFormat& format)
{
    if (!scene)
        return false;
    if (window)
        window->setBusyCursor(true);
    FileProgress progress = [this](double fraction) {
        if (window)
            window->showProgress(fraction);
    };
    bool read = format.read(path, *scene, progress);
    if (window) {
        window->showProgress(-1);
        window->setBusyCursor(false);
    }
    managers->selectionManager->refreshDisplay();
    redrawRequested = true;
    return read;
}
