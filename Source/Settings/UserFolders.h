#pragma once
// Where the program keeps its files, the Linux way: the preferences folder
// under the user's configuration folder, the data folder (autosaves) under
// the user's data folder, and the read-only resources shipped with the
// program. The process environment is read here and nowhere else.
#include <filesystem>
#include <string>
#include <vector>

// What the folders are derived from. Tests fill it by hand; the program takes
// folderEnvironmentOfProcess().
struct FolderEnvironment {
    std::filesystem::path home;          // the user's home folder
    std::filesystem::path configHome;    // XDG_CONFIG_HOME; empty or relative: unset
    std::filesystem::path dataHome;      // XDG_DATA_HOME; empty or relative: unset
    std::filesystem::path executableDir; // folder of the running program; may be empty
    std::filesystem::path builtInResources; // resources folder compiled into the program
};

// HOME (the password database when it is unset), XDG_CONFIG_HOME,
// XDG_DATA_HOME, the folder of /proc/self/exe and TAVO_RESOURCE_DIR.
FolderEnvironment folderEnvironmentOfProcess();

struct UserFolders {
    std::filesystem::path preferences; // "tavodata.tvp", "windowdata.dat", "Presets/"
    std::filesystem::path data;        // "Autosaves/"
    std::filesystem::path resources;   // "Preferences/", "Presets/", "Icons/", ...; read-only
};

// $XDG_CONFIG_HOME/tavo (default ~/.config/tavo), $XDG_DATA_HOME/tavo
// (default ~/.local/share/tavo), and "Resources" beside the executable when
// that folder exists, else the built-in resources folder. Nothing is created.
UserFolders userFolders(const FolderEnvironment& environment);

// The files and folders inside them.
std::filesystem::path preferencesFile(const UserFolders& folders);        // the user's "tavodata.tvp"
std::filesystem::path windowDataFile(const UserFolders& folders);         // "windowdata.dat"
std::filesystem::path userPresetsFolder(const UserFolders& folders);      // the user's "Presets/"
std::filesystem::path autosaveFolder(const UserFolders& folders);         // "Autosaves/" of the data folder
std::filesystem::path defaultPreferencesFile(const UserFolders& folders); // shipped "Preferences/tavodata.tvp"
std::filesystem::path shippedPresetsFolder(const UserFolders& folders);   // shipped "Presets/"

// The preferences file to read at start-up: the user's when it exists, else
// the shipped defaults (a first start). Only one is read, so that a binding
// the user removed does not come back from the defaults.
std::filesystem::path preferencesFileToLoad(const UserFolders& folders);

// Creates `folder` and its missing parents; true when it exists afterwards.
bool ensureFolder(const std::filesystem::path& folder);

// The "*.tvp" files directly inside `folder`, sorted by name; empty when the
// folder is missing. A preset's name is its file's stem.
std::vector<std::filesystem::path> presetFiles(const std::filesystem::path& folder);
