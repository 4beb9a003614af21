// How the scene routes events: one row per case gives the setup, the events
// sent and the calls expected of the managers and tools, in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "Scene/SceneRecordingManagers.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr int keyE = 69; // bound to "Extrude" (37)
constexpr int keyW = 87; // unbound
constexpr int tab = ModifierCode::TabHeld;

struct Bench : RecordedScene {
    Bench()
    {
        application->addKeyBinding(keyE, 0, 37);
        Tool::scene = tool->managers; // each new tool clears the shared pointer
    }
    void activate(std::initializer_list<Tool*> tools)
    {
        for (Tool* t : tools)
            tool->activeTools.append(t);
    }
    bool onlyActive(Tool* t) const { return tool->activeTools.count() == 1 && tool->activeTools[0] == t; }

    RecordingTool a{log, "a"};
    RecordingTool b{log, "b"};
    RecordingTool brush{log, "brush", false, true}; // takes presses before the view commands
    RecordingTool manip{log, "manip", true};        // the transform manipulator
};

using Step = std::function<void(Bench&)>;

struct Row {
    const char* what;
    Step setup;
    Step events;
    std::vector<std::string> watched; // the operations compared
    std::vector<std::string> expected;
    Step check = [](Bench&) {};
};

void pressLeft(Bench& s) { s.scene->mousePress(1, 2, 0, 0); }
void bindLeft(Bench& s) { s.bindMouse(0, 37); }
void tapE(Bench& s)
{
    s.scene->keyPress(keyE, 0);
    s.scene->keyReleaseAfterTap(keyE);
}
void holdE(Bench& s)
{
    s.scene->keyPress(keyE, 0);
    s.scene->keyHold(keyE, 0);
    s.scene->keyReleaseAfterHold(keyE);
}

const std::vector<std::string> pressOps = {"mousePress", "priorityPress", "dispatch"};
const std::vector<std::string> peersInOrder = {"application", "command", "display", "object", "selection", "tool"};

std::vector<std::string> each(std::vector<std::string> owners, const std::string& call)
{
    for (std::string& o : owners)
        o += "." + call;
    return owners;
}

const Row rows[] = {
    // --- mouse presses ---
    {"an unconsumed press visits every manager and runs the binding; one pass for the command, one for the press",
     [](Bench& s) { s.bindMouse(0, 37); },
     [](Bench& s) { s.scene->mousePress(5, 6, 0, 0); },
     {"mousePress", "priorityPress", "dispatch", "toolsHook"},
     {"display.mousePress(5,6,0,0,37,0) -> 0", "tool.priorityPress(5,6,0,0,37,0) -> 0",
      "tool.mousePress(5,6,0,0,37,0) -> 0", "selection.mousePress(5,6,0,0,37,0) -> 0",
      "command.mousePress(5,6,0,0,37,0) -> 1", "command.dispatch(37,1,5,6)", "tool.toolsHook()", "tool.toolsHook()"},
     [](Bench& s) {
         EXPECT_TRUE(s.scene->pendingMouseClick);
         EXPECT_EQ(s.scene->pendingMouseCommand, 37);
         EXPECT_THAT(s.window.calls, ElementsAre("execute:37/1"));
     }},
    {"a press the display takes is seen, taken, by every later manager", [](Bench& s) {
         bindLeft(s);
         s.display->results["mousePress"] = true;
     },
     pressLeft, pressOps,
     {"display.mousePress(1,2,0,0,37,0) -> 1", "tool.priorityPress(1,2,0,0,37,1) -> 0",
      "tool.mousePress(1,2,0,0,37,1) -> 0", "selection.mousePress(1,2,0,0,37,1) -> 0",
      "command.mousePress(1,2,0,0,37,1) -> 0"},
     [](Bench& s) { EXPECT_FALSE(s.scene->pendingMouseClick); }},
    {"a press a tool takes starts a drag", [](Bench& s) {
         bindLeft(s);
         s.a.results["mousePress"] = true;
         s.activate({&s.a});
     },
     pressLeft, pressOps,
     {"display.mousePress(1,2,0,0,37,0) -> 0", "tool.priorityPress(1,2,0,0,37,0) -> 0",
      "tool.mousePress(1,2,0,0,37,0) -> 1", "a.mousePress(1,2,0,0,37) -> 1", "selection.mousePress(1,2,0,0,37,1) -> 0",
      "command.mousePress(1,2,0,0,37,1) -> 0"},
     [](Bench& s) {
         EXPECT_FALSE(s.scene->pendingMouseClick);
         EXPECT_TRUE(s.tool->isDragInProgress());
     }},
    {"view commands reach the command manager before the tools", [](Bench& s) { s.bindMouse(0, 9013); }, pressLeft,
     pressOps,
     {"display.mousePress(1,2,0,0,9013,0) -> 0", "tool.priorityPress(1,2,0,0,9013,0) -> 0",
      "command.mousePress(1,2,0,0,9013,0) -> 1", "command.dispatch(9013,1,1,2)",
      "tool.mousePress(1,2,0,0,9013,1) -> 0", "selection.mousePress(1,2,0,0,9013,1) -> 0",
      "command.mousePress(1,2,0,0,9013,1) -> 0"},
     [](Bench& s) { EXPECT_FALSE(s.scene->pendingMouseClick); }},
    {"priority tools get the press in the early pass only", [](Bench& s) { s.activate({&s.a, &s.brush}); }, pressLeft,
     pressOps,
     {"display.mousePress(1,2,0,0,-1,0) -> 0", "tool.priorityPress(1,2,0,0,-1,0) -> 0",
      "brush.mousePress(1,2,0,0,-1) -> 0", "tool.mousePress(1,2,0,0,-1,0) -> 0", "a.mousePress(1,2,0,0,-1) -> 0",
      "selection.mousePress(1,2,0,0,-1,0) -> 0", "command.mousePress(1,2,0,0,-1,0) -> 1"},
     [](Bench& s) {
         EXPECT_TRUE(s.scene->pendingMouseClick);
         EXPECT_EQ(s.scene->pendingMouseCommand, -1);
     }},
    {"a priority tool taking the press keeps it from view commands", [](Bench& s) {
         s.bindMouse(0, 9013);
         s.brush.results["mousePress"] = true;
         s.activate({&s.a, &s.brush});
     },
     pressLeft, {"mousePress", "dispatch"},
     {"display.mousePress(1,2,0,0,9013,0) -> 0", "brush.mousePress(1,2,0,0,9013) -> 1",
      "command.mousePress(1,2,0,0,9013,1) -> 0", "tool.mousePress(1,2,0,0,9013,1) -> 0",
      "selection.mousePress(1,2,0,0,9013,1) -> 0", "command.mousePress(1,2,0,0,9013,1) -> 0"}},
    {"with Tab held no tool sees the press and the plain binding runs", [](Bench& s) {
         bindLeft(s);
         s.a.results["mousePress"] = true;
         s.brush.results["mousePress"] = true;
         s.activate({&s.a, &s.brush});
     },
     [](Bench& s) { s.scene->mousePress(1, 2, 0, tab); }, {"mousePress", "dispatch"},
     {"display.mousePress(1,2,0,8,37,0) -> 0", "tool.mousePress(1,2,0,8,37,0) -> 0",
      "selection.mousePress(1,2,0,8,37,0) -> 0", "command.mousePress(1,2,0,8,37,0) -> 1",
      "command.dispatch(37,1,1,2)"}},

    // --- drags, hovers, releases, the wheel ---
    {"press, drag and release run the binding on press and on release", bindLeft,
     [](Bench& s) {
         pressLeft(s);
         s.scene->mouseDrag(5, 6);
         s.scene->mouseRelease(7, 8);
         s.scene->mouseDrag(5, 6); // a second release runs nothing
         s.scene->mouseRelease(7, 8);
     },
     {"dispatch"}, {"command.dispatch(37,1,1,2)", "command.dispatch(37,3,7,8)"},
     [](Bench& s) { EXPECT_FALSE(s.scene->pendingMouseClick); }},
    {"a hover is no drag: the release runs nothing", bindLeft,
     [](Bench& s) {
         pressLeft(s);
         s.scene->mouseHover(5, 6);
         s.scene->mouseRelease(1, 2);
     },
     {"dispatch"}, {"command.dispatch(37,1,1,2)"}},
    {"drags and hovers go to display, tools and selection", [](Bench&) {},
     [](Bench& s) {
         s.scene->mouseDrag(5, 6);
         s.scene->mouseHover(5, 6);
     },
     {"mouseDrag", "mouseHover"},
     {"display.mouseDrag(5,6) -> 0", "tool.mouseDrag(5,6) -> 0", "selection.mouseDrag(5,6) -> 0",
      "display.mouseHover(5,6) -> 0", "tool.mouseHover(5,6) -> 0", "selection.mouseHover(5,6) -> 0"}},
    {"drags, hovers and releases stop at the first taker", [](Bench& s) {
         s.tool->results = {{"mouseDrag", true}, {"mouseRelease", true}};
         s.display->results["mouseHover"] = true;
     },
     [](Bench& s) {
         s.scene->mouseDrag(5, 6);
         s.scene->mouseHover(5, 6);
         s.scene->mouseRelease(7, 8);
     },
     {"mouseDrag", "mouseHover", "mouseRelease"},
     {"display.mouseDrag(5,6) -> 0", "tool.mouseDrag(5,6) -> 1", "display.mouseHover(5,6) -> 1",
      "display.mouseRelease(7,8) -> 0", "tool.mouseRelease(7,8) -> 1"}},
    {"a release runs the pending command before the chain", [](Bench& s) {
         bindLeft(s);
         s.display->results["mouseRelease"] = true;
     },
     [](Bench& s) {
         pressLeft(s);
         s.scene->mouseDrag(5, 6);
         s.scene->mouseRelease(7, 8);
     },
     {"dispatch", "mouseRelease"},
     {"command.dispatch(37,1,1,2)", "command.dispatch(37,3,7,8)", "display.mouseRelease(7,8) -> 1"}},
    {"the wheel runs its binding through the command manager only, with a pass per event and command",
     [](Bench& s) {
         s.bindMouse(28, 228); // wheel up
         s.bindMouse(38, 229); // wheel down with Ctrl
     },
     [](Bench& s) {
         s.scene->wheel(4, 5, 5, 0);
         s.scene->wheel(4, 5, 6, 1);
     },
     {"mousePress", "dispatch", "toolsHook"},
     {"command.mousePress(4,5,5,0,228,0) -> 1", "command.dispatch(228,1,4,5)", "tool.toolsHook()", "tool.toolsHook()",
      "command.mousePress(4,5,6,1,229,0) -> 1", "command.dispatch(229,1,4,5)", "tool.toolsHook()",
      "tool.toolsHook()"}},

    // --- keys ---
    {"a tap runs press then tap release, offering each to the tools first", [](Bench&) {}, tapE,
     {"commandKey", "dispatch"},
     {"tool.commandKey(69,0,1,37) -> 0", "command.dispatch(37,1,0,0)", "tool.commandKey(69,0,4,37) -> 0",
      "command.dispatch(37,4,0,0)"},
     [](Bench& s) { EXPECT_EQ(s.scene->pressedKeyCommand, 150); }},
    {"a hold a tool takes finishes the press as a tap", [](Bench& s) { s.activate({&s.a}); },
     [](Bench& s) {
         s.scene->keyPress(keyE, 0);
         s.a.results["commandKey"] = true;
         s.scene->keyHold(keyE, 0);
         s.a.results.clear();
         s.log.clear();
         s.scene->keyReleaseAfterHold(keyE);
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(69,0,4,37) -> 0", "a.commandKey(69,0,4,37) -> 0", "command.dispatch(37,4,0,0)",
      "tool.commandKey(69,0,3,150) -> 0", "a.commandKey(69,0,3,150) -> 0", "command.dispatch(150,3,0,0)"},
     [](Bench& s) {
         EXPECT_EQ(s.scene->pressedKeyCommand, 150);
         EXPECT_EQ(s.scene->heldKeyCommand, 150);
     }},
    {"a press a tool takes runs nothing", [](Bench& s) { s.tool->results["commandKey"] = true; }, tapE, {"dispatch"},
     {}, [](Bench& s) { EXPECT_EQ(s.scene->pressedKeyCommand, 150); }},
    {"an unbound key is offered to the tools and does not repeat the last held command", [](Bench&) {},
     [](Bench& s) {
         holdE(s);
         s.log.clear();
         s.scene->keyPress(keyW, 0);
         s.scene->keyReleaseAfterTap(keyW);
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(87,0,1,-1) -> 0", "tool.commandKey(87,0,4,150) -> 0", "command.dispatch(150,4,0,0)"}},
    {"modifiers select the key binding; commands run where the mouse last was", [](Bench& s) {
         s.application->addKeyBinding(keyE, tab, 47);
         s.application->addKeyBinding(keyE, 4, 39);
     },
     [](Bench& s) {
         s.scene->mouseHover(40, 50);
         s.scene->keyPress(keyE, tab);
         s.scene->keyReleaseAfterTap(keyE);
         s.scene->keyPress(keyE, 4);
         s.scene->keyReleaseAfterTap(keyE);
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(69,8,1,47) -> 0", "command.dispatch(47,1,40,50)", "tool.commandKey(69,8,4,47) -> 0",
      "command.dispatch(47,4,40,50)", "tool.commandKey(69,4,1,39) -> 0", "command.dispatch(39,1,40,50)",
      "tool.commandKey(69,4,4,39) -> 0", "command.dispatch(39,4,40,50)"}},
    {"Return asks the tools in order until one takes it", [](Bench& s) {
         s.a.results["enterKey"] = false; // passes without ending itself
         s.b.results["enterKey"] = true;
         s.activate({&s.a, &s.b, &s.brush});
     },
     [](Bench& s) { s.scene->confirm(); }, {"confirmKey", "enterKey"},
     {"tool.confirmKey() -> 1", "a.enterKey() -> 0", "b.enterKey() -> 1"}},
    {"Return in a tool without its own ends it and brings the manipulator back", [](Bench& s) {
         s.activate({&s.a});
         s.tool->rememberedManipulator = &s.manip;
     },
     [](Bench& s) { s.scene->confirm(); }, {"enterKey", "deactivate"}, {"a.enterKey() -> 0", "a.deactivate()"},
     [](Bench& s) { EXPECT_TRUE(s.onlyActive(&s.manip)); }},
    {"Escape ends every tool but the transform manipulator", [](Bench& s) { s.activate({&s.manip, &s.a}); },
     [](Bench& s) { s.scene->cancel(); }, {"deactivate", "enterKey", "refreshDisplay"},
     {"a.deactivate()", "selection.refreshDisplay()"},
     [](Bench& s) {
         EXPECT_TRUE(s.onlyActive(&s.manip));
         EXPECT_EQ(s.window.redrawCount, 1);
     }},
    {"Delete goes to the tools first, then runs \"Delete\" directly", [](Bench&) {},
     [](Bench& s) { s.scene->deleteSelection(); }, {"deleteKey", "dispatch"},
     {"tool.deleteKey() -> 0", "command.deleteKey() -> 1", "command.dispatch(10,0,0,0)"}},
    // --- commands and the update pass ---
    {"a command is dispatched, told to every manager, then the pass runs and autosave is checked",
     [](Bench& s) { s.command->dispatchResult = 7; },
     [](Bench& s) { EXPECT_EQ(s.scene->executeCommand(37, "arg", 0, 3, 4), 7); },
     {"dispatch", "commandExecuted", "toolsHook", "autosaveCheck"},
     {"command.dispatch(37,0,3,4)", "display.commandExecuted(37,0)", "command.commandExecuted(37,0)",
      "object.commandExecuted(37,0)", "selection.commandExecuted(37,0)", "tool.commandExecuted(37,0)",
      "application.commandExecuted(37,0)", "application.autosaveCheck()", "tool.toolsHook()"},
     [](Bench& s) { EXPECT_THAT(s.command->arguments, ElementsAre("arg")); }},
    {"only a direct command ends a tool drag, before the tool hears of the command", [](Bench& s) {
         s.a.results["mousePress"] = true;
         s.activate({&s.a});
     },
     [](Bench& s) {
         s.scene->mousePress(1, 1, 0, 0);
         s.scene->executeCommand(37, "", SceneManager::ModePress, 0, 0);
         EXPECT_TRUE(s.tool->isDragInProgress());
         s.log.clear();
         s.scene->executeCommand(37, "", SceneManager::ModeDirect, 0, 0);
     },
     {"mouseRelease", "commandExecuted"},
     {"display.commandExecuted(37,0)", "command.commandExecuted(37,0)", "object.commandExecuted(37,0)",
      "selection.commandExecuted(37,0)", "tool.commandExecuted(37,0)", "tool.mouseRelease(-1,-1) -> 0",
      "a.mouseRelease(-1,-1) -> 0", "a.commandExecuted(37,0)", "application.commandExecuted(37,0)"},
     [](Bench& s) { EXPECT_FALSE(s.tool->isDragInProgress()); }},
    {"many redraw requests give one redraw and no scene change", [](Bench& s) {
         s.activate({&s.a});
         s.display->redrawRequested = s.selection->redrawRequested = s.application->redrawRequested = true;
         s.a.redrawNeeded = true;
     },
     [](Bench& s) {
         s.scene->mouseHover(1, 1);
         s.scene->mouseHover(1, 1);
     },
     {"sceneChangedNotify"}, {},
     [](Bench& s) {
         EXPECT_EQ(s.window.redrawCount, 1);
         for (SceneManager* m : s.scene->managerList)
             EXPECT_FALSE(m->isRedrawRequested());
         EXPECT_FALSE(s.a.redrawNeeded);
     }},
    {"a scene change notifies every peer in peer order, clearing each flag",
     [](Bench& s) { s.object->sceneChanged = true; }, [](Bench& s) { s.scene->mouseHover(1, 1); },
     {"sceneChangedNotify", "clearSceneChanged"},
     {"application.sceneChangedNotify()", "application.clearSceneChanged()", "command.sceneChangedNotify()",
      "command.clearSceneChanged()", "display.sceneChangedNotify()", "display.clearSceneChanged()",
      "object.sceneChangedNotify()", "object.clearSceneChanged()", "selection.sceneChangedNotify()",
      "selection.clearSceneChanged()", "tool.sceneChangedNotify()", "tool.clearSceneChanged()"},
     [](Bench& s) {
         EXPECT_FALSE(s.object->sceneChanged);
         EXPECT_EQ(s.window.redrawCount, 1);
     }},
    {"during a tool drag the display is not notified, but its flag is cleared", [](Bench& s) {
         s.a.results["mousePress"] = true;
         s.activate({&s.a});
     },
     [](Bench& s) {
         s.scene->mousePress(1, 1, 0, 0);
         s.display->sceneChanged = true;
         s.log.clear();
         s.scene->mouseDrag(2, 2);
         EXPECT_FALSE(s.display->sceneChanged);
     },
     {"sceneChangedNotify"},
     each({"application", "command", "object", "selection", "tool"}, "sceneChangedNotify()")},
    {"a tool's update request counts as a scene change; every pass steps the tools",
     [](Bench& s) {
         s.activate({&s.a});
         s.a.updateNeeded = true;
     },
     [](Bench& s) { s.scene->mouseHover(1, 1); }, {"sceneChangedNotify", "notify", "frameStep"},
     [] {
         std::vector<std::string> out = {"a.frameStep()"};
         for (const std::string& e : each(peersInOrder, "sceneChangedNotify()"))
             out.push_back(e);
         out.push_back("a.notify()");
         return out;
     }(),
     [](Bench& s) {
         EXPECT_FALSE(s.a.updateNeeded);
         EXPECT_EQ(s.window.redrawCount, 1);
     }},
    {"refreshing now notifies the display and redraws at once",
     [](Bench& s) { s.selection->redrawRequested = true; }, [](Bench& s) { s.application->refreshNow(); },
     {"sceneChangedNotify"}, {"display.sceneChangedNotify()"},
     [](Bench& s) {
         EXPECT_EQ(s.window.redrawCount, 1);
         EXPECT_FALSE(s.selection->redrawRequested);
     }},

    // --- start, drawing and closing ---
    {"start reads the preferences with the mouse unbound, then initializes in list order and sizes the views",
     [](Bench& s) {
         s.bindMouse(0, 37);
         s.bindMouse(57, 5);
         s.window.viewportWidth = 320;
         s.window.viewportHeight = 200;
     },
     [](Bench& s) { s.scene->start(); }, {"readPreferences", "initialize", "resize", "setSoftSelection"},
     {"application.readPreferences()", "display.initialize()", "command.initialize()", "object.initialize()",
      "selection.initialize()", "selection.setSoftSelection(0)", "tool.initialize()", "application.initialize()",
      "display.resize(320,200)"},
     [](Bench& s) {
         EXPECT_TRUE(s.application->mouseUnboundWhenRead);
         EXPECT_EQ(s.display->viewportHeight, 200);
         EXPECT_TRUE(s.application->redrawRequested);
     }},
};

} // namespace

TEST(SceneEventRouting, EveryRowCallsWhatItExpects)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Bench s;
        row.setup(s);
        s.log.clear();
        row.events(s);
        std::vector<std::string> seen;
        for (const std::string& e : s.log.entries)
            if (std::ranges::find(row.watched, CallLog::operationOf(e)) != row.watched.end())
                seen.push_back(e);
        EXPECT_THAT(seen, ElementsAreArray(row.expected));
        row.check(s);
        s.tool->activeTools.clear();
        s.tool->rememberedManipulator = nullptr;
    }
}

// Unsaved changes: the window is refreshed, the question asked, and the
// answer decides.
TEST(SceneEventRouting, CloseFollowsTheAnswerToTheSaveQuestion)
{
    struct Case {
        const char* what;
        int answer;
        bool saveSucceeds;
        bool closes;
        size_t saves;
    };
    const Case cases[] = {
        {"Cancel keeps running", TavoApplicationWindow::Cancel, true, false, 0},
        {"a dismissed question counts as Cancel", -1, true, false, 0},
        {"No discards", TavoApplicationWindow::No, true, true, 0},
        {"Yes saves first", TavoApplicationWindow::Yes, true, true, 1},
        {"a failed save refuses the close", TavoApplicationWindow::Yes, false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedScene s;
        s.command->unsavedChanges = true;
        s.application->saveSucceeds = c.saveSucceeds;
        s.window.answers = {c.answer};
        EXPECT_EQ(s.scene->close(), c.closes);
        ASSERT_GE(s.window.calls.size(), 2u);
        EXPECT_EQ(s.window.calls[0], "redraw");
        EXPECT_EQ(s.window.calls[1], "ask:Save current file before closing?");
        std::vector<std::string> order = s.log.only({"saveScene", "shutdown", "writePreferences"});
        ASSERT_EQ(order.size(), c.saves + (c.closes ? 7u : 0u));
        if (c.saves)
            EXPECT_EQ(order.front(), "application.saveScene()");
    }
}

TEST(SceneEventRouting, DrawHandsTheViewportsTheSelectionToolAndApplication)
{
    RecordedScene s;
    s.scene->draw();
    EXPECT_THAT(std::vector<SceneManager*>(s.display->lastDrawers.begin(), s.display->lastDrawers.end()),
                ElementsAre(s.selection, s.tool, s.application));
    s.scene->resize(300, 200);
    EXPECT_EQ(s.display->viewportWidth, 300);
    EXPECT_TRUE(s.display->redrawRequested);
}

TEST(SceneEventRouting, ShutdownStoresWindowGeometryOnlyWhenNormal)
{
    RecordingWindow window;
    window.windowWidth = 1024;
    window.windowHeight = 700;
    window.windowY = 40;
    Scene scene(&window, "");
    SceneApplicationManager* app = scene.applicationManager;
    app->shutdown();
    EXPECT_EQ(app->windowHeight, 700);
    EXPECT_EQ(app->windowY, 40);
    EXPECT_FALSE(app->windowMaximized);
    window.maximized = true;
    window.windowWidth = 1920;
    app->shutdown();
    EXPECT_TRUE(app->windowMaximized);
    EXPECT_EQ(app->windowWidth, 1024);
    window.maximized = false;
    window.minimized = true;
    app->shutdown();
    EXPECT_FALSE(app->windowMaximized);
    EXPECT_EQ(app->windowWidth, 1024);
}
