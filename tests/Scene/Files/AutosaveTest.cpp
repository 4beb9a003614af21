// Autosave after commands with a clock the test moves, the ten rotating
// files, and "Revert To Autosaved".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Files/SceneFileTestScene.h"

using ::testing::Contains;

namespace {

class AutosaveTest : public ::testing::Test, public SceneFileTestScene {
protected:
    AutosaveTest()
    {
        app().clock = [this] { return now; };
        app().lastAutosaveTime = now;
    }
    void setMinutes(int minutes) { ASSERT_TRUE(app().registry.setInt(113, "Minutes To Autosave", minutes)); }
    fs::path autosave(int number) const
    {
        return scene.applicationManager->autosaveFolder() / ("save" + std::to_string(number) + ".tvb");
    }
    // Runs a command that changes nothing, as any command would.
    void anyCommand() { run(150); }

    int64_t now = 1000000;
};

} // namespace

TEST_F(AutosaveTest, OneMinuteSavesOnlyAfterSixtySecondsAndOnlyWithACommand)
{
    run(Cube);
    run(Revert);
    EXPECT_EQ(lastStatus(), "No autosaves found - check the Autosaves folder in your install directory");
    EXPECT_EQ(objectCount(), 1);
    setMinutes(1);
    now += 60;
    anyCommand();
    EXPECT_FALSE(fs::exists(autosave(0))) << "exactly a minute is not more than one";
    now += 1;
    EXPECT_FALSE(fs::exists(autosave(0))) << "no command, no autosave";
    anyCommand();
    EXPECT_TRUE(fs::exists(autosave(0)));
    EXPECT_THAT(window.statusMessages, Contains("Autosaving..."));
    EXPECT_EQ(lastStatus(), "Autosaved");
    EXPECT_TRUE(window.questions.empty());
    EXPECT_TRUE(app().currentFile.empty()) << "an autosave is no save of the scene";
    now += 30;
    anyCommand();
    EXPECT_FALSE(fs::exists(autosave(1))) << "the interval counts from the last autosave";
}

TEST_F(AutosaveTest, ElevenAutosavesKeepTheTenNewest)
{
    setMinutes(1);
    for (int i = 0; i < 11; ++i) {
        run(Cube);
        now += 61;
        anyCommand();
    }
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(fs::exists(autosave(i))) << i;
    EXPECT_EQ(std::distance(fs::directory_iterator(app().autosaveFolder()), fs::directory_iterator()), 10);
    // save0 is the newest (eleven cubes), save9 the oldest still kept (two).
    window.answers = {TavoApplicationWindow::No};
    run(Revert);
    EXPECT_EQ(objectCount(), 11);
    EXPECT_EQ(lastStatus(), "More autosaves can be found in the Autosaves folder in your install directory");
    run(OpenScene, autosave(9).string());
    EXPECT_EQ(objectCount(), 2);
}
