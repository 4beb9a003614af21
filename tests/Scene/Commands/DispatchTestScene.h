#pragma once
// A scene with the real command and application managers (the dispatch,
// the undo stacks, the settings registry) and recording managers around
// them, which log the operations the dispatch routes to.
#include <string>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/SceneRecordingManagers.h"
#include "Scene/Undo/UndoCommand.h"
#include "support/Fixtures.h"

class DispatchObjectManager : public RecordingObjectManager {
public:
    using RecordingObjectManager::RecordingObjectManager;
    int createObjects(int commandId) override
    {
        note("createObjects", joined(commandId));
        return 0;
    }
    void recreateUVs(int commandId) override { note("recreateUVs", joined(commandId)); }
};

class DispatchSelectionManager : public RecordingSelectionManager {
public:
    using RecordingSelectionManager::RecordingSelectionManager;
    void setMode(int m) override { note("setMode", joined(m)); }
    void setStyle(int s) override { note("setStyle", joined(s)); }
    void clickSelect(int x, int y, int operation, int through) override
    {
        note("clickSelect", joined(x, y, operation, through));
    }
    void selectAll() override { note("selectAll"); }
    void hideSelection() override { note("hideSelection"); }
    void convertTo(int m) override { note("convertTo", joined(m)); }
    void applySoftSelectionSetting() override { note("applySoftSelectionSetting"); }
};

class DispatchDisplayManager : public RecordingDisplayManager {
public:
    using RecordingDisplayManager::RecordingDisplayManager;
    void setView(int view) override { note("setView", joined(view)); }
    void setLayout(int layout) override { note("setLayout", joined(layout)); }
    void setButtonPage(int page) override { note("setButtonPage", joined(page)); }
    void showUVViews() override { note("showUVViews"); }
    void startRotate(int x, int y) override { note("startRotate", joined(x, y)); }
};

class DispatchCommandManager : public SceneCommandManager, public Recorder {
public:
    DispatchCommandManager(CallLog& callLog, std::string name) : Recorder(callLog, std::move(name)) {}
    // The recording managers stand in for the work not built yet.
    bool commandAvailable(int) const override { return true; }
    void deleteGeometry() override { note("deleteGeometry"); }
    void editTopology(int id) override { note("editTopology", joined(id)); }
    void changeSubdivision(int id) override { note("changeSubdivision", joined(id)); }
    void editUVs(int id) override { note("editUVs", joined(id)); }
    void commandExecuted(int id, int mode) override { note("commandExecuted", joined(id, mode)); }
};

class DispatchToolManager : public RecordingToolManager {
public:
    using RecordingToolManager::RecordingToolManager;
    void activateTool(int id) override { note("activateTool", joined(id)); }
    void keepToolActive() override { note("keepToolActive"); }
    void restorePreviousManipulator() override { note("restorePreviousManipulator"); }
    void chooseManipulator(ManipulatorKind kind) override { note("chooseManipulator", joined(static_cast<int>(kind))); }
    void setConstraint(Constraint c) override { note("setConstraint", joined(static_cast<int>(c))); }
};

class DispatchApplicationManager : public Recording<SceneApplicationManager> {
public:
    using Recording::Recording;
    void showEditor(int id) override { note("showEditor", joined(id)); }
    void fileCommand(int id, const std::string& argument) override
    {
        note("fileCommand", joined(id));
        lastArgument = argument;
    }
    bool loadIntoScene(const std::string& path) override
    {
        note("loadIntoScene");
        lastArgument = path;
        return true;
    }
    std::string lastArgument;
};

// A tool that takes the commands, undo and redo it is told to.
class CommandTakingTool : public RecordingTool {
public:
    using RecordingTool::RecordingTool;
    bool commandHook(int commandId, int mode) override
    {
        note("commandHook", joined(commandId, mode));
        return commandId == takes;
    }
    bool undo() override { return takesUndo; }
    bool redo() override { return takesUndo; }
    int takes = -2;
    bool takesUndo = false;
};

// An undo record that counts what the stack does with it.
class CountingRecord : public UndoCommand {
public:
    explicit CountingRecord(int* outReverts) : reverts(outReverts) {}
    bool apply() override { return true; }
    bool revert() override { return ++*reverts, true; }
    bool reapply() override { return true; }
    int* reverts;
};

struct DispatchScene : RecordedSceneOf<DispatchObjectManager, DispatchSelectionManager, DispatchDisplayManager,
                                       DispatchCommandManager, DispatchToolManager, DispatchApplicationManager> {
    DispatchScene() : RecordedSceneOf("") {}

    // Runs a command the way menus and buttons do.
    int run(int commandId, int mode = 0, const std::string& argument = "", int x = 0, int y = 0)
    {
        return scene->executeCommand(commandId, argument, mode, x, y);
    }
    // Adds a cube object to the scene; `selected` sets its flag.
    Shape* addCube(bool selected)
    {
        Shape* s = take<Shape>(*fixtures::cube());
        s->set(Geometry::Selected, selected);
        object->addObject(s);
        return s;
    }
    // The entries of the operations the dispatch routes to, in order.
    std::vector<std::string> routed(std::initializer_list<std::string> ops) const { return log.only(ops); }
};
