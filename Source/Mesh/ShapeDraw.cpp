// An object's control elements drawn through the current level: a face by
// its child faces, an edge by its level segments, a vertex at its vertex
// point. At level 0 the mesh's own routines draw them.
#include <GL/gl.h>

#include <algorithm>

#include "DisplaySettings.h"
#include "DrawBatch.h"
#include "Shape.h"

using namespace meshdraw;

namespace {

// The list position of e: `index` when given (>= 0) and right, else the
// element's own number when it is still right, else a search; -1 when e is
// not listed.
template <class T>
int positionOf(const List<T*>& list, const T* e, int index)
{
    if (index >= 0)
        return index < list.count() && list[index] == e ? index : -1;
    if (e->index >= 0 && e->index < list.count() && list[e->index] == e)
        return e->index;
    return list.indexOf(const_cast<T*>(e));
}

void emitChildFaces(const Shape& s, const InnerShape& level, int controlFace, FaceBatch& batch)
{
    const int start = s.levelStack.childFaceStart(controlFace);
    const int end = std::min(start + s.levelStack.childFaceCount(controlFace), level.faces.count());
    for (int k = std::max(start, 0); k < end; ++k)
        if (!level.faces[k]->isHidden())
            batch.face(*level.faces[k]);
}

// GL_LINES vertices of the level segments of a control edge; inside glBegin.
void emitLevelSegments(const Shape& s, const InnerShape& level, int controlEdge)
{
    const int start = s.levelEdgeStart(controlEdge);
    if (start < 0)
        return;
    for (int k = start; k < start + s.levelStack.segmentsPerEdge(); ++k) {
        const Edge* e = level.edges[k];
        if (e->isHidden() || !e->startVertex || !e->endVertex)
            continue;
        vertexPoint(*e->startVertex);
        vertexPoint(*e->endVertex);
    }
}

void emitVertexPoint(const Shape& s, int controlVertex)
{
    if (const Vertex* v = s.levelVertexOf(controlVertex))
        vertexPoint(*v);
}

} // namespace

bool Shape::drawHighlight(Geometry* element, int index)
{
    if (!element)
        return false;
    if (currentLevel() <= 0)
        return InnerShape::drawHighlight(element, index);
    const int k = element->kind();
    int at = -1;
    if (k == KindVertex)
        at = positionOf(vertices, static_cast<Vertex*>(element), index);
    else if (k == KindEdge)
        at = positionOf(edges, static_cast<Edge*>(element), index);
    else if (k == KindFace)
        at = positionOf(faces, static_cast<Face*>(element), index);
    InnerShape& level = *currentLevelMesh();
    if (at < 0)
        return &level != this && level.drawHighlight(element, index);
    if (isHidden())
        return true;

    const MeshDisplaySettings& settings = meshDisplaySettings();
    const float* rgb = settings.highlightColour;
    const bool symmetry = hasSymmetry();
    HighlightState state;
    if (k == KindVertex) {
        const Vertex* v = vertices[at];
        glPointSize(settings.highlightPointSize);
        glColor3fv(rgb);
        glBegin(GL_POINTS);
        emitVertexPoint(*this, at);
        if (symmetry && v->mirror && v->mirror != v)
            emitVertexPoint(*this, positionOf(vertices, v->mirror, -1));
        glEnd();
    } else if (k == KindEdge) {
        const Edge* e = edges[at];
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLineWidth(settings.highlightLineWidth);
        glColor4f(rgb[0], rgb[1], rgb[2], HighlightEdgeAlpha);
        glBegin(GL_LINES);
        emitLevelSegments(*this, level, at);
        if (symmetry && e->startVertex && e->endVertex) {
            const Edge* partner = findEdge(e->startVertex->mirror, e->endVertex->mirror);
            if (partner && partner != e)
                emitLevelSegments(*this, level, positionOf(edges, partner, -1));
        }
        glEnd();
    } else {
        const Face* f = faces[at];
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(rgb[0], rgb[1], rgb[2], settings.highlightAlpha);
        FaceBatch batch(false);
        emitChildFaces(*this, level, at, batch);
        if (symmetry && f->mirror && f->mirror != f)
            emitChildFaces(*this, level, positionOf(faces, f->mirror, -1), batch);
    }
    return true;
}

void Shape::drawFace(int i, const unsigned char rgb[3])
{
    if (currentLevel() <= 0) {
        InnerShape::drawFace(i, rgb);
        return;
    }
    if (isHidden() || i < 0 || i >= faces.count() || faces[i]->isHidden())
        return;
    const InnerShape& level = *currentLevelMesh();
    ColourKeeper colour;
    glColor3ubv(rgb);
    FaceBatch batch(false);
    emitChildFaces(*this, level, i, batch);
}

void Shape::drawEdge(int i, const unsigned char rgb[3])
{
    if (currentLevel() <= 0) {
        InnerShape::drawEdge(i, rgb);
        return;
    }
    if (isHidden() || i < 0 || i >= edges.count() || edges[i]->isHidden())
        return;
    const InnerShape& level = *currentLevelMesh();
    ColourKeeper colour;
    glColor3ubv(rgb);
    glBegin(GL_LINES);
    emitLevelSegments(*this, level, i);
    glEnd();
}

void Shape::drawVertex(int i, const unsigned char rgb[3])
{
    if (currentLevel() <= 0) {
        InnerShape::drawVertex(i, rgb);
        return;
    }
    if (isHidden() || i < 0 || i >= vertices.count() || vertices[i]->isHidden())
        return;
    ColourKeeper colour;
    glColor3ubv(rgb);
    glBegin(GL_POINTS);
    emitVertexPoint(*this, i);
    glEnd();
}
