#pragma once
// An offscreen GL context for the drawing comparisons: a compatibility
// context current on a GLX pbuffer of the X display named by DISPLAY
// (bench/run starts Xvfb when there is none). One per process, made on
// first use and kept, so that every comparison that draws shares it.
struct BenchGLContext {
    int width = 0;
    int height = 0;
};

// The context, current, with a drawable of 800 x 600 pixels; null (with a
// line on stderr) when no display or no suitable configuration is there.
const BenchGLContext* benchGLContext();
