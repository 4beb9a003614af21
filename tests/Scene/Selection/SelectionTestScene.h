#pragma once
// A real scene without a display: objects are added from the fixture
// catalogue, commands run the way menus run them, and the window records what
// the user is told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "support/Fixtures.h"
#include "support/RecordingWindow.h"

using fixtures::selectedOf;

class SelectionTestScene : public ::testing::Test {
protected:
    using Selection = SceneSelectionManager;

    SelectionTestScene() : scene(&window, "") { window.scene = &scene; }

    // Adds a copy of `mesh` to the scene; `selected` sets the object's flag.
    Shape* add(const MeshPtr& mesh, bool selected = false)
    {
        Shape* s = take<Shape>(*mesh);
        s->set(Geometry::Selected, selected);
        scene.objectManager->addObject(s);
        return s;
    }
    void run(int commandId) { scene.executeCommand(commandId, "", 0, 0, 0); }
    Selection& selection() { return *scene.selectionManager; }
    std::vector<Shape*> active() { return fixtures::listed(selection().activeObjects); }
    // Enters a mode the way the user does, from object mode with `objects` selected.
    void enter(int mode) { run(modeCommand(mode)); }
    static int modeCommand(int mode)
    {
        constexpr int commands[] = {32, 33, 34, 246, 35};
        return commands[mode];
    }
    std::string lastStatus() const { return window.statusMessages.empty() ? "" : window.statusMessages.back(); }
    SettingsRegistry& registry() { return scene.applicationManager->registry; }

    template <class T>
    static void select(List<T*>& list, std::initializer_list<int> positions)
    {
        for (int i : positions)
            list[i]->set(Geometry::Selected);
    }
    // The elements of one kind over every object of the scene, e.g. count(&Shape::faces).
    template <class L>
    int count(L InnerShape::*list)
    {
        int n = 0;
        for (Shape* s : scene.objectManager->objects)
            n += (s->*list).count();
        return n;
    }

    RecordingWindow window;
    Scene scene;
};
