// A visible-only click on a 1,000,000-face level, against drawing one frame
// of the same level.
//
// pick-1M: a real scene holding a grid of 250 x 250 quads at level 2, its
// object active in face mode, seen through the active viewport from the
// drawing comparison's view; one "Select Visible New" click in the middle
// through the selection manager (the face under the cursor found at the
// level, mapped to its control face, selected, the lists refreshed). The
// harness's untimed first run builds the picking buffers, as the hover
// before a click does. The peer draws one frame of the same objects through
// `drawSceneObjects`. Each side checks its result: one face selected, the
// middle of the frame drawn.
#include <GL/gl.h>

#include <memory>

#include "Comparison.h"
#include "GLContext.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/ObjectDrawing.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

constexpr int QuadsPerSide = 250;
constexpr int Level = 2;

struct PickScene {
    TavoApplicationWindow window;
    std::unique_ptr<Scene> scene;
    ViewProjection view;
};

PickScene* pickScene()
{
    static PickScene* made = []() -> PickScene* {
        const BenchGLContext* context = benchGLContext();
        if (!context)
            return nullptr;
        auto* p = new PickScene;
        p->scene = std::make_unique<Scene>(&p->window, "");
        Scene& scene = *p->scene;
        scene.resize(context->width, context->height);
        Shape* grid = gridShape(QuadsPerSide);
        grid->setLevel(Level, true);
        grid->set(Geometry::Selected, true);
        scene.objectManager->addObject(grid);
        scene.selectionManager->setMode(SceneSelectionManager::FaceMode);
        p->view = benchGridView(context->width, context->height);
        Camera& camera = scene.displayManager->activeCamera();
        camera.eye = p->view.eye;
        camera.target = p->view.target;
        camera.up = Point3D(0, 1, 0);
        p->view = scene.displayManager->activeView();
        return p;
    }();
    return made;
}

bool runTavo(Sample& outSample)
{
    PickScene* p = pickScene();
    if (!p)
        return false;
    SceneSelectionManager& selection = *p->scene->selectionManager;
    const int x = p->view.viewport.width / 2, y = p->view.viewport.height / 2;
    Stopwatch watch;
    selection.clickSelect(x, y, SceneSelectionManager::ClickNew, 0);
    outSample.seconds = watch.seconds();
    return selection.selectedFaces.count() == 1;
}

bool runDraw(Sample& outSample)
{
    PickScene* p = pickScene();
    if (!p)
        return false;
    Stopwatch watch;
    beginBenchFrame(p->view);
    drawSceneObjects(*p->scene->managers, p->view, false);
    glFinish();
    outSample.seconds = watch.seconds();
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(p->view.viewport.width / 2, p->view.viewport.height / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return rgba[0] != static_cast<unsigned char>(BenchBackground * 255.0f + 0.5f);
}

const bool registered = registerComparison({"pick-1M", "draw", runTavo, runDraw});

} // namespace
