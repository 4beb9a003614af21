// "Save All Settings" and "Load All Settings" move every setting, key
// bindings included, through a file.
#include "Scene/Selection/SelectionTestScene.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
enum { SaveAll = 237, LoadAll = 238 };

class SettingsFileCommands : public SelectionTestScene {
protected:
    ~SettingsFileCommands() override { fs::remove(path); }
    SceneApplicationManager& app() { return *scene.applicationManager; }

    fs::path path = fs::temp_directory_path() / ("tavo-settings-" + std::to_string(::getpid()) + ".tvp");
};
} // namespace

TEST_F(SettingsFileCommands, SavedSettingsAndKeyBindingsComeBack)
{
    ASSERT_TRUE(app().registry.setInt(164, "Width Sections", 5));
    app().addKeyBinding('K', 1, 108);
    scene.executeCommand(SaveAll, path.string(), 0, 0, 0);
    ASSERT_TRUE(fs::exists(path));
    ASSERT_TRUE(app().registry.setInt(164, "Width Sections", 2));
    app().keyBindings.clear();
    scene.executeCommand(LoadAll, path.string(), 0, 0, 0);
    EXPECT_EQ(*app().registry.findOption(164, "Width Sections")->intValue(), 5);
    EXPECT_EQ(app().keyBinding('K', 1), 108);
}

TEST_F(SettingsFileCommands, WithoutAFileNothingHappensAndAnUnwritableOneIsReported)
{
    scene.executeCommand(SaveAll, "", 0, 0, 0);
    scene.executeCommand(LoadAll, "", 0, 0, 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(lastStatus(), "Load All Settings");
    scene.executeCommand(SaveAll, "/nonexistent-folder/settings.tvp", 0, 0, 0);
    EXPECT_EQ(lastStatus(), "Could not write the settings file /nonexistent-folder/settings.tvp");
}
