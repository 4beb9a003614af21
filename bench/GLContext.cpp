#include "GLContext.h"

#include <GL/glx.h>

#include <cstdio>

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

bool makeContext()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench: no X display for the GL context (run under xvfb-run)\n");
        return false;
    }
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT, GLX_RED_SIZE, 8,
                              GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (!configs || count == 0) {
        std::fprintf(stderr, "bench: no GLX configuration with a depth buffer and pbuffers\n");
        return false;
    }
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, Width, GLX_PBUFFER_HEIGHT, Height, None};
    GLXPbuffer pbuffer = glXCreatePbuffer(display, configs[0], pbufferAttributes);
    // A legacy context is a compatibility one: the fixed pipeline the viewport uses.
    GLXContext context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    if (!pbuffer || !context || !glXMakeContextCurrent(display, pbuffer, pbuffer, context)) {
        std::fprintf(stderr, "bench: the GL context could not be made current\n");
        return false;
    }
    std::fprintf(stderr, "bench: GL renderer %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    return true;
}

} // namespace

const BenchGLContext* benchGLContext()
{
    static const bool made = makeContext();
    static const BenchGLContext context{Width, Height};
    return made ? &context : nullptr;
}

ViewProjection benchGridView(int width, int height)
{
    Camera camera("Perspective", Camera::Model, false, true, Point3D(0.5f, 1.6f, 2.0f), Point3D(0.5f, 0.0f, 0.5f),
                  Point3D(0, 1, 0));
    camera.nearDistance = 0.1f;
    camera.farDistance = 10.0f;
    return ViewProjection(camera, ViewRect{0, 0, width, height});
}

void beginBenchFrame(const ViewProjection& view)
{
    static const float lightPosition[4] = {0.3f, 0.6f, 1.0f, 0.0f};
    glViewport(0, 0, view.viewport.width, view.viewport.height);
    glClearColor(BenchBackground, BenchBackground, BenchBackground, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLoadMatrixd(view.modelview);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
}
