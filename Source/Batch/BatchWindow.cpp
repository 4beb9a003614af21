#include "Batch/BatchWindow.h"

#include "Scene/Scene.h"

int BatchWindow::executeCommand(int commandId, const std::string& argument, int mode, int x, int y)
{
    return scene ? scene->executeCommand(commandId, argument, mode, x, y) : 0;
}

int BatchWindow::ask(const std::string& message, bool okOnly)
{
    out_ << "ask: " << message << '\n';
    return okOnly ? Yes : answer_;
}

void BatchWindow::showStatus(const std::string& message)
{
    out_ << "status: " << message << '\n';
}

void BatchWindow::viewportSize(int& outWidth, int& outHeight)
{
    outWidth = ViewportWidth;
    outHeight = ViewportHeight;
}
