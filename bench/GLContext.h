#pragma once
// An offscreen GL context for the drawing comparisons: a compatibility
// context current on a GLX pbuffer of the X display named by DISPLAY
// (bench/run starts Xvfb when there is none). One per process, made on
// first use and kept, so that every comparison that draws shares it.
#include "Scene/View/Camera.h"

struct BenchGLContext {
    int width = 0;
    int height = 0;
};

// The context, current, with a drawable of 800 x 600 pixels; null (with a
// line on stderr) when no display or no suitable configuration is there.
const BenchGLContext* benchGLContext();

// The grey of the cleared frame.
constexpr float BenchBackground = 0.1f;
// The view from above one corner of the unit grid, the whole grid in sight.
ViewProjection benchGridView(int width, int height);
// Clears the frame and loads the view and a light, as the display manager does.
void beginBenchFrame(const ViewProjection& view);
