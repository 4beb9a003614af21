#pragma once
// The subdivision commands: "Subdivide" (47), "Refine Control Mesh" (48),
// "Unsubdivide" (50), "Clear Higher Subdivision" (88) and "Toggle Current
// Subdivision" (100). Each acts on the objects that are selected or hold a
// selected element, or on every object when none does; "Subdivide" and
// "Unsubdivide" act on the source of an instance. Each command is one undo
// step, and none when it changed nothing.
struct SceneManagers;
class SceneCommandManager;

void runSubdivisionCommand(SceneManagers& managers, SceneCommandManager& commands, int commandId);
