#include "support/RecordingWindow.h"

#include "Scene/Scene.h"

int RecordingWindow::executeCommand(int commandId, const std::string& argument, int mode, int atX, int atY)
{
    calls.push_back("execute:" + std::to_string(commandId) + "/" + std::to_string(mode));
    return scene ? scene->executeCommand(commandId, argument, mode, atX, atY) : 0;
}

void RecordingWindow::redraw()
{
    ++redrawCount;
    calls.push_back("redraw");
}

int RecordingWindow::ask(const std::string& message, bool okOnly)
{
    questions.push_back(message);
    calls.push_back("ask:" + message);
    if (okOnly)
        return Yes;
    if (answers.empty())
        return defaultAnswer;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingWindow::showStatus(const std::string& message)
{
    statusMessages.push_back(message);
    calls.push_back("status:" + message);
}

void RecordingWindow::viewportSize(int& outWidth, int& outHeight)
{
    outWidth = viewportWidth;
    outHeight = viewportHeight;
}

void RecordingWindow::commandStarted(int commandId)
{
    startedCommands.push_back(commandId);
    calls.push_back("started:" + std::to_string(commandId));
}

void RecordingWindow::setTitle(const std::string& title)
{
    titles.push_back(title);
    calls.push_back("title:" + title);
}

void RecordingWindow::windowSize(int& outWidth, int& outHeight)
{
    outWidth = windowWidth;
    outHeight = windowHeight;
}

void RecordingWindow::windowPosition(int& outX, int& outY)
{
    outX = windowX;
    outY = windowY;
}

std::string RecordingWindow::chooseFile(bool save, const std::string& title, const std::vector<FileType>& types)
{
    dialogs.push_back((save ? "save:" : "open:") + title);
    calls.push_back(dialogs.back());
    dialogTypes = types;
    if (chosenFiles.empty())
        return {};
    std::string file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}
