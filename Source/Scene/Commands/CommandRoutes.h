#pragma once
// From a command row's route and releases to the functions that carry them
// out. The functions live in the Dispatch*.cpp files, one file per manager
// they drive, each with a table naming its routes.
#include <span>
#include <string>

#include "Settings/CommandIds.h"
#include "Scene/Commands/CommandRow.h"

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

// The function behind a row's route or release.
struct RouteHandler {
    Route route;
    CommandHandler handler;
};
struct ReleaseHandler {
    Release release;
    CommandHandler handler;
};

// A per-id parameter of a handler (a view number, a manipulator kind, ...).
struct CommandValue {
    int id;
    int value;
};

// The value of `id` in `values`; -1 when it has none.
int findValue(std::span<const CommandValue> values, int id);

// The handler of a command in modes 0 and 1; null for ids without one.
CommandHandler commandHandler(int id);
// The release action (mode 3) and tap-release action (mode 4) of a command,
// or null when it has none.
CommandHandler releaseAction(int id);
CommandHandler tapReleaseAction(int id);

// The route functions, one table per manager that does the work.
std::span<const RouteHandler> toolHandlers();        // DispatchTools.cpp
std::span<const RouteHandler> selectionHandlers();   // DispatchSelection.cpp
std::span<const RouteHandler> displayHandlers();     // DispatchDisplay.cpp
std::span<const RouteHandler> applicationHandlers(); // DispatchApplication.cpp
std::span<const RouteHandler> commandHandlers();     // DispatchCommands.cpp: geometry, creation, undo
std::span<const RouteHandler> toggleHandlers();      // DispatchToggles.cpp: toggles, snapping, "Repeat"
std::span<const ReleaseHandler> releaseHandlers();   // DispatchRelease.cpp
