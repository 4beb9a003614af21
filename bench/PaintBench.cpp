// paint-dab-1M: one Push dab on a grid of 250 x 250 quads at subdivision
// level 2 (1,000,000 faces), gathering about 10,000 vertices: through the
// scene as the mouse sends it (the face under the mouse from the press's pick
// buffer, the brush point, the gather by face growth, the moves and the
// displacement, the undo record of first touches, the normals of the touched
// region and the level's draw stamp). The press, which rasterises the pick
// buffer and readies the level's neighbourhoods, and the release stay
// outside the timing. The peer `arrays` gathers by testing the distance of
// every vertex of flat position arrays, moves the same vertices the same way
// and recomputes the normals around them through a vertex-to-face table made
// outside its timing. Goal: ratio 1 or less.
#include <cmath>
#include <vector>

#include "Comparison.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Tools/Paint/DisplacementTool.h"

namespace {

constexpr int QuadsPerSide = 250;
constexpr int LevelSide = QuadsPerSide * 4 + 1; // vertices along one side of level 2
// πR² holds about 10,000 level vertices 1/1000 apart.
constexpr float Radius = 0.0564f;
constexpr float Strength = 1.0f;
constexpr float PushScale = 0.0025f;

bool aboutTenThousand(size_t n) { return n > 9000 && n < 11000; }

struct Bench {
    Bench() : scene(&window, "")
    {
        object = gridShape(QuadsPerSide);
        scene.objectManager->addObject(object);
        object->setLevel(2, true);
        scene.resize(800, 600);
        Camera& c = scene.displayManager->activeCamera();
        c.eye = Point3D(0.5f, 1.5f, 0.5f);
        c.target = Point3D(0.5f, 0, 0.5f);
        c.up = Point3D(0, 0, -1);
        scene.executeCommand(CommandId::PaintDisplacement, "", 0, 0, 0);
        Brush& b = paint().brushes.current();
        b.operation = BrushOperation::PushPull;
        b.setWorldRadius(Radius);
        b.strength = Strength;
        double px, py, depth;
        scene.displayManager->activeView().project(Point3D(0.5f, 0, 0.5f), px, py, depth);
        x = static_cast<int>(px);
        y = static_cast<int>(py);
    }
    DisplacementTool& paint() { return scene.toolManager->displacementTool(); }

    TavoApplicationWindow window;
    Scene scene;
    Shape* object = nullptr;
    int x = 0, y = 0;
};

Bench& bench()
{
    static Bench b;
    return b;
}

bool runTavo(Sample& outSample)
{
    Bench& b = bench();
    b.scene.mousePress(b.x, b.y, 0, 0);
    const uint64_t stampBefore = b.object->currentLevelMesh()->updateStamp;
    Stopwatch clock;
    b.scene.mouseDrag(b.x + 1, b.y);
    outSample.seconds = clock.seconds();
    const bool painted = aboutTenThousand(b.paint().lastGathered().size()) &&
                         b.object->currentLevelMesh()->updateStamp != stampBefore;
    b.scene.mouseRelease(b.x + 1, b.y);
    // Flat again for the next run: the stroke is one undo step.
    b.scene.executeCommand(CommandId::Undo, "", 0, 0, 0);
    return painted;
}

// The peer: the level's vertices and quads in flat arrays, with the faces
// around each vertex as a table made once.
struct Arrays {
    Arrays()
    {
        gridArrays(LevelSide - 1, positions, quads);
        flat = positions;
        const size_t faces = quads.size() / 4;
        faceNormals.assign(faces * 3, 0.0f);
        vertexNormals.assign(positions.size(), 0.0f);
        faceStart.assign(positions.size() / 3 + 1, 0);
        for (int v : quads)
            ++faceStart[v + 1];
        for (size_t v = 1; v < faceStart.size(); ++v)
            faceStart[v] += faceStart[v - 1];
        vertexFaces.resize(quads.size());
        std::vector<int> fill(faceStart.begin(), faceStart.end() - 1);
        for (size_t f = 0; f < faces; ++f)
            for (int c = 0; c < 4; ++c)
                vertexFaces[fill[quads[f * 4 + c]]++] = static_cast<int>(f);
        faceMark.assign(faces, 0);
        vertexMark.assign(positions.size() / 3, 0);
    }
    std::vector<float> positions, flat, faceNormals, vertexNormals;
    std::vector<int> quads, faceStart, vertexFaces;
    std::vector<uint32_t> faceMark, vertexMark;
    uint32_t mark = 0;
};

bool runArrays(Sample& outSample)
{
    static Arrays a;
    const float P[3] = {0.5f, a.positions[(size_t(LevelSide / 2) * LevelSide + LevelSide / 2) * 3 + 1], 0.5f};
    const float N[3] = {0, 1, 0};
    std::vector<int> gathered, touchedFaces;
    std::vector<float> factors;
    Stopwatch clock;
    ++a.mark;
    const size_t vertexCount = a.positions.size() / 3;
    for (size_t v = 0; v < vertexCount; ++v) {
        const float* p = &a.positions[v * 3];
        const float d = std::sqrt((p[0] - P[0]) * (p[0] - P[0]) + (p[1] - P[1]) * (p[1] - P[1]) +
                                  (p[2] - P[2]) * (p[2] - P[2]));
        if (d < Radius) {
            gathered.push_back(static_cast<int>(v));
            factors.push_back((1 - d / Radius) * Strength * PushScale);
        }
    }
    for (size_t k = 0; k < gathered.size(); ++k)
        for (int c = 0; c < 3; ++c)
            a.positions[size_t(gathered[k]) * 3 + c] += N[c] * factors[k];
    for (int v : gathered)
        for (int i = a.faceStart[v]; i < a.faceStart[v + 1]; ++i) {
            const int f = a.vertexFaces[i];
            if (a.faceMark[f] == a.mark)
                continue;
            a.faceMark[f] = a.mark;
            touchedFaces.push_back(f);
            const float* p0 = &a.positions[size_t(a.quads[f * 4]) * 3];
            const float* p1 = &a.positions[size_t(a.quads[f * 4 + 1]) * 3];
            const float* p2 = &a.positions[size_t(a.quads[f * 4 + 2]) * 3];
            const float u[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
            const float w[3] = {p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2]};
            float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
            const float l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            for (int k = 0; k < 3; ++k)
                a.faceNormals[size_t(f) * 3 + k] = l > 0 ? n[k] / l : 0;
        }
    for (int f : touchedFaces)
        for (int c = 0; c < 4; ++c) {
            const int v = a.quads[f * 4 + c];
            if (a.vertexMark[v] == a.mark)
                continue;
            a.vertexMark[v] = a.mark;
            float n[3] = {0, 0, 0};
            for (int i = a.faceStart[v]; i < a.faceStart[v + 1]; ++i)
                for (int k = 0; k < 3; ++k)
                    n[k] += a.faceNormals[size_t(a.vertexFaces[i]) * 3 + k];
            const float l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            for (int k = 0; k < 3; ++k)
                a.vertexNormals[size_t(v) * 3 + k] = l > 0 ? n[k] / l : 0;
        }
    outSample.seconds = clock.seconds();
    const bool painted = aboutTenThousand(gathered.size()) && !touchedFaces.empty();
    a.positions = a.flat;
    return painted;
}

const bool registered = registerComparison({"paint-dab-1M", "arrays", runTavo, runArrays});

} // namespace
