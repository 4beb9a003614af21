#pragma once
// The small vocabularies the manipulator commands speak. Their values are
// the ones the command table passes, so they are also what the preferences
// and key bindings see.

// Which transform manipulator is current; None keeps a move manipulator
// whose handles are hidden, so that only Tweak moves the selection.
enum class ManipulatorKind { Move = 0, Scale = 1, Rotate = 2, Universal = 3, Snapping = 4, None = 5 };

// A constraint names the move handle it drags: the three axes, the screen
// plane (free) and the three planes.
enum class Constraint { X = 0, Y = 1, Z = 2, Free = 3, XY = 4, YZ = 5, XZ = 6 };

// How the manipulator axes are oriented: once by a command (World, Object,
// Normal) or automatically after every selection change (all five).
enum class Orientation { Standard = 0, World = 1, Object = 2, Normal = 3, Off = 4 };
