#pragma once
// Where the brush circle stands, for the shell to draw over the viewport
// without redrawing the scene on a mere hover.
#include <string>

struct BrushCursor {
    bool shown = false;   // the tool is active and the mouse is over a viewport
    int x = 0, y = 0;     // viewport pixels, origin bottom-left (as tools see them)
    float radius = 0;     // pixels
    std::string label;    // the brush name, drawn 20 pixels left of the cursor
    int stamp = 0;        // changes whenever any field above changes
};
