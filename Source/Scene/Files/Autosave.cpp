// Autosave after commands, and "Revert To Autosaved".
#include <filesystem>
#include <string>
#include <system_error>

#include "Scene/SceneApplicationManager.h"
#include "Scene/Files/SceneFileContents.h"
#include "Settings/FileReplace.h"
#include "Settings/UserFolders.h"
#include "Settings/OptionKeys.h"

namespace fs = std::filesystem;

namespace {

constexpr int autosaveCount = 10;
constexpr const char* autosaveExtension = "tvb";

fs::path autosaveFile(const fs::path& folder, int number)
{
    return folder / ("save" + std::to_string(number) + "." + autosaveExtension);
}

// save9 goes, save8 becomes save9, ..., save0 becomes save1; missing files
// leave gaps that later rotations close.
void rotateAutosaves(const fs::path& folder)
{
    std::error_code error;
    fs::remove(autosaveFile(folder, autosaveCount - 1), error);
    for (int i = autosaveCount - 2; i >= 0; --i)
        if (fs::exists(autosaveFile(folder, i), error))
            fs::rename(autosaveFile(folder, i), autosaveFile(folder, i + 1), error);
}

} // namespace

void SceneApplicationManager::autosaveCheck()
{
    const int minutes = registry.get(Options::MinutesToAutosave);
    if (minutes <= 0 || !scene)
        return;
    const int64_t now = clock();
    if (static_cast<double>(now - lastAutosaveTime) / 60.0 <= minutes)
        return;
    lastAutosaveTime = now;

    const SceneFormat* format = nullptr;
    for (const SceneFormat& f : sceneFormats)
        if (f.extension == autosaveExtension)
            format = &f;
    const fs::path folder = autosaveFolder();
    const std::string newest = autosaveFile(folder, 0).string();
    report("Autosaving...", StatusReport);
    // Written before the rotation, so that a failed autosave keeps all ten earlier ones.
    std::error_code error;
    const std::string temporary = ensureFolder(folder) ? createTemporaryBeside(newest) : std::string();
    bool written = false;
    if (format && !temporary.empty())
        withSceneContents(*scene, [&](const SceneContents& contents) {
            written = format->write(temporary, contents, false, {});
        });
    if (written) {
        rotateAutosaves(folder);
        fs::rename(temporary, newest, error);
    }
    if (!written || error) {
        fs::remove(temporary, error);
        report("Could not autosave to " + newest + ".", StatusReport);
        return;
    }
    report("Autosaved", StatusReport);
}

void SceneApplicationManager::revertToAutosaved()
{
    const fs::path newest = autosaveFile(autosaveFolder(), 0);
    std::error_code error;
    if (!fs::exists(newest, error)) {
        report("No autosaves found - check the Autosaves folder in your install directory", StatusReport);
        return;
    }
    if (openScene(newest.string()))
        report("More autosaves can be found in the Autosaves folder in your install directory", StatusReport);
}
