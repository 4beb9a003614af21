#pragma once
// A started scene behind a recording window, with its user data folder
// (XDG_DATA_HOME) and every file it writes inside a fresh temporary folder
// that goes away after the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "support/RecordingWindow.h"

namespace fs = std::filesystem;

// Made before the scene, so that the scene's data folder lies inside it.
class SceneFileTempFolder {
public:
    SceneFileTempFolder()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("tavo-files-") + test->test_suite_name() + "-" + test->name() + "-" +
                           std::to_string(::getpid());
        for (char& c : name)
            if (c == '/')
                c = '_';
        folder = fs::temp_directory_path() / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    }
    ~SceneFileTempFolder()
    {
        ::unsetenv("XDG_DATA_HOME");
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string file(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

class SceneFileTestScene : public SceneFileTempFolder {
public:
    enum Command {
        NewScene = 95, OpenScene = 96, SaveScene = 97, SaveSceneAs = 98, LoadIntoScene = 99,
        SaveSelected = 101, Revert = 122, Cube = 108, Sphere = 105, Undo = 68,
        SaveIncremental = 272, ExportScene = 303, FirstRecent = 100010, ClearHistory = 100116,
    };

    SceneFileTestScene()
    {
        window.scene = &scene;
        scene.start();
    }

    int run(int commandId, const std::string& argument = "") { return scene.executeCommand(commandId, argument, 0, 0, 0); }
    SceneApplicationManager& app() { return *scene.applicationManager; }
    int objectCount() const { return scene.objectManager->objects.count(); }
    bool unsaved() const { return scene.commandManager->hasUnsavedChanges(); }
    const std::string& lastStatus() const { return window.statusMessages.back(); }

    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    RecordingWindow window;
    Scene scene{&window, ""};
};
