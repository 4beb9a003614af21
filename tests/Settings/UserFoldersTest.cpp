#include "Settings/UserFolders.h"
#include "Settings/PreferencesTempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class UserFoldersTest : public ::testing::Test {
protected:
    FolderEnvironment environment()
    {
        FolderEnvironment e;
        e.home = "/home/ann";
        e.builtInResources = "/usr/share/tavo/Resources";
        return e;
    }

    PreferencesTempFolder temp;
};

TEST_F(UserFoldersTest, DefaultsFollowTheHomeFolder)
{
    UserFolders folders = userFolders(environment());
    EXPECT_EQ(folders.preferences, fs::path("/home/ann/.config/tavo"));
    EXPECT_EQ(folders.data, fs::path("/home/ann/.local/share/tavo"));
    EXPECT_EQ(folders.resources, fs::path("/usr/share/tavo/Resources"));
    EXPECT_EQ(preferencesFile(folders), fs::path("/home/ann/.config/tavo/tavodata.tvp"));
    EXPECT_EQ(windowDataFile(folders), fs::path("/home/ann/.config/tavo/windowdata.dat"));
    EXPECT_EQ(userPresetsFolder(folders), fs::path("/home/ann/.config/tavo/Presets"));
    EXPECT_EQ(autosaveFolder(folders), fs::path("/home/ann/.local/share/tavo/Autosaves"));
    EXPECT_EQ(defaultPreferencesFile(folders), fs::path("/usr/share/tavo/Resources/Preferences/tavodata.tvp"));
    EXPECT_EQ(shippedPresetsFolder(folders), fs::path("/usr/share/tavo/Resources/Presets"));
}

TEST_F(UserFoldersTest, XdgFoldersCountOnlyWhenAbsolute)
{
    FolderEnvironment e = environment();
    e.configHome = "/cfg";
    e.dataHome = "/data";
    EXPECT_EQ(userFolders(e).preferences, fs::path("/cfg/tavo"));
    EXPECT_EQ(userFolders(e).data, fs::path("/data/tavo"));
    e.configHome = "relative/cfg";
    e.dataHome = "";
    EXPECT_EQ(userFolders(e).preferences, fs::path("/home/ann/.config/tavo"));
    EXPECT_EQ(userFolders(e).data, fs::path("/home/ann/.local/share/tavo"));
}

TEST_F(UserFoldersTest, ResourcesBesideTheProgramWin)
{
    FolderEnvironment e = environment();
    e.executableDir = temp.path();
    EXPECT_EQ(userFolders(e).resources, e.builtInResources);
    fs::create_directory(temp.file("Resources"));
    EXPECT_EQ(userFolders(e).resources, temp.file("Resources"));
}

TEST_F(UserFoldersTest, AFirstStartReadsTheShippedPreferences)
{
    UserFolders folders;
    folders.preferences = temp.file("config");
    folders.resources = temp.file("Resources");
    EXPECT_EQ(preferencesFileToLoad(folders), defaultPreferencesFile(folders));
    ASSERT_TRUE(ensureFolder(folders.preferences));
    temp.write("config/tavodata.tvp", "<preffile>\n</preffile>\n");
    EXPECT_EQ(preferencesFileToLoad(folders), preferencesFile(folders));
}

TEST_F(UserFoldersTest, EnsureFolderCreatesParentsAndRejectsFiles)
{
    EXPECT_TRUE(ensureFolder(temp.file("a/b/c")));
    EXPECT_TRUE(fs::is_directory(temp.file("a/b/c")));
    EXPECT_TRUE(ensureFolder(temp.file("a/b/c")));
    temp.write("plain", "x");
    EXPECT_FALSE(ensureFolder(temp.file("plain")));
    EXPECT_FALSE(ensureFolder(temp.file("plain/below")));
}

TEST_F(UserFoldersTest, PresetFilesAreTheTvpFilesSortedByName)
{
    temp.write("Zoo.tvp", "");
    temp.write("Alpha.tvp", "");
    temp.write("notes.txt", "");
    temp.write("Beta.TVP.bak", "");
    fs::create_directory(temp.file("Folder.tvp"));
    EXPECT_EQ(presetFiles(temp.path()), (std::vector<fs::path>{temp.file("Alpha.tvp"), temp.file("Zoo.tvp")}));
    EXPECT_TRUE(presetFiles(temp.file("missing")).empty());
}

TEST_F(UserFoldersTest, TheProcessEnvironmentGivesAbsoluteFolders)
{
    FolderEnvironment e = folderEnvironmentOfProcess();
    EXPECT_FALSE(e.home.empty());
    EXPECT_TRUE(e.executableDir.is_absolute());
    EXPECT_EQ(e.builtInResources, fs::path(TAVO_RESOURCE_DIR));
}

} // namespace
