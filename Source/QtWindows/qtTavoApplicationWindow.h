#pragma once
// The main window: menu bar, status bar and the OpenGL viewport in the
// centre. It owns the scene and is the scene's way out to the user.
#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Scene/TavoApplicationWindow.h"

class QMenu;
class QProgressBar;
class Scene;
class SceneLink;
class SettingsRegistry;
class qtCommandMenus;
class qtContextHelp;
class qtCreationProperties;
class qtTavoGLWidget;
class qxBrushEditor;
class qxToolOptions;

class qtTavoApplicationWindow : public QMainWindow, public TavoApplicationWindow {
    Q_OBJECT

public:
    // Makes the scene for a window; the default makes the real one.
    using SceneFactory =
        std::function<std::unique_ptr<SceneLink>(TavoApplicationWindow* window, const std::string& startupArgument)>;

    // Builds the window and its viewport, then the scene, which is started
    // once the window is complete. startupArgument is the command line's.
    explicit qtTavoApplicationWindow(const std::string& startupArgument, const SceneFactory& makeScene = {});
    ~qtTavoApplicationWindow() override;

    qtTavoGLWidget* glWidget() const { return glWidget_; }
    // The real scene; null with a stand-in.
    Scene* scene() const;
    qtCommandMenus* menus() const { return menus_; }
    qxToolOptions* toolOptions() const { return toolOptions_; }
    qtCreationProperties* creationProperties() const { return creation_; }
    qtContextHelp* contextHelp() const { return help_; }
    qxBrushEditor* brushEditor() const { return brushEditor_; }

    // --- TavoApplicationWindow ---
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) override;
    void redraw() override;
    int ask(const std::string& message, bool okOnly) override;
    void showStatus(const std::string& message) override;
    void viewportSize(int& width, int& height) override;
    void setTitle(const std::string& title) override;
    std::string chooseFile(bool save, const std::string& title, const std::vector<FileType>& types) override;
    void showProgress(double fraction) override;
    void showRecentFiles(const std::vector<std::string>& paths) override;
    bool saveScreenshot(const std::string& path) override;
    bool readImage(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgba) override;
    void requestClose() override;
    bool isMaximized() override;
    bool isMinimized() override;
    void windowSize(int& width, int& height) override;
    void windowPosition(int& x, int& y) override;
    void resizeWindow(int width, int height) override;
    void moveWindow(int x, int y) override;
    void showMaximized() override;
    void screenSize(int& width, int& height) override;
    std::vector<unsigned char> saveDockState() override;
    void restoreDockState(const std::vector<unsigned char>& state) override;
    void setCursorShape(int shape) override;
    void setBusyCursor(bool busy) override;
    void commandStarted(int commandId) override;
    void showOptions(int groupId) override;
    void showCreationProperties(int groupId) override;
    void showEditor(int commandId) override;
    void showHelp(int commandId) override;

protected:
    // Asks the scene, which may refuse (unsaved changes, Cancel).
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildDocks();
    // The real scene's settings; null with a stand-in scene.
    SettingsRegistry* settings() const;
    // After the tool-options window changed its group: the group's apply
    // action where it has one, then a redraw.
    void applyToolOptions();
    // The dock and toolbar layout lives in "windowdata.dat" beside the preferences.
    void restoreWindowLayout();
    void saveWindowLayout();

    qtTavoGLWidget* glWidget_ = nullptr;
    QProgressBar* progress_ = nullptr; // in the status bar; hidden unless a file is being read or written
    QMenu* recentMenu_ = nullptr;      // "Recent Files", rebuilt by showRecentFiles
    qtCommandMenus* menus_ = nullptr;
    qxToolOptions* toolOptions_ = nullptr;
    qtCreationProperties* creation_ = nullptr;
    qtContextHelp* help_ = nullptr;
    qxBrushEditor* brushEditor_ = nullptr;
    std::unique_ptr<SceneLink> scene_;
    bool busy_ = false;
    bool ownsRealScene_ = false; // tests pass their own scene and must not touch the user's files
};
