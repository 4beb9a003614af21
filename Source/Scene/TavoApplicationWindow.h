#pragma once
// The window interface: the only way from the scene out to the user. Every
// operation has an empty default so that shells implement what they have.
#include <string>
#include <vector>

#include "Formats/SceneFileTypes.h"

class TavoWindow {
public:
    virtual ~TavoWindow() = default;
};

class TavoApplicationWindow : public TavoWindow {
public:
    // Answers of `ask`.
    enum Answer { No = 0, Yes = 1, Cancel = 2 };

    // Forwards to Scene::executeCommand so that commands a manager triggers take the full path.
    virtual int executeCommand(int /*commandId*/, const std::string& /*argument*/, int /*mode*/, int /*x*/, int /*y*/)
    {
        return 0;
    }
    // Makes the GL context current, calls Scene::draw and swaps, synchronously.
    virtual void redraw() {}
    // Modal question titled "Tavo". okOnly: one "OK" button, result 1;
    // otherwise "Yes", "No", "Cancel" giving 1, 0, 2.
    virtual int ask(const std::string& /*message*/, bool okOnly) { return okOnly ? Yes : Cancel; }
    virtual void showStatus(const std::string& /*message*/) {}
    virtual void viewportSize(int& width, int& height)
    {
        width = 0;
        height = 0;
    }
    // Told of every repeatable command before it runs.
    virtual void commandStarted(int /*commandId*/) {}
    // File name behind a custom-primitive command id; empty when none.
    virtual std::string customPrimitiveFile(int /*commandId*/) { return {}; }
    // Window title (the application manager adds the file name and "*").
    virtual void setTitle(const std::string& /*title*/) {}
    // Asks for a file to open (save false) or to write (save true), offering
    // `types` in order, the first preselected. A name written without an
    // extension gets the one of the chosen type. Empty when abandoned.
    virtual std::string chooseFile(bool /*save*/, const std::string& /*title*/, const std::vector<FileType>& /*types*/)
    {
        return {};
    }
    // Shows how far a long read or write has come, 0 to 1; a negative
    // fraction hides the indicator. The window stays responsive meanwhile
    // but takes no user input.
    virtual void showProgress(double /*fraction*/) {}
    // The recent files, newest first, for the File menu.
    virtual void showRecentFiles(const std::vector<std::string>& /*paths*/) {}
    // Writes what the viewports show to an image file, its format chosen by
    // the extension; false when it cannot.
    virtual bool saveScreenshot(const std::string& /*path*/) { return false; }
    // Reads the image file at `path` as rows of 8-bit red, green, blue and
    // alpha, the bottom row first as GL textures take them, `width` ×
    // `height` × 4 bytes. False, leaving the outputs alone, when the file is
    // missing or not an image.
    virtual bool readImage(const std::string& /*path*/, int& /*width*/, int& /*height*/,
                           std::vector<unsigned char>& /*rgba*/)
    {
        return false;
    }
    // "Exit": asks the window to close, which goes through Scene::close.
    virtual void requestClose() {}
    // Puts option group `groupId` into the tool-options window and shows it;
    // -1 shows the window as it is.
    virtual void showOptions(int /*groupId*/) {}
    // The same for the creation-properties window, whose changes re-create
    // the primitive just created.
    virtual void showCreationProperties(int /*groupId*/) {}
    // The editor window of a command: "Scene Info", the settings editors, ...
    virtual void showEditor(int /*commandId*/) {}
    // "Context Help", "Online Manual", "Tutorials".
    virtual void showHelp(int /*commandId*/) {}

    // Window geometry.
    virtual bool isMaximized() { return false; }
    virtual bool isMinimized() { return false; }
    virtual void windowSize(int& width, int& height)
    {
        width = 0;
        height = 0;
    }
    virtual void windowPosition(int& x, int& y)
    {
        x = 0;
        y = 0;
    }
    virtual void resizeWindow(int /*width*/, int /*height*/) {}
    virtual void moveWindow(int /*x*/, int /*y*/) {}
    virtual void showMaximized() {}
    virtual void screenSize(int& width, int& height)
    {
        width = 0;
        height = 0;
    }
    virtual std::vector<unsigned char> saveDockState() { return {}; }
    virtual void restoreDockState(const std::vector<unsigned char>& /*state*/) {}
    // 0 arrow, 1 to 4 the program's own cursors.
    virtual void setCursorShape(int /*shape*/) {}
    virtual void setBusyCursor(bool /*busy*/) {}
};
