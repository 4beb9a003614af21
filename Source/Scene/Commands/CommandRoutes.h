#pragma once
// The dispatch's tables: which handler runs a command in modes 0 and 1,
// what a command does when its key is released after a hold (mode 3) or
// after a tap (mode 4). Each table maps inclusive id ranges to a handler;
// the handlers live beside their tables, one file per manager they drive.
#include <span>
#include <string>

class SceneCommandManager;
struct SceneManagers;

// One command being run, as its handler sees it.
struct CommandCall {
    SceneCommandManager& commands; // the dispatching manager
    const SceneManagers& managers; // its peers
    int id;
    const std::string& argument;   // a file path for the file commands, else empty
    int x;                         // viewport position of gesture and mouse-bound commands, else 0
    int y;
};

using CommandHandler = void (*)(const CommandCall& call);

struct CommandRoute {
    int first; // inclusive id range
    int last;
    CommandHandler handler;
};

// A per-id parameter of a handler (a view number, a manipulator kind, ...).
struct CommandValue {
    int id;
    int value;
};

// The handler of the first route whose range holds `id`; null when none does.
CommandHandler findRoute(std::span<const CommandRoute> routes, int id);
// The value of `id` in `values`; -1 when it has none.
int findValue(std::span<const CommandValue> values, int id);

// The handler of a command in modes 0 and 1, searched through every table
// below; null for ids without a handler.
CommandHandler commandHandler(int id);
// The release action (mode 3) and tap-release action (mode 4) of a command,
// or null when it has none.
CommandHandler releaseAction(int id);
CommandHandler tapReleaseAction(int id);

// The mode 0 and 1 tables, one per manager that does the work.
std::span<const CommandRoute> toolRoutes();        // DispatchTools.cpp
std::span<const CommandRoute> selectionRoutes();   // DispatchSelection.cpp
std::span<const CommandRoute> displayRoutes();     // DispatchDisplay.cpp
std::span<const CommandRoute> applicationRoutes(); // DispatchApplication.cpp
std::span<const CommandRoute> commandRoutes();     // DispatchCommands.cpp: geometry, creation, undo
std::span<const CommandRoute> toggleRoutes();      // DispatchToggles.cpp: toggles, snapping, "Repeat"
// Every mode 0 and 1 table, in search order.
std::span<const std::span<const CommandRoute>> handlerTables();
// DispatchRelease.cpp.
std::span<const CommandRoute> releaseRoutes();
std::span<const CommandRoute> tapReleaseRoutes();
