#pragma once
// Text in the viewports (camera names) needs a bitmap font, which only the
// window's toolkit side has. The window installs a function that draws a
// text at the current GL raster position; until it does, no text is drawn.
using ViewportTextFunction = void (*)(const char* text);

// Installs `draw`; null removes it.
void setViewportTextFunction(ViewportTextFunction draw);
// The installed function, or null.
ViewportTextFunction viewportTextFunction();
