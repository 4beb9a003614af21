// The core's headers come before any Qt header: Qt's keyword macros would
// otherwise rewrite names in them.
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneToolManager.h"
#include "Settings/UserFolders.h"
#include "Tools/Paint/DisplacementTool.h"

#include "QtWindows/qtLinkedScene.h"

namespace {
const char* const RecentFilesName = "recentfiles.txt";

class LinkedScene : public SceneLink {
public:
    // The real program reads the user's preferences (or the shipped
    // defaults on a first start) and writes the user's file at close.
    LinkedScene(TavoApplicationWindow* window, const std::string& startupArgument) : scene_(window, startupArgument)
    {
        UserFolders folders = userFolders(folderEnvironmentOfProcess());
        scene_.applicationManager->preferencesReadPath = preferencesFileToLoad(folders);
        if (ensureFolder(preferencesFile(folders).parent_path())) {
            scene_.applicationManager->preferencesWritePath = preferencesFile(folders);
            scene_.applicationManager->recentFilesPath = folders.preferences / RecentFilesName;
        }
    }
    void start() override { scene_.start(); }
    void mousePress(int x, int y, int button, int modifiers) override { scene_.mousePress(x, y, button, modifiers); }
    void mouseDrag(int x, int y) override { scene_.mouseDrag(x, y); }
    void mouseHover(int x, int y) override { scene_.mouseHover(x, y); }
    void mouseRelease(int x, int y) override { scene_.mouseRelease(x, y); }
    void wheel(int x, int y, int button, int modifiers) override { scene_.wheel(x, y, button, modifiers); }
    void keyPress(int key, int modifiers) override { scene_.keyPress(key, modifiers); }
    void keyHold(int key, int modifiers) override { scene_.keyHold(key, modifiers); }
    void keyReleaseAfterHold(int key) override { scene_.keyReleaseAfterHold(key); }
    void keyReleaseAfterTap(int key) override { scene_.keyReleaseAfterTap(key); }
    void confirm() override { scene_.confirm(); }
    void cancel() override { scene_.cancel(); }
    void deleteSelection() override { scene_.deleteSelection(); }
    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) override
    {
        return scene_.executeCommand(commandId, argument, mode, x, y);
    }
    void resize(int width, int height) override { scene_.resize(width, height); }
    void draw() override { scene_.draw(); }
    bool close() override { return scene_.close(); }
    void setPenPressure(float pressure) override { scene_.toolManager->penPressure = pressure; }
    Scene* scene() override { return &scene_; }
    const BrushCursor* brushCursor() override { return &scene_.toolManager->displacementTool().cursor; }

private:
    Scene scene_;
};

} // namespace

std::unique_ptr<SceneLink> makeLinkedScene(TavoApplicationWindow* window, const std::string& startupArgument)
{
    return std::make_unique<LinkedScene>(window, startupArgument);
}

