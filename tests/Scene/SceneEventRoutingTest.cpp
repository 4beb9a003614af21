// How the scene routes events: one row per case gives the setup, the events
// sent and the calls expected of the managers and tools, in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "Scene/SceneRecordingManagers.h"
#include "support/Fixtures.h"

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
        tool->activeTools.clear(); // the rows choose the tools themselves
    }
    void activate(std::initializer_list<Tool*> tools)
    {
        for (Tool* t : tools) tool->activeTools.append(t);
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
void tapE(Bench& s) { s.scene->keyPress(keyE, 0); s.scene->keyReleaseAfterTap(keyE); }

const std::vector<std::string> pressOps = {"mousePress", "priorityPress", "dispatch"};
const std::vector<std::string> peersInOrder = {"application", "command", "display", "object", "selection", "tool"};

// A left press at (1,2) as a manager logs it, "display.mousePress(1,2,0,0,37,0) -> 1",
// and as a tool logs it, "a.mousePress(1,2,0,0,37) -> 1".
std::string at(const std::string& call, int command, int takenSoFar, int result)
{
    return call + "(1,2,0,0," + joined(command, takenSoFar) + ") -> " + std::to_string(result);
}
std::string toolAt(const std::string& tool, int command, int result)
{
    return tool + ".mousePress(1,2,0,0," + std::to_string(command) + ") -> " + std::to_string(result);
}

const Row rows[] = {
    // --- mouse presses ---
    {"an unconsumed press visits every manager and runs the binding; one pass for the command, one for the press",
     bindLeft, pressLeft, {"mousePress", "priorityPress", "dispatch", "toolsHook"},
     {at("display.mousePress", 37, 0, 0), at("tool.priorityPress", 37, 0, 0), at("tool.mousePress", 37, 0, 0),
      at("selection.mousePress", 37, 0, 0), at("command.mousePress", 37, 0, 1), "command.dispatch(37,1,1,2)",
      "tool.toolsHook()", "tool.toolsHook()"},
     [](Bench& s) {
         EXPECT_TRUE(s.scene->pendingMouseClick);
         EXPECT_EQ(s.scene->pendingMouseCommand, 37);
         EXPECT_THAT(s.window.calls, ElementsAre("execute:37/1"));
     }},
    {"a press a tool takes starts a drag",
     [](Bench& s) { bindLeft(s); s.a.results["mousePress"] = true; s.activate({&s.a}); }, pressLeft, pressOps,
     {at("display.mousePress", 37, 0, 0), at("tool.priorityPress", 37, 0, 0), at("tool.mousePress", 37, 0, 1),
      toolAt("a", 37, 1), at("selection.mousePress", 37, 1, 0), at("command.mousePress", 37, 1, 0)},
     [](Bench& s) {
         EXPECT_EQ(std::pair(s.scene->pendingMouseClick, s.tool->isDragInProgress()), std::pair(false, true));
     }},
    {"view commands reach the command manager before the tools, and only priority tools get the press before them",
     [](Bench& s) { s.bindMouse(0, 9013); s.activate({&s.a, &s.brush}); }, pressLeft, pressOps,
     {at("display.mousePress", 9013, 0, 0), at("tool.priorityPress", 9013, 0, 0), toolAt("brush", 9013, 0),
      at("command.mousePress", 9013, 0, 1), "command.dispatch(9013,1,1,2)", at("tool.mousePress", 9013, 1, 0),
      at("selection.mousePress", 9013, 1, 0), at("command.mousePress", 9013, 1, 0)},
     [](Bench& s) { EXPECT_FALSE(s.scene->pendingMouseClick); }},
    {"a priority tool taking the press keeps it from view commands",
     [](Bench& s) { s.bindMouse(0, 9013); s.brush.results["mousePress"] = true; s.activate({&s.a, &s.brush}); },
     pressLeft, {"mousePress", "dispatch"},
     {at("display.mousePress", 9013, 0, 0), toolAt("brush", 9013, 1), at("command.mousePress", 9013, 1, 0),
      at("tool.mousePress", 9013, 1, 0), at("selection.mousePress", 9013, 1, 0), at("command.mousePress", 9013, 1, 0)}},
    {"with Tab held no tool sees the press and the plain binding runs",
     [](Bench& s) {
         bindLeft(s);
         s.a.results["mousePress"] = s.brush.results["mousePress"] = true;
         s.activate({&s.a, &s.brush});
     },
     [](Bench& s) { s.scene->mousePress(1, 2, 0, tab); }, {"mousePress", "dispatch"},
     {"display.mousePress(1,2,0,8,37,0) -> 0", "tool.mousePress(1,2,0,8,37,0) -> 0",
      "selection.mousePress(1,2,0,8,37,0) -> 0", "command.mousePress(1,2,0,8,37,0) -> 1",
      "command.dispatch(37,1,1,2)"}},

    // --- drags, hovers, releases, the wheel ---
    {"the binding runs on press and, after a drag only, on release, before the chain",
     [](Bench& s) { bindLeft(s); s.display->results["mouseRelease"] = true; },
     [](Bench& s) {
         pressLeft(s);
         s.scene->mouseHover(5, 6); // a hover is no drag
         s.scene->mouseRelease(1, 2);
         pressLeft(s);
         s.scene->mouseDrag(5, 6);
         s.scene->mouseRelease(7, 8);
         s.scene->mouseDrag(5, 6); // a second release runs nothing
         s.scene->mouseRelease(7, 8);
     },
     {"dispatch", "mouseRelease"},
     {"command.dispatch(37,1,1,2)", "display.mouseRelease(1,2) -> 1", "command.dispatch(37,1,1,2)",
      "command.dispatch(37,3,7,8)", "display.mouseRelease(7,8) -> 1", "display.mouseRelease(7,8) -> 1"},
     [](Bench& s) { EXPECT_FALSE(s.scene->pendingMouseClick); }},
    {"drags, hovers and releases go to display, tools and selection, stopping at the first taker",
     [](Bench& s) { s.tool->results["mouseDrag"] = s.display->results["mouseRelease"] = true; },
     [](Bench& s) {
         s.scene->mouseDrag(5, 6);
         s.scene->mouseHover(5, 6);
         s.scene->mouseRelease(7, 8);
     },
     {"mouseDrag", "mouseHover", "mouseRelease"},
     {"display.mouseDrag(5,6) -> 0", "tool.mouseDrag(5,6) -> 1", "display.mouseHover(5,6) -> 0",
      "tool.mouseHover(5,6) -> 0", "selection.mouseHover(5,6) -> 0", "display.mouseRelease(7,8) -> 1"}},
    {"the wheel runs its binding through the command manager only",
     [](Bench& s) { s.bindMouse(28, 228); s.bindMouse(38, 229); }, // wheel up; wheel down with Ctrl
     [](Bench& s) { s.scene->wheel(4, 5, 5, 0); s.scene->wheel(4, 5, 6, 1); }, {"mousePress", "dispatch"},
     {"command.mousePress(4,5,5,0,228,0) -> 1", "command.dispatch(228,1,4,5)", "command.mousePress(4,5,6,1,229,0) -> 1",
      "command.dispatch(229,1,4,5)"}},

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
         s.a.results.clear(); s.log.clear();
         s.scene->keyReleaseAfterHold(keyE);
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(69,0,4,37) -> 0", "a.commandKey(69,0,4,37) -> 0", "command.dispatch(37,4,0,0)",
      "tool.commandKey(69,0,3,150) -> 0", "a.commandKey(69,0,3,150) -> 0", "command.dispatch(150,3,0,0)"},
     [](Bench& s) { EXPECT_EQ(s.scene->heldKeyCommand, 150); }},
    {"a press a tool takes runs nothing", [](Bench& s) { s.tool->results["commandKey"] = true; }, tapE, {"dispatch"},
     {}},
    {"an unbound key is offered to the tools and does not repeat the last held command", [](Bench&) {},
     [](Bench& s) {
         s.scene->keyPress(keyE, 0); s.scene->keyHold(keyE, 0); s.scene->keyReleaseAfterHold(keyE);
         s.log.clear();
         s.scene->keyPress(keyW, 0);
         s.scene->keyReleaseAfterTap(keyW);
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(87,0,1,-1) -> 0", "tool.commandKey(87,0,4,150) -> 0", "command.dispatch(150,4,0,0)"}},
    {"an unbound key pressed meanwhile leaves the pending command to its own key's release", [](Bench&) {},
     [](Bench& s) {
         s.scene->keyPress(keyE, 0); s.scene->keyPress(keyW, 0);
         s.scene->keyReleaseAfterTap(keyW); s.scene->keyReleaseAfterTap(keyE);
     },
     {"dispatch"}, {"command.dispatch(37,1,0,0)", "command.dispatch(150,4,0,0)", "command.dispatch(37,4,0,0)"},
     [](Bench& s) { EXPECT_EQ(s.scene->pressedKeyCommand, 150); }},
    {"modifiers select the key binding; commands run where the mouse last was",
     [](Bench& s) { s.application->addKeyBinding(keyE, tab, 47); s.application->addKeyBinding(keyE, 4, 39); },
     [](Bench& s) {
         s.scene->mouseHover(40, 50);
         for (int modifiers : {tab, 4}) {
             s.scene->keyPress(keyE, modifiers);
             s.scene->keyReleaseAfterTap(keyE);
         }
     },
     {"commandKey", "dispatch"},
     {"tool.commandKey(69,8,1,47) -> 0", "command.dispatch(47,1,40,50)", "tool.commandKey(69,8,4,47) -> 0",
      "command.dispatch(47,4,40,50)", "tool.commandKey(69,4,1,39) -> 0", "command.dispatch(39,1,40,50)",
      "tool.commandKey(69,4,4,39) -> 0", "command.dispatch(39,4,40,50)"}},
    {"Return asks the tools in order until one takes it",
     [](Bench& s) {
         s.a.results["enterKey"] = false; // passes without ending itself
         s.b.results["enterKey"] = true;
         s.activate({&s.a, &s.b, &s.brush});
     },
     [](Bench& s) { s.scene->confirm(); }, {"confirmKey", "enterKey"},
     {"tool.confirmKey() -> 1", "a.enterKey() -> 0", "b.enterKey() -> 1"}},
    {"Return in a tool without its own ends it and brings the manipulator back",
     [](Bench& s) { s.activate({&s.a}); s.tool->rememberedManipulator = &s.manip; },
     [](Bench& s) { s.scene->confirm(); }, {"enterKey", "deactivate"}, {"a.enterKey() -> 0", "a.deactivate()"},
     [](Bench& s) { EXPECT_TRUE(s.onlyActive(&s.manip)); }},
    {"Escape ends every tool but the transform manipulator", [](Bench& s) { s.activate({&s.manip, &s.a}); },
     [](Bench& s) { s.scene->cancel(); }, {"deactivate", "enterKey", "refreshDisplay"},
     {"a.deactivate()", "selection.refreshDisplay()"},
     [](Bench& s) { EXPECT_EQ(std::pair(s.onlyActive(&s.manip), s.window.redrawCount), std::pair(true, 1)); }},
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
    {"only a direct command ends a tool drag, before the tool hears of the command",
     [](Bench& s) { s.a.results["mousePress"] = true; s.activate({&s.a}); },
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
    {"many redraw requests give one redraw and no scene change",
     [](Bench& s) {
         s.activate({&s.a});
         s.display->redrawRequested = s.selection->redrawRequested = s.application->redrawRequested = true;
         s.a.redrawNeeded = true;
     },
     [](Bench& s) { s.scene->mouseHover(1, 1); s.scene->mouseHover(1, 1); }, {"sceneChangedNotify"}, {},
     [](Bench& s) {
         EXPECT_EQ(s.window.redrawCount, 1);
         for (SceneManager* m : s.scene->managerList)
             EXPECT_FALSE(m->isRedrawRequested());
         EXPECT_FALSE(s.a.redrawNeeded);
     }},
    {"during a tool drag the display is not notified, but its flag is cleared",
     [](Bench& s) { s.a.results["mousePress"] = true; s.activate({&s.a}); },
     [](Bench& s) {
         s.scene->mousePress(1, 1, 0, 0);
         s.display->sceneChanged = true;
         s.log.clear();
         s.scene->mouseDrag(2, 2);
         EXPECT_FALSE(s.display->sceneChanged);
     },
     {"sceneChangedNotify"},
     {"application.sceneChangedNotify()", "command.sceneChangedNotify()", "object.sceneChangedNotify()",
      "selection.sceneChangedNotify()", "tool.sceneChangedNotify()"}},
    {"a tool's update request is a scene change: every peer hears of it in peer order, clearing its flag",
     [](Bench& s) { s.activate({&s.a}); s.a.updateNeeded = true; }, [](Bench& s) { s.scene->mouseHover(1, 1); },
     {"sceneChangedNotify", "clearSceneChanged", "notify", "frameStep"},
     [] {
         std::vector<std::string> out = {"a.frameStep()"}; // every pass steps the tools
         for (const std::string& peer : peersInOrder)
             out.insert(out.end(), {peer + ".sceneChangedNotify()", peer + ".clearSceneChanged()"});
         out.insert(out.end() - 1, "a.notify()"); // the tool manager passes it on before its flag clears
         return out;
     }(),
     [](Bench& s) { EXPECT_EQ(std::pair(s.a.updateNeeded, s.window.redrawCount), std::pair(false, 1)); }},
    {"refreshing now notifies the display and redraws at once",
     [](Bench& s) { s.selection->redrawRequested = true; }, [](Bench& s) { s.application->refreshNow(); },
     {"sceneChangedNotify"}, {"display.sceneChangedNotify()"},
     [](Bench& s) { EXPECT_EQ(std::pair(s.selection->redrawRequested, s.window.redrawCount), std::pair(false, 1)); }},

    // --- start ---
    {"start reads the preferences with the mouse unbound, then initializes in list order and sizes the views",
     [](Bench& s) {
         s.bindMouse(0, 37); s.bindMouse(57, 5);
         s.window.viewportWidth = 320, s.window.viewportHeight = 200;
     },
     [](Bench& s) { s.scene->start(); }, {"readPreferences", "initialize", "resize", "setSoftSelection"},
     {"application.readPreferences()", "display.initialize()", "command.initialize()", "object.initialize()",
      "selection.initialize()", "selection.setSoftSelection(0)", "tool.initialize()", "application.initialize()",
      "display.resize(320,200)"},
     [](Bench& s) {
         RecordingApplicationManager* app = s.application;
         EXPECT_EQ(std::tuple(app->mouseUnboundWhenRead, s.display->viewportHeight, app->redrawRequested),
                   std::tuple(true, 200, true));
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
        EXPECT_THAT(s.log.only(row.watched), ElementsAreArray(row.expected));
        row.check(s);
        s.tool->activeTools.clear();
        s.tool->rememberedManipulator = nullptr;
    }
}

// Unsaved changes: the window is refreshed, the question asked, and the
// answer decides.
TEST(SceneEventRouting, CloseFollowsTheAnswerToTheSaveQuestion)
{
    struct Case { const char* what; int answer; bool saveSucceeds, closes; };
    const Case cases[] = {
        {"Cancel keeps running", TavoApplicationWindow::Cancel, true, false},
        {"a dismissed question counts as Cancel", -1, true, false},
        {"No discards", TavoApplicationWindow::No, true, true},
        {"Yes saves first", TavoApplicationWindow::Yes, true, true},
        {"a failed save refuses the close", TavoApplicationWindow::Yes, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedScene s;
        s.command->unsavedChanges = true;
        s.application->saveSucceeds = c.saveSucceeds;
        s.window.answers = {c.answer};
        EXPECT_EQ(s.scene->close(), c.closes);
        ASSERT_GE(s.window.calls.size(), 2u);
        EXPECT_THAT(std::vector(s.window.calls.begin(), s.window.calls.begin() + 2),
                    ElementsAre("redraw", "ask:Save current file before closing?"));
        std::vector<std::string> order = s.log.only({"saveScene", "shutdown", "writePreferences"});
        size_t saves = c.answer == TavoApplicationWindow::Yes;
        ASSERT_EQ(order.size(), saves + (c.closes ? 7u : 0u));
        if (saves)
            EXPECT_EQ(order.front(), "application.saveScene()");
    }
}

TEST(SceneEventRouting, DrawHandsTheViewportsTheSelectionToolAndApplication)
{
    RecordedScene s;
    s.scene->draw();
    EXPECT_THAT(fixtures::listed(s.display->lastDrawers), ElementsAre(s.selection, s.tool, s.application));
    s.scene->resize(300, 200);
    EXPECT_EQ(s.display->viewportWidth, 300);
    EXPECT_TRUE(s.display->redrawRequested);
}

TEST(SceneEventRouting, ShutdownStoresWindowGeometryOnlyWhenNormal)
{
    RecordingWindow window;
    Scene scene(&window, "");
    SceneApplicationManager* app = scene.applicationManager;
    // (maximized, minimized, width the window reports, width stored)
    for (auto [maximized, minimized, width, stored] :
         {std::tuple(false, false, 1024, 1024), {true, false, 1920, 1024}, {false, true, 800, 1024}}) {
        window.maximized = maximized, window.minimized = minimized, window.windowWidth = width;
        app->shutdown();
        EXPECT_EQ(std::pair(app->windowMaximized, app->windowWidth), std::pair(maximized, stored));
    }
}
