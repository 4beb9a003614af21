// select-loop-1M: "Select Loop" from one selected edge across the middle of
// a grid of 1000 x 1000 quads (1,000,000 faces), against "Select All" on the
// same object in face mode. Both run as the user runs them, through the
// scene: the selection is recorded for "Undo Selection", the command works
// and the selection lists are rebuilt. A loop touches one row of edges, so it
// should cost no more than selecting every face: the goal is a ratio of 1 or
// less. Resetting the flags and the mode before each run is not timed.
#include "Comparison.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;
constexpr int FaceCount = QuadsPerSide * QuadsPerSide;
constexpr int SelectLoopCommand = 56;
constexpr int SelectAllCommand = 14;

// One scene holding the grid, shared by both sides and kept for the process.
struct Bench {
    Bench() : scene(&window, "")
    {
        object = gridShape(QuadsPerSide);
        object->set(Geometry::Selected);
        scene.objectManager->addObject(object);
        const int middle = (QuadsPerSide / 2) * Side + QuadsPerSide / 2;
        startEdge = object->findEdge(object->vertices[middle], object->vertices[middle + 1]);
    }

    // Nothing selected but the object, in `mode`; not timed.
    void reset(int mode)
    {
        for (Vertex* v : object->vertices)
            v->set(Geometry::Selected, false);
        for (Edge* e : object->edges)
            e->set(Geometry::Selected, false);
        for (Face* f : object->faces)
            f->set(Geometry::Selected, false);
        scene.selectionManager->mode = mode;
        scene.selectionManager->refreshDisplay();
    }

    TavoApplicationWindow window;
    Scene scene;
    Shape* object = nullptr;
    Edge* startEdge = nullptr;
};

Bench& bench()
{
    static Bench b;
    return b;
}

template <class T>
int selectedCount(const List<T*>& list)
{
    int n = 0;
    for (const T* e : list)
        n += e->isSelected() ? 1 : 0;
    return n;
}

bool selectLoop(Sample& outSample)
{
    Bench& b = bench();
    b.reset(SceneSelectionManager::EdgeMode);
    b.startEdge->set(Geometry::Selected);
    Stopwatch clock;
    b.scene.executeCommand(SelectLoopCommand, "", 0, 0, 0);
    outSample.seconds = clock.seconds();
    // The loop runs straight across the grid, border to border.
    return selectedCount(b.object->edges) == QuadsPerSide && b.scene.selectionManager->selectedEdges.count() == QuadsPerSide;
}

bool selectAll(Sample& outSample)
{
    Bench& b = bench();
    b.reset(SceneSelectionManager::FaceMode);
    Stopwatch clock;
    b.scene.executeCommand(SelectAllCommand, "", 0, 0, 0);
    outSample.seconds = clock.seconds();
    return selectedCount(b.object->faces) == FaceCount && b.scene.selectionManager->selectedFaces.count() == FaceCount;
}

const bool registered = registerComparison({"select-loop-1M", "select-all-1M", selectLoop, selectAll});

} // namespace
