// The GL side of the display manager: one frame of the single viewport.
#include <GL/gl.h>
#include <GL/glu.h>

#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ObjectDrawing.h"

namespace {

const float backgroundColour[3] = {0.55f, 0.57f, 0.6f};
// The default light sits above and behind the eye, so it moves with the camera.
const float defaultLightPosition[4] = {0.3f, 0.6f, 1.0f, 0.0f};
// Near and far planes as multiples of the eye distance: enough depth range
// for a scene framed at that distance without losing depth precision.
constexpr double nearRatio = 0.01;
constexpr double farRatio = 100.0;
constexpr int sceneLightCount = 8;

} // namespace

void SceneDisplayManager::drawViewports(const List<SceneManager*>& drawers)
{
    if (viewportWidth <= 0 || viewportHeight <= 0)
        return;
    glViewport(0, 0, viewportWidth, viewportHeight);
    glClearColor(backgroundColour[0], backgroundColour[1], backgroundColour[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(2.0 * fieldOfView, double(viewportWidth) / viewportHeight, orbitDistance * nearRatio,
                   orbitDistance * farRatio);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, defaultLightPosition);
    glTranslatef(0.0f, 0.0f, -orbitDistance);
    glRotatef(rotationX, 1.0f, 0.0f, 0.0f);
    glRotatef(rotationY, 0.0f, 1.0f, 0.0f);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    // Flat colours are given as the current colour; let the light shade them.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    drawSceneObjects(*managers, activeView(), inUVSpace());

    for (SceneManager* m : drawers)
        m->drawActiveViewport();

    glDisable(GL_LIGHTING);
    for (int i = 0; i < sceneLightCount; ++i)
        glDisable(GL_LIGHT0 + i);
    for (SceneManager* m : drawers)
        m->drawActiveViewportUnlit();

    for (SceneManager* m : drawers)
        m->drawOverlay();
}
