// The GL side of the manipulators: both depth passes, the handle materials
// and the solids the handles are built from (no GLUT in the core library).
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Settings/SettingsVariables.h"
#include "Tools/Manipulator.h"
#include "Tools/ManipulatorFrame.h"

namespace {

constexpr float pi = 3.14159265358979323846f;
constexpr const char* colourNames[] = {"Manipulator X", "Manipulator Y", "Manipulator Z", "Manipulator Center"};
constexpr const char* highlightName = "Manipulator Selected";

// Lit solids whose colour is all emission, so they read the same from any side.
void material(const char* colourName)
{
    float rgb[4] = {1, 1, 1, 1};
    if (Tool::scene && Tool::scene->applicationManager)
        if (const OptionItem* o =
                Tool::scene->applicationManager->registry.findOption(CommandId::ColorSettings, colourName))
            if (const float* c = o->tripleValue())
                rgb[0] = c[0], rgb[1] = c[1], rgb[2] = c[2];
    const float none[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, rgb);
    glColor3fv(rgb);
}

void box(float hx, float hy, float hz)
{
    static const int faces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    static const float normals[6][3] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    glBegin(GL_QUADS);
    for (int f = 0; f < 6; ++f) {
        glNormal3fv(normals[f]);
        for (int k : faces[f])
            glVertex3f(k & 4 ? hx : -hx, k & 2 ? hy : -hy, k & 1 ? hz : -hz);
    }
    glEnd();
}

void sphere(float r)
{
    constexpr int stacks = 8, slices = 12;
    for (int i = 0; i < stacks; ++i) {
        const float a0 = pi * i / stacks - pi / 2, a1 = pi * (i + 1) / stacks - pi / 2;
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= slices; ++j) {
            const float b = 2 * pi * j / slices;
            for (float a : {a1, a0}) {
                const float n[3] = {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
                glNormal3fv(n);
                glVertex3f(n[0] * r, n[1] * r, n[2] * r);
            }
        }
        glEnd();
    }
}

// Along +Z from 0: base radius r, height h, eight slices.
void cone(float r, float h)
{
    constexpr int slices = 8;
    glBegin(GL_TRIANGLE_FAN);
    glNormal3f(0, 0, 1);
    glVertex3f(0, 0, h);
    for (int j = 0; j <= slices; ++j) {
        const float b = 2 * pi * j / slices;
        glNormal3f(std::cos(b), std::sin(b), r / h);
        glVertex3f(r * std::cos(b), r * std::sin(b), 0);
    }
    glEnd();
    glBegin(GL_TRIANGLE_FAN);
    glNormal3f(0, 0, -1);
    glVertex3f(0, 0, 0);
    for (int j = slices; j >= 0; --j)
        glVertex3f(r * std::cos(2 * pi * j / slices), r * std::sin(2 * pi * j / slices), 0);
    glEnd();
}

// Turns +Z onto manipulator axis `axis`.
void faceAlong(int axis)
{
    if (axis == 0)
        glRotatef(90, 0, 1, 0);
    else if (axis == 1)
        glRotatef(-90, 1, 0, 0);
}

} // namespace

void Manipulator::drawHandles()
{
    const float offset = settingsVariables().manipulatorHandleOffset;
    const bool highlightAll = frame->editMode;
    const float lineLength = axisLineLength();
    if (lineLength > 0) {
        glDisable(GL_LIGHTING);
        glBegin(GL_LINES);
        for (int a = 0; a < 3; ++a) {
            material(highlightAll ? highlightName : colourNames[a]);
            glVertex3f(0, 0, 0);
            glVertex3f(a == 0 ? lineLength : 0, a == 1 ? lineLength : 0, a == 2 ? lineLength : 0);
        }
        glEnd();
        glEnable(GL_LIGHTING);
    }
    for (const Handle& h : handles()) {
        if (!shown(h))
            continue;
        material(highlightAll || h.number == activeHandle ? highlightName : colourNames[std::min(h.axis, 3)]);
        glPushMatrix();
        if (h.axis < 3) {
            const float at = h.along + (h.fromOffset ? offset : 0.0f);
            glTranslatef(h.axis == 0 ? at : 0, h.axis == 1 ? at : 0, h.axis == 2 ? at : 0);
        }
        switch (h.shape) {
        case HandleShape::Cone:
            faceAlong(h.axis);
            cone(h.size, 0.2f);
            break;
        case HandleShape::Cube:
            box(h.size, h.size, h.size);
            break;
        case HandleShape::Plate: {
            // Flattened to 0.15 across its plane: XY for the plate on X, YZ on Y, XZ on Z.
            const int across = h.axis == 0 ? 2 : h.axis == 1 ? 0 : 1;
            const float thin = h.size * 0.15f;
            box(across == 0 ? thin : h.size, across == 1 ? thin : h.size, across == 2 ? thin : h.size);
            break;
        }
        case HandleShape::Sphere:
            sphere(h.size);
            break;
        case HandleShape::Bar: {
            const int across = (h.axis + 1) % 3;
            const float t = 0.028f, w = 0.035f;
            box(across == 0 ? h.size : (h.axis == 0 ? t : w), across == 1 ? h.size : (h.axis == 1 ? t : w),
                across == 2 ? h.size : (h.axis == 2 ? t : w));
            break;
        }
        case HandleShape::Ring:
            break; // drawn facing the viewer below
        }
        glPopMatrix();
    }
}

void Manipulator::draw()
{
    if (!handlesShown || !frame->hasTarget() || !scene)
        return;
    // The overlay is drawn in the active viewport, whose matrices are loaded.
    const ViewProjection view = scene->displayManager ? scene->displayManager->activeView() : ViewProjection();
    measure(view);
    const Point3D c = centre();

    glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glLineWidth(1);
    glPushMatrix();
    glTranslatef(c.x, c.y, c.z);
    glScalef(scale, scale, scale);
    const Point3D* a = frame->axes;
    const float turn[16] = {a[0].x, a[0].y, a[0].z, 0, a[1].x, a[1].y, a[1].z, 0,
                            a[2].x, a[2].y, a[2].z, 0, 0,      0,      0,      1};
    glMultMatrixf(turn);
    static const GLubyte halftone[128] = {
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55,
        0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55};
    glPolygonStipple(halftone);
    glLineStipple(1, 0x3333);
    // Behind geometry first, stippled; then in front, solid.
    for (int pass = 0; pass < 2; ++pass) {
        glDepthFunc(pass == 0 ? GL_GEQUAL : GL_LESS);
        if (pass == 0) {
            glEnable(GL_POLYGON_STIPPLE);
            glEnable(GL_LINE_STIPPLE);
        } else {
            glDisable(GL_POLYGON_STIPPLE);
            glDisable(GL_LINE_STIPPLE);
        }
        drawHandles();
    }
    glPopMatrix();

    // Screen rings face the viewer whatever the axes: drawn in the plane
    // the view sees the centre in.
    glDisable(GL_LIGHTING);
    glLineWidth(2);
    double cx, cy, depth;
    if (view.project(c, cx, cy, depth))
        for (const Handle& h : handles()) {
            if (h.shape != HandleShape::Ring || !shown(h))
                continue;
            material(frame->editMode || h.number == activeHandle ? highlightName : colourNames[3]);
            const double radius = h.size * settingsVariables().manipulatorSize;
            glBegin(GL_LINE_LOOP);
            for (int k = 0; k < 24; ++k) {
                const double b = 2 * pi * k / 24;
                const Point3D p = view.unproject(cx + radius * std::cos(b), cy + radius * std::sin(b), depth);
                glVertex3f(p.x, p.y, p.z);
            }
            glEnd();
        }
    glPopAttrib();
}
