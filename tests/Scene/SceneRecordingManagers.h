#pragma once
// Managers and tools that log every call into one shared log, so that tests
// can see which manager saw what, in which order, and what it answered.
// Each wraps the real class: unless a result is scripted, the real
// operation runs and its answer is logged.
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Scene/Input/ModifierCodes.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/SceneToolManager.h"
#include "Tools/Tool.h"
#include "support/RecordingWindow.h"

// Entries look like "display.mousePress(5,6,0,0,42,0) -> 1": owner,
// operation, arguments and, for operations with a result, the result.
struct CallLog {
    std::vector<std::string> entries;

    static std::string operationOf(const std::string& entry)
    {
        size_t dot = entry.find('.');
        size_t paren = entry.find('(');
        return entry.substr(dot + 1, paren - dot - 1);
    }
    // The entries whose operation is one of `operations`, in order.
    std::vector<std::string> only(const std::vector<std::string>& operations) const
    {
        std::vector<std::string> out;
        for (const std::string& e : entries)
            for (const std::string& op : operations)
                if (operationOf(e) == op)
                    out.push_back(e);
        return out;
    }
    void clear() { entries.clear(); }
};

template <class... Values>
std::string joined(Values... values)
{
    std::string s;
    ((s += (s.empty() ? "" : ",") + std::to_string(values)), ...);
    return s;
}

// Logs into a CallLog under a name; `results` scripts answers by operation.
class Recorder {
public:
    Recorder(CallLog& callLog, std::string ownerName) : log(callLog), name(std::move(ownerName)) {}

    std::map<std::string, bool> results;

protected:
    void note(const std::string& op, const std::string& args = "")
    {
        log.entries.push_back(name + "." + op + "(" + args + ")");
    }
    // The entry is written before the real operation runs, so that whatever
    // it causes is logged after it.
    template <class Real>
    bool answer(const std::string& op, const std::string& args, Real real)
    {
        note(op, args);
        size_t i = log.entries.size() - 1;
        auto scripted = results.find(op);
        bool r = scripted != results.end() ? scripted->second : real();
        log.entries[i] += r ? " -> 1" : " -> 0";
        return r;
    }

    CallLog& log;
    std::string name;
};

template <class Base>
class Recording : public Base, public Recorder {
public:
    template <class... Args>
    Recording(CallLog& callLog, std::string ownerName, Args&&... args)
        : Base(std::forward<Args>(args)...), Recorder(callLog, std::move(ownerName))
    {
    }

    void attach(SceneManagers* directory) override { note("attach"); Base::attach(directory); }
    void initialize() override { note("initialize"); Base::initialize(); }
    void shutdown() override { note("shutdown"); Base::shutdown(); }
    void clearSceneChanged() override { note("clearSceneChanged"); Base::clearSceneChanged(); }
    bool mousePress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override
    {
        return answer("mousePress", joined(x, y, button, modifiers, commandId, handledSoFar),
                      [&] { return Base::mousePress(x, y, button, modifiers, commandId, handledSoFar); });
    }
    bool mouseDrag(int x, int y) override
    {
        return answer("mouseDrag", joined(x, y), [&] { return Base::mouseDrag(x, y); });
    }
    bool mouseHover(int x, int y) override
    {
        return answer("mouseHover", joined(x, y), [&] { return Base::mouseHover(x, y); });
    }
    bool mouseRelease(int x, int y) override
    {
        return answer("mouseRelease", joined(x, y), [&] { return Base::mouseRelease(x, y); });
    }
    bool confirmKey() override { return answer("confirmKey", "", [&] { return Base::confirmKey(); }); }
    bool deleteKey() override { return answer("deleteKey", "", [&] { return Base::deleteKey(); }); }
    void toolsHook() override { note("toolsHook"); Base::toolsHook(); }
    void commandExecuted(int commandId, int mode) override
    {
        note("commandExecuted", joined(commandId, mode)), Base::commandExecuted(commandId, mode);
    }
    void sceneChangedNotify() override { note("sceneChangedNotify"); Base::sceneChangedNotify(); }
};

class RecordingObjectManager : public Recording<SceneObjectManager> {
public:
    using Recording::Recording;
};

class RecordingSelectionManager : public Recording<SceneSelectionManager> {
public:
    using Recording::Recording;
    void refreshDisplay() override { note("refreshDisplay"); }
    void setSoftSelection(bool enabled) override { note("setSoftSelection", joined(enabled)); }
};

class RecordingDisplayManager : public Recording<SceneDisplayManager> {
public:
    using Recording::Recording;
    void resize(int width, int height) override
    {
        note("resize", joined(width, height));
        SceneDisplayManager::resize(width, height);
    }
    // Keeps the drawers instead of drawing: there is no GL context here.
    void drawViewports(const List<SceneManager*>& drawers) override { note("drawViewports"); lastDrawers = drawers; }
    List<SceneManager*> lastDrawers;
};

class RecordingCommandManager : public Recording<SceneCommandManager> {
public:
    using Recording::Recording;
    int dispatch(int commandId, const std::string& argument, int mode, int x, int y) override
    {
        note("dispatch", joined(commandId, mode, x, y));
        arguments.push_back(argument);
        return dispatchResult;
    }
    std::vector<std::string> arguments;
    int dispatchResult = 0;
};

class RecordingToolManager : public Recording<SceneToolManager> {
public:
    using Recording::Recording;
    bool priorityPress(int x, int y, int button, int modifiers, int commandId, bool handledSoFar) override
    {
        return answer("priorityPress", joined(x, y, button, modifiers, commandId, handledSoFar),
                      [&] { return SceneToolManager::priorityPress(x, y, button, modifiers, commandId, handledSoFar); });
    }
    bool commandKey(int key, int modifiers, int mode, int commandId) override
    {
        return answer("commandKey", joined(key, modifiers, mode, commandId),
                      [&] { return SceneToolManager::commandKey(key, modifiers, mode, commandId); });
    }
};

class RecordingApplicationManager : public Recording<SceneApplicationManager> {
public:
    using Recording::Recording;
    void buildSettingsRegistry() override { note("buildSettingsRegistry"); }
    void readPreferences() override
    {
        note("readPreferences");
        mouseUnboundWhenRead = true;
        for (int i = 0; i < MouseBindings::Count; ++i)
            mouseUnboundWhenRead = mouseUnboundWhenRead && mouseBindings.command(i) == -1;
    }
    bool writePreferences() override { note("writePreferences"); return true; }
    bool saveScene() override { note("saveScene"); return saveSucceeds; }
    void autosaveCheck() override { note("autosaveCheck"); }

    bool saveSucceeds = false;
    bool mouseUnboundWhenRead = false;
};

// A tool with scripted answers that logs its calls.
class RecordingTool : public Tool, public Recorder {
public:
    RecordingTool(CallLog& callLog, std::string ownerName, bool transformManipulator = false,
                  bool pressFirst = false)
        : Recorder(callLog, std::move(ownerName)), transform(transformManipulator), first(pressFirst)
    {
    }

    bool mousePress(int x, int y, int button, int modifiers, int action, Camera*) override
    {
        return answer("mousePress", joined(x, y, button, modifiers, action), never);
    }
    bool mouseDrag(int x, int y, Camera*) override { return answer("mouseDrag", joined(x, y), never); }
    bool mouseHover(int x, int y, Camera*) override { return answer("mouseHover", joined(x, y), never); }
    bool mouseRelease(int x, int y, Camera*) override { return answer("mouseRelease", joined(x, y), never); }
    bool commandKey(int key, int modifiers, int phase, int commandId) override
    {
        return answer("commandKey", joined(key, modifiers, phase, commandId), never);
    }
    bool deleteKey() override { return answer("deleteKey", "", never); }
    bool enterKey() override { return answer("enterKey", "", [this] { return Tool::enterKey(); }); }
    void commandExecuted(int commandId, int phase) override { note("commandExecuted", joined(commandId, phase)); }
    bool takesPressFirst() override { return first; }
    bool isTransformManipulator() override { return transform; }
    void frameStep() override { note("frameStep"); }
    void draw() override { note("draw"); }
    void afterDraw() override { note("afterDraw"); }
    void notify() override { note("notify"); }
    void deactivate() override { note("deactivate"); }

private:
    static bool never() { return false; }
    bool transform;
    bool first;
};

// A scene built from the given managers, each logging under its own name,
// around a recording window.
template <class Object, class Selection, class Display, class Command, class ToolManager, class Application>
struct RecordedSceneOf {
    explicit RecordedSceneOf(const std::string& startupFile = "startup.tvb")
        : object(new Object(log, "object")), selection(new Selection(log, "selection")),
          display(new Display(log, "display")), command(new Command(log, "command")),
          tool(new ToolManager(log, "tool")), application(new Application(log, "application", &window, startupFile)),
          scene(std::make_unique<Scene>(&window, object, selection, display, command, tool, application))
    {
        window.scene = scene.get();
    }

    // Binds a command to the mouse table entry of (button, modifiers).
    void bindMouse(int entry, int commandId) { application->setMouseBinding(entry, commandId); }

    CallLog log;
    RecordingWindow window;
    Object* object;
    Selection* selection;
    Display* display;
    Command* command;
    ToolManager* tool;
    Application* application;
    std::unique_ptr<Scene> scene;
};

using RecordedScene = RecordedSceneOf<RecordingObjectManager, RecordingSelectionManager, RecordingDisplayManager,
                                      RecordingCommandManager, RecordingToolManager, RecordingApplicationManager>;
