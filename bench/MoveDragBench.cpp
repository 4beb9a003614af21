// move-drag-1M: one drag event of the move manipulator's X handle that
// moves every vertex of a selected grid of 1000 x 1000 quads (1,002,001
// vertices), through the scene as the mouse sends it: the frame translates
// every point from its start position, then face and vertex normals (the
// object is smooth shaded) and the display data are brought up to date.
// The peer `arrays` does the same translation and normal recomputation on
// flat position and index arrays. The drag is pressed and started (its
// undo record and start positions) outside the timing. Goal: ratio 3 or less.
#include <cmath>
#include <vector>

#include "Comparison.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"

namespace {

constexpr int QuadsPerSide = 1000;
constexpr int Side = QuadsPerSide + 1;

struct Bench {
    Bench() : scene(&window, "")
    {
        object = gridShape(QuadsPerSide);
        object->set(Geometry::Selected);
        object->setShadingMode(InnerShape::SmoothShade);
        scene.objectManager->addObject(object);
        scene.resize(800, 600);
        scene.executeCommand(CommandId::VertexSelectionMode, "", 0, 0, 0);
        for (Vertex* v : object->vertices)
            v->set(Geometry::Selected);
        scene.selectionManager->refreshDisplay();
    }

    // Hover, press and the first drag event on the X handle; not timed.
    void startDrag()
    {
        const Point3D c = scene.toolManager->frame.centre;
        const ViewProjection view = scene.displayManager->activeView();
        const float unit = view.worldLength(80, c);
        double px, py, depth;
        view.project(c + scene.toolManager->frame.axes[0] * (0.8f * unit), px, py, depth);
        x = static_cast<int>(px);
        y = static_cast<int>(py);
        scene.mouseHover(x, y);
        scene.mousePress(x, y, 0, 0);
        scene.mouseDrag(x + 1, y);
    }

    TavoApplicationWindow window;
    Scene scene;
    Shape* object = nullptr;
    int x = 0, y = 0;
    int step = 0;
};

Bench& bench()
{
    static Bench b;
    return b;
}

bool runTavo(Sample& outSample)
{
    Bench& b = bench();
    b.startDrag();
    const float before = b.object->vertices[0]->x;
    b.step = b.step % 20 + 5;
    Stopwatch clock;
    b.scene.mouseDrag(b.x + b.step, b.y);
    outSample.seconds = clock.seconds();
    const bool moved = b.object->vertices[0]->x > before && b.object->vertices[Side * Side - 1]->x > before;
    b.scene.mouseRelease(b.x + b.step, b.y);
    return moved;
}

// The peer: positions, quads and normals in flat arrays.
struct Arrays {
    Arrays()
    {
        gridArrays(QuadsPerSide, positions, quads);
        start = positions;
        faceNormals.resize(quads.size() / 4 * 3);
        vertexNormals.resize(positions.size());
    }
    std::vector<float> positions, start, faceNormals, vertexNormals;
    std::vector<int> quads;
};

bool runArrays(Sample& outSample)
{
    static Arrays a;
    const float dx = 0.01f;
    Stopwatch clock;
    for (size_t k = 0; k < a.positions.size(); k += 3) {
        a.positions[k] = a.start[k] + dx;
        a.positions[k + 1] = a.start[k + 1];
        a.positions[k + 2] = a.start[k + 2];
    }
    std::fill(a.vertexNormals.begin(), a.vertexNormals.end(), 0.0f);
    for (size_t f = 0; f < a.quads.size() / 4; ++f) {
        const float* p0 = &a.positions[size_t(a.quads[f * 4]) * 3];
        const float* p1 = &a.positions[size_t(a.quads[f * 4 + 1]) * 3];
        const float* p2 = &a.positions[size_t(a.quads[f * 4 + 2]) * 3];
        const float u[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
        const float w[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
        float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
        const float l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        for (int k = 0; k < 3; ++k) {
            n[k] = l > 0 ? n[k] / l : 0;
            a.faceNormals[f * 3 + k] = n[k];
            for (int c = 0; c < 4; ++c)
                a.vertexNormals[size_t(a.quads[f * 4 + c]) * 3 + k] += n[k];
        }
    }
    for (size_t v = 0; v < a.vertexNormals.size(); v += 3) {
        float* n = &a.vertexNormals[v];
        const float l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (l > 0)
            n[0] /= l, n[1] /= l, n[2] /= l;
    }
    outSample.seconds = clock.seconds();
    return a.positions[0] == dx && std::abs(a.vertexNormals[1]) > 0.99f;
}

const bool registered = registerComparison({"move-drag-1M", "arrays", runTavo, runArrays});

} // namespace
