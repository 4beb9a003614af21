// One frame of a 1,000,000-face subdivision level, by Tavo's viewport path
// and by a plain vertex buffer, in the same offscreen GL context.
//
// draw-level-1M: a grid of 250 x 250 quads at level 2 (1,000,000 faces,
// WireOnShaded on) drawn with its edges through `drawSceneObjects`, against
// drawing the same triangles once from a vertex buffer and an index buffer
// made outside the timing. Both clear the frame first and end with glFinish.
// The harness's untimed first run lets Tavo build its buffers; the timed
// frames are the steady state of a view that turns while nothing is edited.
// Each side checks that the middle of the frame shows the grid.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "Comparison.h"
#include "GLContext.h"
#include "GridShape.h"
#include "Mesh/Shape.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/Camera.h"
#include "Scene/View/ObjectDrawing.h"

namespace {

constexpr int QuadsPerSide = 250;
constexpr int Level = 2;
constexpr int LevelFaces = QuadsPerSide * QuadsPerSide << (2 * Level);

struct Frame {
    SceneObjectManager objects;
    SceneManagers managers;
    ViewProjection view;
    Shape* grid = nullptr;
    unsigned peerBuffers[2] = {0, 0}; // vertices (position, normal), triangle indices
    int peerIndexCount = 0;
};

void makePeerBuffers(Frame& frame)
{
    const InnerShape& level = *frame.grid->currentLevelMesh();
    std::vector<float> vertexData;
    vertexData.reserve(level.vertices.count() * 6);
    for (int i = 0; i < level.vertices.count(); ++i) {
        Vertex* v = level.vertices[i];
        v->tag = i;
        vertexData.insert(vertexData.end(), {v->x, v->y, v->z, v->normal[0], v->normal[1], v->normal[2]});
    }
    std::vector<uint32_t> indices;
    indices.reserve(level.faces.count() * 6);
    for (const Face* f : level.faces) {
        const uint32_t a = f->corners[0].vertex->tag, b = f->corners[1].vertex->tag,
                       c = f->corners[2].vertex->tag, d = f->corners[3].vertex->tag;
        indices.insert(indices.end(), {a, b, c, a, c, d});
    }
    glGenBuffers(2, frame.peerBuffers);
    glBindBuffer(GL_ARRAY_BUFFER, frame.peerBuffers[0]);
    glBufferData(GL_ARRAY_BUFFER, vertexData.size() * sizeof(float), vertexData.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, frame.peerBuffers[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(uint32_t), indices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    frame.peerIndexCount = static_cast<int>(indices.size());
}

// The scene, made once on first use; null when there is no GL context.
Frame* frame()
{
    static Frame* made = []() -> Frame* {
        const BenchGLContext* context = benchGLContext();
        if (!context)
            return nullptr;
        auto* f = new Frame;
        f->managers.objectManager = &f->objects;
        f->grid = gridShape(QuadsPerSide);
        f->grid->setShadingMode(InnerShape::SmoothShade);
        f->grid->setLevel(Level, true);
        f->objects.addObject(f->grid);
        f->view = benchGridView(context->width, context->height);
        makePeerBuffers(*f);
        return f;
    }();
    return made;
}

// Whether the middle of the frame shows something other than the background.
bool middleIsDrawn(const Frame& f)
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(f.view.viewport.width / 2, f.view.viewport.height / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    const unsigned char back = static_cast<unsigned char>(BenchBackground * 255.0f + 0.5f);
    return rgba[0] != back || rgba[1] != back || rgba[2] != back;
}

bool runTavo(Sample& outSample)
{
    Frame* f = frame();
    if (!f || f->grid->currentLevelMesh()->faces.count() != LevelFaces)
        return false;
    Stopwatch watch;
    beginBenchFrame(f->view);
    drawSceneObjects(f->managers, f->view, false);
    glFinish();
    outSample.seconds = watch.seconds();
    return middleIsDrawn(*f);
}

bool runVbo(Sample& outSample)
{
    Frame* f = frame();
    if (!f)
        return false;
    Stopwatch watch;
    beginBenchFrame(f->view);
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, diffuse);
    glBindBuffer(GL_ARRAY_BUFFER, f->peerBuffers[0]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 6 * sizeof(float), nullptr);
    glNormalPointer(GL_FLOAT, 6 * sizeof(float), reinterpret_cast<void*>(3 * sizeof(float)));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, f->peerBuffers[1]);
    glDrawElements(GL_TRIANGLES, f->peerIndexCount, GL_UNSIGNED_INT, nullptr);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glFinish();
    outSample.seconds = watch.seconds();
    return middleIsDrawn(*f);
}

const bool registered = registerComparison({"draw-level-1M", "vbo", runTavo, runVbo});

} // namespace
