// Saving and opening whole scenes through the file commands: the questions,
// the dialogs, the round trip through both formats, and nothing lost when a
// file cannot be written or read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Scene/Files/SceneFileReplace.h"
#include "Scene/Files/SceneFileTestScene.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
class SceneFileCommandsTest : public ::testing::Test, public SceneFileTestScene {};
} // namespace

TEST_F(SceneFileCommandsTest, SaveSceneOnANewSceneAsksForANameThenSavesThere)
{
    run(Cube);
    run(SaveScene); // the dialog abandoned: nothing saved
    EXPECT_TRUE(unsaved());
    EXPECT_TRUE(app().currentFile.empty());
    window.chosenFiles = {file("robot")};
    run(SaveScene);
    const std::string saved = file("robot.tvb");
    EXPECT_THAT(window.dialogs, ElementsAre("save:Save Scene", "save:Save Scene"));
    EXPECT_EQ(window.dialogTypes.size(), 9u);
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_FALSE(fs::exists(saved + ".tmp"));
    EXPECT_EQ(app().currentFile, saved);
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(window.titles.back(), saved);
    EXPECT_THAT(window.recentFiles, ElementsAre(saved));
    EXPECT_THAT(std::vector<std::string>(window.statusMessages.end() - 3, window.statusMessages.end()),
                ElementsAre("Saving " + saved + ", please wait...", "File saved successfully.",
                            "File saved to " + saved));
    EXPECT_EQ(window.progress.back(), -1.0) << "the indicator is hidden afterwards";
    // A second save goes to the same file without a dialog.
    run(Sphere);
    EXPECT_EQ(window.titles.back(), saved + "*");
    run(SaveScene);
    EXPECT_EQ(window.dialogs.size(), 2u);
    EXPECT_FALSE(unsaved());
}

TEST_F(SceneFileCommandsTest, BothFormatsCarryTheSceneThroughNewAndOpen)
{
    run(Cube);
    run(Sphere);
    for (const char* name : {"scene.tva", "scene.tvb"}) {
        SCOPED_TRACE(name);
        run(SaveSceneAs, file(name));
        run(NewScene);
        EXPECT_EQ(objectCount(), 0);
        EXPECT_TRUE(app().currentFile.empty());
        EXPECT_EQ(window.titles.back(), "Tavo");
        run(OpenScene, file(name));
        EXPECT_EQ(objectCount(), 2);
        EXPECT_EQ(app().currentFile, file(name));
        EXPECT_FALSE(unsaved());
        EXPECT_EQ(lastStatus(), "File loaded successfully.");
    }
    EXPECT_THAT(window.recentFiles, ElementsAre(file("scene.tvb"), file("scene.tva")));
}

TEST_F(SceneFileCommandsTest, UnsavedChangesAskBeforeTheSceneIsReplaced)
{
    // Nothing unsaved asks nothing; No discards the changes, Cancel keeps the
    // scene and stops the command, Yes saves first (into the scene's file).
    run(NewScene);
    EXPECT_TRUE(window.questions.empty());
    run(SaveSceneAs, file("kept.tvb"));
    run(Cube);
    window.answers = {TavoApplicationWindow::Cancel};
    run(NewScene);
    EXPECT_EQ(objectCount(), 1);
    EXPECT_EQ(app().currentFile, file("kept.tvb"));
    window.answers = {TavoApplicationWindow::Yes};
    run(NewScene);
    EXPECT_EQ(objectCount(), 0);
    run(OpenScene, file("kept.tvb"));
    EXPECT_EQ(objectCount(), 1) << "Yes saved the cube";
    run(Sphere);
    window.answers = {TavoApplicationWindow::No};
    run(OpenScene, file("kept.tvb"));
    EXPECT_EQ(objectCount(), 1) << "No discarded the sphere";
    EXPECT_THAT(window.questions, ElementsAre("Save current file?", "Save current file?", "Save current file?"));
}

TEST_F(SceneFileCommandsTest, AFailedSaveLeavesTheOldFileIntact)
{
    const std::string target = file("scene.tvb");
    run(Cube);
    run(SaveSceneAs, target);
    const std::string before = contents(target);
    run(Sphere);
    // The temporary file cannot be created where a folder of its name stands.
    fs::create_directory(temporaryFileFor(target));
    fs::create_directory(temporaryFileFor(target) + "/keep");
    run(SaveScene);
    EXPECT_EQ(contents(target), before);
    EXPECT_TRUE(unsaved());
    EXPECT_THAT(window.statusMessages, ::testing::Contains("Could not save " + target + "."));
    EXPECT_EQ(window.dialogs.size(), 1u) << "the failed write fell back to the dialog";
    // A writer that fails halfway leaves neither a changed file nor its temporary.
    fs::remove_all(temporaryFileFor(target));
    bool called = false;
    EXPECT_FALSE(writeReplacing(target, [&](const std::string& temporary) {
        write(temporary, "half a sce");
        called = true;
        return false;
    }));
    EXPECT_TRUE(called);
    EXPECT_EQ(contents(target), before);
    EXPECT_FALSE(fs::exists(temporaryFileFor(target)));
}

TEST_F(SceneFileCommandsTest, FilesThatCannotBeReadLeaveTheSceneUnchanged)
{
    run(Cube);
    run(SaveSceneAs, file("cube.tvb"));
    write(file("text.tvb"), "this is not a scene");
    write(file("empty.tva"), "  \n");
    write(file("model.obj"), "v 0 0 0\n");
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"missing.tvb", "it is missing, unreadable or not a Tavo File."},
        {"text.tvb", "it is missing, unreadable or not a Tavo File."},
        {"empty.tva", "it is missing, unreadable or not a Tavo Ascii File."},
        {"model.obj", "only Tavo scene files (.tvb, .tva) can be read and written so far."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int command : {OpenScene, LoadIntoScene}) {
            run(command, file(c.name));
            EXPECT_EQ(objectCount(), 1);
            EXPECT_EQ(app().currentFile, file("cube.tvb"));
            EXPECT_EQ(lastStatus(), "Cannot open " + file(c.name) + ": " + c.message);
        }
    }
    EXPECT_FALSE(unsaved());
}

TEST_F(SceneFileCommandsTest, LoadIntoSceneAddsAndKeepsTheFileName)
{
    run(Cube);
    run(SaveSceneAs, file("one.tva"));
    run(LoadIntoScene, file("one.tva"));
    EXPECT_EQ(objectCount(), 2);
    EXPECT_EQ(lastStatus(), "File loaded successfully");
    EXPECT_EQ(app().currentFile, file("one.tva"));
    EXPECT_TRUE(unsaved()) << "closing must ask about the added objects";
    EXPECT_THAT(window.dialogs, ::testing::IsEmpty());
}

TEST_F(SceneFileCommandsTest, ExportAndSelectedSavesKeepTheScenesFile)
{
    run(SaveSelected, file("none.tvb"));
    EXPECT_EQ(lastStatus(), "At least one object must be selected to save selection.");
    EXPECT_FALSE(fs::exists(file("none.tvb")));
    run(SaveSceneAs, file("main.tvb"));
    run(Cube);
    run(ExportScene, file("copy.tva"));
    EXPECT_TRUE(fs::exists(file("copy.tva")));
    EXPECT_EQ(app().currentFile, file("main.tvb"));
    EXPECT_FALSE(unsaved()) << "an export marks the scene saved";
    EXPECT_THAT(window.recentFiles, ElementsAre(file("main.tvb")));
    run(ExportScene, file("copy.stl"));
    EXPECT_FALSE(fs::exists(file("copy.stl")));
    EXPECT_THAT(lastStatus(), HasSubstr("only Tavo scene files"));
}

TEST_F(SceneFileCommandsTest, SaveIncrementalNumbersCopiesUpToTheMaximum)
{
    run(SaveIncremental);
    EXPECT_THAT(lastStatus(), HasSubstr("save the scene with a name first"));
    run(SaveSceneAs, file("robot.tvb"));
    ASSERT_TRUE(app().registry.setInt(273, "Max Index (0 to disable)", 2));
    run(SaveIncremental);
    run(SaveIncremental);
    EXPECT_TRUE(fs::exists(file("robot_001.tvb")));
    EXPECT_TRUE(fs::exists(file("robot_002.tvb")));
    EXPECT_EQ(app().currentFile, file("robot.tvb"));
    run(SaveIncremental);
    EXPECT_EQ(lastStatus(),
              "Save Incremental: every number up to 2 is taken; raise \"Max Index (0 to disable)\" or set it to 0.");
    EXPECT_FALSE(fs::exists(file("robot_003.tvb")));
}

TEST_F(SceneFileCommandsTest, RecentFilesOpenAndPersist)
{
    app().recentFilesPath = file("recent.txt");
    run(Cube);
    run(SaveSceneAs, file("a.tvb"));
    run(SaveSceneAs, file("b.tva"));
    EXPECT_EQ(contents(file("recent.txt")), file("b.tva") + "\n" + file("a.tvb") + "\n");
    run(NewScene);
    run(FirstRecent + 1);
    EXPECT_EQ(app().currentFile, file("a.tvb"));
    EXPECT_EQ(objectCount(), 1);
    EXPECT_THAT(window.recentFiles, ElementsAre(file("a.tvb"), file("b.tva")));
    run(FirstRecent + 4);
    EXPECT_EQ(app().currentFile, file("a.tvb")) << "an empty entry opens nothing";
    run(ClearHistory);
    EXPECT_TRUE(window.recentFiles.empty());
    EXPECT_EQ(contents(file("recent.txt")), "");
}

TEST_F(SceneFileCommandsTest, CloseAsksTheCloseQuestionAndSavesToTheCurrentFile)
{
    run(SaveSceneAs, file("s.tvb"));
    run(Cube);
    window.answers = {TavoApplicationWindow::Yes};
    EXPECT_TRUE(scene.close());
    EXPECT_THAT(window.questions, ElementsAre("Save current file before closing?"));
    EXPECT_FALSE(unsaved());
}

TEST_F(SceneFileCommandsTest, TheStartUpArgumentIsOpened)
{
    const std::string path = file("start.tva");
    run(Cube);
    run(SaveSceneAs, path);
    RecordingWindow otherWindow;
    Scene started(&otherWindow, path);
    otherWindow.scene = &started;
    started.start();
    EXPECT_EQ(started.objectManager->objects.count(), 1);
    EXPECT_EQ(started.applicationManager->currentFile, path);
    EXPECT_EQ(otherWindow.titles.back(), path);
}
