#include "Settings/UserFolders.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* programFolder = "tavo";

// An environment variable, or empty when unset.
fs::path environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

fs::path homeOfProcess()
{
    fs::path home = environmentPath("HOME");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? fs::path(entry->pw_dir) : fs::path();
}

// XDG base folders count only when absolute; otherwise the default stands.
fs::path baseFolder(const fs::path& given, const fs::path& home, const char* fallback)
{
    return given.is_absolute() ? given : home / fallback;
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

} // namespace

FolderEnvironment folderEnvironmentOfProcess()
{
    FolderEnvironment environment;
    environment.home = homeOfProcess();
    environment.configHome = environmentPath("XDG_CONFIG_HOME");
    environment.dataHome = environmentPath("XDG_DATA_HOME");
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        environment.executableDir = executable.parent_path();
#ifdef TAVO_RESOURCE_DIR
    environment.builtInResources = TAVO_RESOURCE_DIR;
#endif
    return environment;
}

UserFolders userFolders(const FolderEnvironment& environment)
{
    UserFolders folders;
    folders.preferences = baseFolder(environment.configHome, environment.home, ".config") / programFolder;
    folders.data = baseFolder(environment.dataHome, environment.home, ".local/share") / programFolder;
    fs::path beside = environment.executableDir.empty() ? fs::path() : environment.executableDir / "Resources";
    folders.resources = isFolder(beside) ? beside : environment.builtInResources;
    return folders;
}

fs::path preferencesFile(const UserFolders& folders) { return folders.preferences / "tavodata.tvp"; }
fs::path windowDataFile(const UserFolders& folders) { return folders.preferences / "windowdata.dat"; }
fs::path userPresetsFolder(const UserFolders& folders) { return folders.preferences / "Presets"; }
fs::path autosaveFolder(const UserFolders& folders) { return folders.data / "Autosaves"; }

fs::path defaultPreferencesFile(const UserFolders& folders)
{
    return folders.resources / "Preferences" / "tavodata.tvp";
}

fs::path shippedPresetsFolder(const UserFolders& folders) { return folders.resources / "Presets"; }

fs::path preferencesFileToLoad(const UserFolders& folders)
{
    std::error_code error;
    fs::path user = preferencesFile(folders);
    return fs::is_regular_file(user, error) ? user : defaultPreferencesFile(folders);
}

bool ensureFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return isFolder(folder);
}

std::vector<fs::path> presetFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == ".tvp" && it->is_regular_file(error))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}
