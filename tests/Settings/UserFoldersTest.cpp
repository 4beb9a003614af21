#include "Settings/UserFolders.h"
#include "Settings/PreferencesTempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

FolderEnvironment environment()
{
    FolderEnvironment e;
    e.home = "/home/ann";
    e.builtInResources = "/usr/share/tavo/Resources";
    return e;
}

TEST(UserFoldersTest, DefaultsFollowTheHomeFolderAndAbsoluteXdgFolders)
{
    UserFolders folders = userFolders(environment());
    EXPECT_EQ(preferencesFile(folders), fs::path("/home/ann/.config/tavo/tavodata.tvp"));
    EXPECT_EQ(userPresetsFolder(folders), fs::path("/home/ann/.config/tavo/Presets"));
    EXPECT_EQ(autosaveFolder(folders), fs::path("/home/ann/.local/share/tavo/Autosaves"));
    EXPECT_EQ(defaultPreferencesFile(folders), fs::path("/usr/share/tavo/Resources/Preferences/tavodata.tvp"));
    FolderEnvironment e = environment();
    e.configHome = "/cfg";
    e.dataHome = "/data";
    EXPECT_EQ(userFolders(e).preferences, fs::path("/cfg/tavo"));
    EXPECT_EQ(userFolders(e).data, fs::path("/data/tavo"));
    e.configHome = "relative/cfg";
    EXPECT_EQ(userFolders(e).preferences, fs::path("/home/ann/.config/tavo"));
}

TEST(UserFoldersTest, ResourcesBesideTheProgramWin)
{
    PreferencesTempFolder temp;
    FolderEnvironment e = environment();
    e.executableDir = temp.path();
    EXPECT_EQ(userFolders(e).resources, e.builtInResources);
    fs::create_directory(temp.file("Resources"));
    EXPECT_EQ(userFolders(e).resources, temp.file("Resources"));
}

TEST(UserFoldersTest, AFirstStartReadsTheShippedPreferences)
{
    PreferencesTempFolder temp;
    UserFolders folders;
    folders.preferences = temp.file("config");
    folders.resources = temp.file("Resources");
    EXPECT_EQ(preferencesFileToLoad(folders), defaultPreferencesFile(folders));
    ASSERT_TRUE(ensureFolder(folders.preferences));
    temp.write("config/tavodata.tvp", "<preffile>\n</preffile>\n");
    EXPECT_EQ(preferencesFileToLoad(folders), preferencesFile(folders));
}


TEST(UserFoldersTest, PresetFilesAreTheTvpFilesSortedByName)
{
    PreferencesTempFolder temp;
    for (const char* name : {"Zoo.tvp", "Alpha.tvp", "notes.txt", "Beta.TVP.bak"})
        temp.write(name, "");
    fs::create_directory(temp.file("Folder.tvp"));
    EXPECT_EQ(presetFiles(temp.path()), (std::vector<fs::path>{temp.file("Alpha.tvp"), temp.file("Zoo.tvp")}));
    EXPECT_TRUE(presetFiles(temp.file("missing")).empty());
}

} // namespace
