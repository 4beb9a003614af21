#pragma once
// One step of the shading cycle of "Cycle Shading Forward" and "Cycle
// Shading Reverse": flat, flat with wire, smooth, smooth with wire, fast,
// fast with wire, ghosted, ghosted with wire, wireframe, and round again.

// mode: the shading mode (0 flat to 4 wireframe); wire: the WireOnShaded
// flag; direction: 1 forward, -1 reverse.
void stepShading(int& mode, bool& wire, int direction);
