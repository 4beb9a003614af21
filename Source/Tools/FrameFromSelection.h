#pragma once
// Fills the manipulation target from the current selection: what moves,
// with which weights, where the manipulator stands and how it is turned.
#include "Tools/ToolKinds.h"

class ManipulatorFrame;
struct SceneManagers;

// Object mode: the selected objects move as wholes. Component modes: the
// corners of the selected vertices, edges and faces move with weight 1 and,
// while soft selection is on, every other control vertex with a weight
// above 0 moves with that weight. The centre is the middle of the bounding
// box of what moves fully. `orientation` turns the axes (Off keeps them).
void buildFrameFromSelection(ManipulatorFrame& frame, const SceneManagers& managers, Orientation orientation);

// The axes for `orientation` from what the frame holds now; Off and a
// selection that gives no direction (no object, no normal) keep them.
void orientFrame(ManipulatorFrame& frame, const SceneManagers& managers, Orientation orientation);
