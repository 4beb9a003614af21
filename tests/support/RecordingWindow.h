#pragma once
// A window that records what the scene asks of it: status messages,
// questions (answered from a script), redraws and titles. Commands are
// forwarded to the scene, as the real window does.
#include <deque>
#include <string>
#include <vector>

#include "Scene/TavoApplicationWindow.h"

class Scene;

class RecordingWindow : public TavoApplicationWindow {
public:
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) override;
    void redraw() override;
    // Takes the next scripted answer, or `defaultAnswer` when the script is used up.
    int ask(const std::string& message, bool okOnly) override;
    void showStatus(const std::string& message) override;
    void viewportSize(int& outWidth, int& outHeight) override;
    void commandStarted(int commandId) override;
    void setTitle(const std::string& title) override;
    bool isMaximized() override { return maximized; }
    bool isMinimized() override { return minimized; }
    void windowSize(int& outWidth, int& outHeight) override;
    void windowPosition(int& outX, int& outY) override;
    // Takes the next scripted file name, or "" (an abandoned dialog).
    std::string chooseFile(bool save, const std::string& title, const std::vector<FileType>& types) override;
    void showProgress(double fraction) override { progress.push_back(fraction); }
    void showRecentFiles(const std::vector<std::string>& paths) override { recentFiles = paths; }
    void requestClose() override { calls.push_back("requestClose"); }
    void showOptions(int groupId) override { calls.push_back("showOptions:" + std::to_string(groupId)); }
    void showCreationProperties(int groupId) override
    {
        calls.push_back("showCreationProperties:" + std::to_string(groupId));
    }
    void showEditor(int commandId) override { calls.push_back("showEditor:" + std::to_string(commandId)); }
    void showHelp(int commandId) override { calls.push_back("showHelp:" + std::to_string(commandId)); }

    Scene* scene = nullptr;              // where commands go; none are run while null
    std::deque<int> answers;             // scripted answers of `ask`, first first
    int defaultAnswer = Cancel;
    int redrawCount = 0;
    std::vector<std::string> statusMessages;
    std::vector<std::string> questions;
    std::vector<std::string> titles;
    std::vector<int> startedCommands;
    std::deque<std::string> chosenFiles; // scripted answers of `chooseFile`, first first
    std::vector<std::string> dialogs;     // "open:<title>" or "save:<title>" per chooseFile
    std::vector<FileType> dialogTypes;    // the types the last dialog offered
    std::vector<double> progress;
    std::vector<std::string> recentFiles; // as last shown
    // Every call above in order: "redraw", "ask:<message>", "execute:<id>/<mode>", ...
    std::vector<std::string> calls;

    int viewportWidth = 640;
    int viewportHeight = 480;
    bool maximized = false;
    bool minimized = false;
    int windowWidth = 800;
    int windowHeight = 600;
    int windowX = 10;
    int windowY = 20;
};
