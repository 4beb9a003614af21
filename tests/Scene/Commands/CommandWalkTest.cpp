// Every command of the table, run in a few scenes through a real scene: each
// one must change something or tell the user something.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "support/Fixtures.h"
#include "support/RecordingWindow.h"

namespace {

// Ids that may stay quiet, and why.
constexpr int quietEverywhere[] = {
    150, // "No Function" does nothing by definition
    221, // "Fast Shade Wire Mode" and "Ghosted Wire Shade Mode" are named but
    222, // have no effect of their own
};
// Commands that have nothing to act on in some of these scenes and no
// sentence to say so.
constexpr int quietWhenIdle[] = {
    23,  // the shading cycles, with no object to cycle
    57,
    146, // "Delete Viewport Image": no view has an image
    205, // "Local Move": nothing to move, and no sentence for it
    163, // "Restore Symmetry": no object has mirror partners yet
    224, // the soft-selection falloff and radius steps, while soft selection is off
    225,
    226,
    227,
    274, // "Assign Soft Selection Radius": off, or fewer than two vertices to measure
    78,  // "Orient Selection To World" and the constraints: no component
    206, // selected for the manipulator to turn or drag
    207,
    208,
    209,
    210,
    211,
    212,
    213,
};

struct Walk {
    Walk() : scene(&window, "") { window.scene = &scene; }

    void run(int id) { scene.executeCommand(id, "", 0, 0, 0); }
    Shape* addSelectedCube()
    {
        Shape* s = take<Shape>(*fixtures::cube());
        s->set(Geometry::Selected);
        scene.objectManager->addObject(s);
        return s;
    }
    // What a command can change without the window hearing of it.
    auto state()
    {
        SceneApplicationManager& app = *scene.applicationManager;
        SceneCommandManager& commands = *scene.commandManager;
        return std::tuple(scene.objectManager->objects.count(), scene.objectManager->groups.size(),
                          commands.geometryUndo.doneCount(),
                          commands.selectionUndo.doneCount(), app.liveUVUnwrapping, app.snappingMode,
                          scene.selectionManager->mode, scene.selectionManager->style);
    }

    RecordingWindow window;
    Scene scene;
};

struct Scenario {
    const char* name;
    std::function<void(Walk&)> prepare;
};

const Scenario scenarios[] = {
    {"empty", [](Walk&) {}},
    {"object selected", [](Walk& w) { w.addSelectedCube(); }},
    {"face selected",
     [](Walk& w) {
         Shape* s = w.addSelectedCube();
         w.run(34); // "Face Selection Mode"
         s->faces[0]->set(Geometry::Selected);
         w.scene.selectionManager->refreshDisplay();
     }},
    {"subdivided, soft selection on",
     [](Walk& w) {
         Shape* s = w.addSelectedCube();
         w.run(47);  // "Subdivide"
         w.run(32);  // "Vertex Selection Mode"
         s->vertices[0]->set(Geometry::Selected);
         w.run(160); // "Soft Selection Toggle"
     }},
};

bool listed(std::span<const int> ids, int id) { return std::ranges::find(ids, id) != ids.end(); }

// Whether the window heard more than the name every repeatable command shows
// and the start notice.
bool spoke(const RecordingWindow& window, int id)
{
    const std::string shownName = "status:" + std::string(commandName(id));
    return std::ranges::any_of(window.calls, [&](const std::string& call) {
        return call != shownName && !call.starts_with("started:");
    });
}

} // namespace

TEST(CommandWalk, NoCommandIsSilent)
{
    for (const Scenario& setup : scenarios) {
        for (int id : allCommandIds()) {
            if (id >= 100000 || listed(quietEverywhere, id) || listed(quietWhenIdle, id))
                continue;
            Walk w;
            setup.prepare(w);
            w.window.calls.clear();
            const auto before = w.state();
            w.run(id);
            EXPECT_TRUE(spoke(w.window, id) || w.state() != before)
                << setup.name << ": " << id << " \"" << commandName(id) << "\" did nothing and said nothing";
        }
    }
}

TEST(CommandWalk, CommandsNotBuiltSayThatAndChangeNothing)
{
    int unavailable = 0;
    for (int id : allCommandIds()) {
        if (isCommandAvailable(id) || id >= 100000)
            continue;
        ++unavailable;
        Walk w;
        w.addSelectedCube();
        w.window.statusMessages.clear();
        const auto before = w.state();
        w.run(id);
        EXPECT_EQ(w.window.statusMessages.back(), std::string(commandName(id)) + " is not available yet.") << id;
        EXPECT_EQ(w.state(), before) << id;
    }
    EXPECT_GT(unavailable, 0);
}
