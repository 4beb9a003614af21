#include <array>
#include <unordered_set>

#include "Mesh/Face.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Undo/URmovePoints.h"
#include "Tools/ManipulatorFrame.h"
#include "Tools/ValueTools.h"

namespace {

constexpr std::array<Handle, 3> table = {{
    {0, HandleShape::Sphere, 3, false, 0, 0.1f},
    {1, HandleShape::Sphere, 0, true, 0, 0.06f},
    {2, HandleShape::Sphere, 1, true, 0, 0.06f},
}};

} // namespace

std::span<const Handle> OrientManipulator::handles() const { return table; }

bool OrientManipulator::start()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole || s.faces.empty(); });
    if (selected.empty()) {
        refuse();
        return false;
    }
    Point3D normals;
    enterPoints(selected, false, [&normals](ObjectSelection& s, PointDirections& d) {
        std::unordered_set<const Vertex*> entered;
        for (const Face* f : s.faces) {
            normals = normals + f->normal;
            for (const Corner& c : f->corners)
                if (entered.insert(c.vertex).second)
                    d.addPoint(c.vertex, Point3D(0, 0, 0));
        }
    });
    referenceNormal = normals.normalized();
    if (referenceNormal.length() > 0) {
        // Z on the block's normal, X across it.
        Point3D x = referenceNormal.cross(Point3D(0, 1, 0));
        if (x.length() < 1e-4f)
            x = Point3D(1, 0, 0);
        frame->setAxes(x.normalized(), referenceNormal.cross(x.normalized()));
    }
    dragged_ = -1;
    return true;
}

bool OrientManipulator::mousePress(int x, int y, int button, int, int, Camera* camera)
{
    if (button == 2) {
        if (scene && scene->toolManager)
            scene->toolManager->exitTools();
        return true;
    }
    const int handle = pickHandle(x, y, camera);
    if (handle == -1)
        return false;
    setActiveHandle(handle);
    pressX_ = x;
    pressY_ = y;
    return true;
}

void OrientManipulator::selectHandle(int handle)
{
    dragged_ = handle;
    firstMove_ = true;
    // Without a press the first move stands for it.
    pressX_ = pressY_ = -1;
}

bool OrientManipulator::mouseDrag(int x, int y, Camera*)
{
    if (dragged_ == -1 || !frame->hasTarget())
        return false;
    const ViewProjection view = viewAt(x, y);
    if (firstMove_) {
        firstMove_ = false;
        if (pressX_ == -1)
            pressX_ = x, pressY_ = y;
        frame->captureStart();
        if (scene && scene->commandManager)
            scene->commandManager->pushUndo(frame->makeUndoRecord());
        if (!screenDragPlane(view, frame->startCentre).hit(view, pressX_, pressY_, pressHit_))
            pressHit_ = frame->startCentre;
    }
    if (dragged_ == 0) {
        Point3D hit;
        if (screenDragPlane(view, frame->startCentre).hit(view, x, y, hit))
            frame->translate(hit - pressHit_);
    } else if (dragged_ == 1) {
        frame->rotate(frame->axes[1], frame->startCentre, static_cast<float>(x - pressX_) * degreesPerPixel);
    } else {
        frame->rotate(frame->axes[0], frame->startCentre, static_cast<float>(pressY_ - y) * degreesPerPixel);
    }
    frame->finish();
    redrawNeeded = true;
    return true;
}

bool OrientManipulator::mouseRelease(int, int, Camera*)
{
    if (dragged_ != -1) {
        frame->finish();
        redrawNeeded = true;
    }
    dragged_ = -1;
    return false;
}
