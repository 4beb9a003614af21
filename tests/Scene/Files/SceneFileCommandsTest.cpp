// Saving and opening whole scenes through the file commands: the questions,
// the dialogs, the round trip through both formats, and nothing lost when a
// file cannot be written or read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Settings/FileReplace.h"
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
    EXPECT_EQ(app().currentFile, saved);
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(window.titles.back(), saved);
    EXPECT_THAT(window.recentFiles, ElementsAre(saved));
    EXPECT_THAT(std::vector<std::string>(window.statusMessages.end() - 3, window.statusMessages.end()),
                ElementsAre("Saving " + saved + ", please wait...", "File saved successfully.",
                            "File saved to " + saved));
    EXPECT_EQ(window.progress.back(), -1.0) << "the indicator is hidden afterwards";
    run(Sphere);
    EXPECT_EQ(window.titles.back(), saved + "*");
    run(SaveScene);
    EXPECT_EQ(window.dialogs.size(), 2u) << "a second save needs no dialog";
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
    // Load Into Scene adds, keeps the file name and leaves the scene unsaved.
    run(LoadIntoScene, file("scene.tva"));
    EXPECT_EQ(objectCount(), 4);
    EXPECT_EQ(lastStatus(), "File loaded successfully");
    EXPECT_EQ(app().currentFile, file("scene.tvb"));
    EXPECT_TRUE(unsaved());
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
    run(Cube);
    window.answers = {TavoApplicationWindow::Yes};
    EXPECT_TRUE(scene.close());
    EXPECT_FALSE(unsaved());
    EXPECT_THAT(window.questions, ElementsAre("Save current file?", "Save current file?", "Save current file?",
                                              "Save current file before closing?"));
}

TEST_F(SceneFileCommandsTest, SavingReplacesTheTargetAndNothingElse)
{
    const std::string target = file("scene.tvb");
    write(target + ".tmp", "the user's own file");
    run(Cube);
    run(SaveSceneAs, target);
    const std::string before = contents(target);
    EXPECT_EQ(contents(target + ".tmp"), "the user's own file");
    // Through a link, the file it points at is replaced and the link stays.
    fs::create_symlink(target, file("link.tvb"));
    run(Sphere);
    run(SaveSceneAs, file("link.tvb"));
    EXPECT_TRUE(fs::is_symlink(file("link.tvb")));
    EXPECT_NE(contents(target), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3) << "no temporary left: scene, .tmp, link";
    // A writer that fails halfway leaves neither a changed file nor its temporary.
    const std::string after = contents(target);
    EXPECT_FALSE(writeReplacing(target, [&](const std::string& temporary) {
        write(temporary, "half a sce");
        return false;
    }));
    EXPECT_EQ(contents(target), after);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);
    // A folder that went away: the save fails and falls back to the dialog.
    fs::create_directory(file("gone"));
    run(SaveSceneAs, file("gone/s.tvb"));
    fs::remove_all(file("gone"));
    run(Cube);
    const size_t dialogs = window.dialogs.size();
    run(SaveScene);
    EXPECT_TRUE(unsaved());
    EXPECT_THAT(window.statusMessages, ::testing::Contains("Could not save " + file("gone/s.tvb") + "."));
    EXPECT_EQ(window.dialogs.size(), dialogs + 1);
}

TEST_F(SceneFileCommandsTest, FilesThatCannotBeReadLeaveTheSceneUnchanged)
{
    run(Cube);
    run(SaveSceneAs, file("cube.tvb"));
    write(file("text.tvb"), "this is not a scene");
    write(file("empty.tva"), "  \n");
    write(file("model.obj"), "v 0 0 0\n");
    ASSERT_EQ(::mkfifo(file("pipe.tva").c_str(), 0600), 0);
    fs::create_directory(file("folder.tvb"));
    const char* const notAFile = "it is a folder, pipe or device, not a file.";
    const std::pair<const char*, const char*> cases[] = {
        {"missing.tvb", "it is missing, unreadable or not a Tavo File."},
        {"text.tvb", "it is missing, unreadable or not a Tavo File."},
        {"empty.tva", "it is missing, unreadable or not a Tavo Ascii File."},
        {"model.obj", "only Tavo scene files (.tvb, .tva) can be read and written so far."},
        {"pipe.tva", notAFile},
        {"folder.tvb", notAFile},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        for (int command : {OpenScene, LoadIntoScene}) {
            run(command, file(name));
            EXPECT_EQ(objectCount(), 1);
            EXPECT_EQ(app().currentFile, file("cube.tvb"));
            EXPECT_EQ(lastStatus(), "Cannot open " + file(name) + ": " + message);
        }
    }
    // A read that fails after the check has made something: that is given
    // back, and the scene stays as it was.
    SceneFormat& tvb = app().sceneFormats[0];
    tvb.read = [](const std::string&, SceneContents& out, const SceneReadFeedback&) {
        out.objects.push_back(take<Shape>());
        return false;
    };
    run(OpenScene, file("cube.tvb"));
    EXPECT_EQ(objectCount(), 1);
    EXPECT_EQ(lastStatus(), "Could not read " + file("cube.tvb") + ".");
    EXPECT_FALSE(unsaved());
}

TEST_F(SceneFileCommandsTest, LevelsAFileCannotAffordAreLeftOutAndTold)
{
    write(file("greedy.tva"), "-Shape -vert 0 0 0 -vert 1 0 0 -vert 0 1 0 -edge 0 1 -edge 1 2 -edge 2 0 "
                              "-face 3 0 0 0 0 1 1 0 0 2 2 0 0 -subl 99 -endShape");
    run(OpenScene, file("greedy.tva"));
    ASSERT_EQ(objectCount(), 1);
    EXPECT_LT(scene.objectManager->objects[0]->currentLevel(), 12);
    EXPECT_THAT(lastStatus(), HasSubstr("too large to build"));
    EXPECT_EQ(app().currentFile, file("greedy.tva"));
}

TEST_F(SceneFileCommandsTest, ExportSelectedAndIncrementalSavesKeepTheScenesFile)
{
    run(SaveIncremental);
    EXPECT_THAT(lastStatus(), HasSubstr("save the scene with a name first"));
    run(SaveSelected, file("none.tvb"));
    EXPECT_EQ(lastStatus(), "At least one object must be selected to save selection.");
    EXPECT_FALSE(fs::exists(file("none.tvb")));
    run(SaveSceneAs, file("main.tvb"));
    run(Cube);
    run(ExportScene, file("copy.tva"));
    EXPECT_TRUE(fs::exists(file("copy.tva")));
    EXPECT_EQ(app().currentFile, file("main.tvb"));
    EXPECT_TRUE(unsaved()) << "the scene's own file still lacks the cube";
    EXPECT_THAT(window.recentFiles, ElementsAre(file("main.tvb")));
    run(ExportScene, file("copy.stl"));
    EXPECT_FALSE(fs::exists(file("copy.stl")));
    EXPECT_THAT(lastStatus(), HasSubstr("only Tavo scene files"));
    // Incremental saves number copies up to the maximum.
    ASSERT_TRUE(app().registry.setInt(273, "Max Index (0 to disable)", 1));
    run(SaveIncremental);
    EXPECT_TRUE(fs::exists(file("main_001.tvb")));
    EXPECT_EQ(app().currentFile, file("main.tvb"));
    run(SaveIncremental);
    EXPECT_THAT(lastStatus(), HasSubstr("every number up to 1 is taken"));
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
