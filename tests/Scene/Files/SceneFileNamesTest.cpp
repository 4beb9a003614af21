// The pure parts of the file commands: type lists and descriptions,
// incremental names and the recent files list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "Scene/Files/IncrementalSave.h"
#include "Scene/Files/RecentFiles.h"
#include "Scene/Files/SceneFileTestScene.h"
#include "Formats/SceneFileTypes.h"

using ::testing::ElementsAre;

TEST(SceneFileTypesTest, DialogListsAndDescriptions)
{
    std::vector<std::string> open;
    for (const FileType& t : openFileTypes())
        open.push_back(t.extension);
    EXPECT_THAT(open, ElementsAre("tvb", "tva", "obj", "dxf", "3ds", "fac"));
    EXPECT_EQ(saveFileTypes().size(), 9u);
    EXPECT_EQ(fileTypeDescription("dae"), "Collada File");
    for (const char* unknown : {"TVB", "tvbx", "", ".tvb", "png"})
        EXPECT_EQ(fileTypeDescription(unknown), "Not Found") << unknown;
    EXPECT_EQ(fileExtension("/a.b/Robot.TVB"), "tvb");
    EXPECT_EQ(fileExtension("/a.b/robot"), "");
}

TEST(IncrementalSaveTest, NamesCountOnFromTheCurrentNumber)
{
    EXPECT_EQ(incrementalFileName("/s/robot.tvb", 7, 3), "/s/robot_007.tvb");
    EXPECT_EQ(incrementalFileName("/s/robot_004.tva", 5, 2), "/s/robot_05.tva");
    EXPECT_EQ(incrementalFileName("/s/robot.tvb", 1234, 2), "/s/robot_1234.tvb") << "never cut";
    EXPECT_EQ(incrementalFileName("/s/robot.tvb", 1, 0), "/s/robot_1.tvb") << "padding at least one digit";
    EXPECT_EQ(incrementalFileName("/s/my_robot.tvb", 1, 3), "/s/my_robot_001.tvb") << "not digits";
    std::set<std::string> taken = {"/s/robot_001.tvb", "/s/robot_002.tvb", "/s/robot_004.tvb"};
    auto exists = [&](const std::string& p) { return taken.count(p) > 0; };
    EXPECT_EQ(nextIncrementalFile("/s/robot.tvb", 3, 100, exists), "/s/robot_003.tvb");
    EXPECT_EQ(nextIncrementalFile("/s/robot_003.tvb", 3, 100, exists), "/s/robot_005.tvb");
    EXPECT_EQ(nextIncrementalFile("/s/robot.tvb", 3, 2, exists), "") << "the maximum is reached";
    EXPECT_EQ(nextIncrementalFile("/s/robot_002.tvb", 3, 2, exists), "");
    EXPECT_EQ(nextIncrementalFile("/s/robot.tvb", 3, 0, exists), "/s/robot_003.tvb") << "0: no maximum";
    EXPECT_EQ(nextIncrementalFile("", 3, 0, exists), "");
}

TEST(RecentFilesTest, NewestFirstWithoutDuplicatesAtMostFive)
{
    SceneFileTempFolder temp;
    RecentFiles recent;
    for (const char* p : {"a", "b", "c", "d", "e", "f", "c"})
        recent.add(p);
    EXPECT_THAT(recent.paths(), ElementsAre("c", "f", "e", "d", "b"));
    EXPECT_EQ(recent.at(5), "");
    const fs::path file = temp.folder / "recent.txt";
    ASSERT_TRUE(recent.save(file));
    SceneFileTestScene::write(file.string(), SceneFileTestScene::contents(file.string()) + "\nx\ny\n");
    RecentFiles loaded;
    loaded.load(file);
    EXPECT_EQ(loaded.paths(), recent.paths());
    loaded.load(temp.folder / "missing.txt");
    EXPECT_TRUE(loaded.paths().empty());
}
