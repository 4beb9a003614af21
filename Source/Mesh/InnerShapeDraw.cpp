// The GL drawing of a mesh: faces, edges, vertices, normals and highlights.
// Every routine needs a current context, draws nothing for a hidden mesh or
// hidden elements, and leaves the GL state it changes as it found it (the
// current normal and texture coordinate excepted).
#include <GL/gl.h>

#include "DisplaySettings.h"
#include "DrawBatch.h"
#include "InnerShape.h"
#include "MaterialGL.h"

using namespace meshdraw;

namespace {
// How one face-drawing pass shades its faces.
struct FaceShading {
    GLenum shadeModel;
    bool vertexNormals; // per-corner vertex normals, else one face normal
    bool materials;     // each face's material, else the current colour
};

constexpr FaceShading FlatColour{GL_FLAT, false, false};
constexpr FaceShading FlatMaterial{GL_FLAT, false, true};
constexpr FaceShading SmoothMaterial{GL_SMOOTH, true, true};
constexpr FaceShading SmoothColour{GL_SMOOTH, true, false};

void drawFaces(const InnerShape& mesh, const FaceShading& shading)
{
    if (mesh.isHidden())
        return;
    ColourKeeper colour;
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glShadeModel(shading.shadeModel);
    MaterialSwitcher materials(shading.materials && (mesh.textureFlags & InnerShape::ShowTexture));
    {
        FaceBatch batch(shading.vertexNormals);
        for (const Face* f : mesh.faces) {
            if (f->isHidden())
                continue;
            if (shading.materials && !materials.isCurrent(f->material)) {
                batch.flush();
                materials.use(f->material);
            }
            batch.face(*f);
        }
    }
    glPopAttrib();
}

void drawEdgeLines(const InnerShape& mesh)
{
    if (mesh.isHidden())
        return;
    glBegin(GL_LINES);
    for (const Edge* e : mesh.edges) {
        if (e->isHidden() || !e->startVertex || !e->endVertex)
            continue;
        glVertex3f(e->startVertex->x, e->startVertex->y, e->startVertex->z);
        glVertex3f(e->endVertex->x, e->endVertex->y, e->endVertex->z);
    }
    glEnd();
}

// Whether element is in list: at position index when one is given (>= 0),
// anywhere otherwise.
template <class T>
bool isListed(const List<T*>& list, T* element, int index)
{
    if (index >= 0)
        return index < list.count() && list[index] == element;
    return list.contains(element);
}

void highlightVertex(const Vertex& v, bool symmetry)
{
    const float* rgb = meshDisplaySettings().highlightColour;
    glPointSize(meshDisplaySettings().highlightPointSize);
    glColor3fv(rgb);
    glBegin(GL_POINTS);
    vertexPoint(v);
    if (symmetry && v.mirror && v.mirror != &v)
        vertexPoint(*v.mirror);
    glEnd();
}

void highlightEdge(const Edge& e, bool symmetry)
{
    const float* rgb = meshDisplaySettings().highlightColour;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLineWidth(meshDisplaySettings().highlightLineWidth);
    glColor4f(rgb[0], rgb[1], rgb[2], HighlightEdgeAlpha);
    glBegin(GL_LINES);
    vertexPoint(*e.startVertex);
    vertexPoint(*e.endVertex);
    if (symmetry) {
        // The partner is the edge between the mirror vertices of the ends; an
        // edge on the symmetry plane is its own partner.
        const Vertex* a = e.startVertex->mirror;
        const Vertex* b = e.endVertex->mirror;
        if (a && b && !e.joins(a, b)) {
            vertexPoint(*a);
            vertexPoint(*b);
        }
    }
    glEnd();
}

void highlightFace(const Face& f, bool symmetry)
{
    const float* rgb = meshDisplaySettings().highlightColour;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(rgb[0], rgb[1], rgb[2], meshDisplaySettings().highlightAlpha);
    FaceBatch batch(false);
    batch.face(f);
    if (symmetry && f.mirror && f.mirror != &f)
        batch.face(*f.mirror);
}
}

void InnerShape::drawFacesFlat(float r, float g, float b, float a)
{
    ColourKeeper colour;
    glColor4f(r, g, b, a);
    drawFaces(*this, FlatColour);
}

void InnerShape::drawFacesFlat(const unsigned char rgb[3])
{
    ColourKeeper colour;
    glColor3ubv(rgb);
    drawFaces(*this, FlatColour);
}

void InnerShape::drawFacesMaterial()
{
    drawFaces(*this, FlatMaterial);
}

void InnerShape::drawFacesSmooth()
{
    drawFaces(*this, SmoothMaterial);
}

// Smooth shading in the current colour, without materials or textures: for
// display modes that colour whole objects themselves.
void InnerShape::drawFacesSmoothAlternate()
{
    drawFaces(*this, SmoothColour);
}

void InnerShape::drawEdges()
{
    drawEdgeLines(*this);
}

void InnerShape::drawEdges(const unsigned char rgb[3])
{
    ColourKeeper colour;
    glColor3ubv(rgb);
    drawEdgeLines(*this);
}

void InnerShape::drawVertices()
{
    if (isHidden())
        return;
    glBegin(GL_POINTS);
    for (const Vertex* v : vertices)
        if (!v->isHidden())
            vertexPoint(*v);
    glEnd();
}

void InnerShape::drawFaceNormals()
{
    if (isHidden())
        return;
    const MeshDisplaySettings& settings = meshDisplaySettings();
    ColourKeeper colour;
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor3fv(settings.normalColour);
    glBegin(GL_LINES);
    for (const Face* f : faces) {
        if (f->isHidden() || f->cornerCount() < 3)
            continue;
        Point3D c = f->centre();
        Point3D tip = c + f->normal * settings.normalLength;
        glVertex3f(c.x, c.y, c.z);
        glVertex3f(tip.x, tip.y, tip.z);
    }
    glEnd();
    glPopAttrib();
}

bool InnerShape::drawHighlight(Geometry* element, int index)
{
    if (!element)
        return false;
    int k = element->kind();
    bool listed = (k == KindVertex && isListed(vertices, static_cast<Vertex*>(element), index)) ||
                  (k == KindEdge && isListed(edges, static_cast<Edge*>(element), index)) ||
                  (k == KindFace && isListed(faces, static_cast<Face*>(element), index));
    if (!listed)
        return false;
    if (isHidden())
        return true;

    HighlightState state;
    if (k == KindVertex)
        highlightVertex(*static_cast<Vertex*>(element), hasSymmetry());
    else if (k == KindEdge)
        highlightEdge(*static_cast<Edge*>(element), hasSymmetry());
    else
        highlightFace(*static_cast<Face*>(element), hasSymmetry());
    return true;
}

void InnerShape::drawFace(int i, const unsigned char rgb[3])
{
    if (isHidden() || i < 0 || i >= faces.count() || faces[i]->isHidden())
        return;
    ColourKeeper colour;
    glColor3ubv(rgb);
    {
        FaceBatch batch(false);
        batch.face(*faces[i]);
    }
}

void InnerShape::drawEdge(int i, const unsigned char rgb[3])
{
    if (isHidden() || i < 0 || i >= edges.count())
        return;
    const Edge* e = edges[i];
    if (e->isHidden() || !e->startVertex || !e->endVertex)
        return;
    ColourKeeper colour;
    glColor3ubv(rgb);
    glBegin(GL_LINES);
    vertexPoint(*e->startVertex);
    vertexPoint(*e->endVertex);
    glEnd();
}

void InnerShape::drawVertex(int i, const unsigned char rgb[3])
{
    if (isHidden() || i < 0 || i >= vertices.count() || vertices[i]->isHidden())
        return;
    ColourKeeper colour;
    glColor3ubv(rgb);
    glBegin(GL_POINTS);
    vertexPoint(*vertices[i]);
    glEnd();
}
