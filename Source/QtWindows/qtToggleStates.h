#pragma once
// Whether an on/off command is on, for the check marks of the menus.
#include <optional>

class Scene;

// The state of the command `commandId` in `scene`: on or off for the
// switches the scene keeps (display toggles, lights, walkthrough, soft
// selection, symmetry, live unwrapping, snapping, the layouts, ...), none for
// every other command and for switches kept per element.
std::optional<bool> toggleState(const Scene& scene, int commandId);
