// The GL side of the display manager: one frame of every viewport of the
// layout, each through its own camera.
#include <GL/gl.h>

#include "Mesh/Light.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/CameraSet.h"
#include "Scene/View/ObjectDrawing.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ViewportText.h"
#include "Settings/CommandIds.h"
#include "Settings/SettingsVariables.h"

namespace {

constexpr int sceneLightCount = 8; // the lights GL has
constexpr int textMargin = 6;      // pixels between a viewport's corner and its name
constexpr int textHeight = 13;     // of the window's bitmap font
constexpr float activeBorderWidth = 2.0f;

struct Colour {
    float r, g, b;
};

// A colour of "Color Settings", or `fallback` before the registry has it.
Colour settingColour(const SceneManagers* managers, const char* name, Colour fallback)
{
    if (!managers || !managers->applicationManager)
        return fallback;
    const OptionItem* item = managers->applicationManager->registry.findOption(CommandId::ColorSettings, name);
    const float* c = item ? item->tripleValue() : nullptr;
    return c ? Colour{c[0], c[1], c[2]} : fallback;
}

// Pixel coordinates of the current GL viewport, origin bottom-left.
void loadPixelMatrices(int width, int height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawBackground(const SceneManagers* managers, const ViewRect& r)
{
    const Colour top = settingColour(managers, "Viewport Background", {0.1f, 0.1f, 0.1f});
    const Colour bottom = settingsVariables().drawViewportGradient
                              ? settingColour(managers, "Viewport Background Secondary", top)
                              : top;
    glClearColor(top.r, top.g, top.b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadPixelMatrices(r.width, r.height);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_QUADS);
    glColor3f(bottom.r, bottom.g, bottom.b);
    glVertex2i(0, 0);
    glVertex2i(r.width, 0);
    glColor3f(top.r, top.g, top.b);
    glVertex2i(r.width, r.height);
    glVertex2i(0, r.height);
    glEnd();
}

// A point of the grid plane: (a, b) along the two axes beside `normal`.
void gridVertex(int normal, float a, float b)
{
    float p[3] = {0, 0, 0};
    p[(normal + 1) % 3] = a;
    p[(normal + 2) % 3] = b;
    glVertex3fv(p);
}

void drawWorkGrid(const Camera& camera, Colour colour)
{
    const WorkGrid& g = camera.grid;
    const int lines = static_cast<int>(g.size / g.spacing + 0.5f);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int i = -lines; i <= lines; ++i) {
        // The lines through the origin stand out.
        const float shade = i == 0 ? 1.8f : 1.0f;
        glColor3f(colour.r * shade, colour.g * shade, colour.b * shade);
        const float at = i * g.spacing;
        gridVertex(g.normalAxis, at, -g.size);
        gridVertex(g.normalAxis, at, g.size);
        gridVertex(g.normalAxis, -g.size, at);
        gridVertex(g.normalAxis, g.size, at);
    }
    glEnd();
    if (camera.kind == Camera::UVSpace) {
        glColor3f(colour.r * 3, colour.g * 3, colour.b * 3);
        glBegin(GL_LINE_LOOP);
        glVertex3f(0, 0, 0);
        glVertex3f(1, 0, 0);
        glVertex3f(1, 1, 0);
        glVertex3f(0, 1, 0);
        glEnd();
    }
}

// The image's plane as a frame with crossed corners: what shows of an image
// whose file cannot be read, and the mark of the selected one.
void drawImageOutline(const ReferenceImage& image, bool selected, bool crossed)
{
    glLineWidth(selected ? 2.0f : 1.0f);
    glColor3f(selected ? 0.9f : 0.5f, selected ? 0.6f : 0.5f, 0.3f);
    glBegin(GL_LINE_LOOP);
    for (const float* c : image.corners)
        glVertex3fv(c);
    glEnd();
    if (crossed) {
        glBegin(GL_LINES);
        for (int k : {0, 2, 1, 3})
            glVertex3fv(image.corners[k]);
        glEnd();
    }
    glLineWidth(1.0f);
}

// The picture on its plane. It leaves the depth buffer alone so that the
// scene always shows in front of it.
void drawImagePicture(const ReferenceImage& image, unsigned texture)
{
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2fv(image.uv[k]);
        glVertex3fv(image.corners[k]);
    }
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
}

// Light objects as a point with a line to their target.
void drawLightIcons(const List<Shape*>& objects)
{
    glPointSize(7.0f);
    for (Shape* o : objects) {
        if (o->shapeKind() != InnerShape::KindLight || o->isHidden())
            continue;
        Light& l = static_cast<Light&>(*o);
        const Point3D& p = l.position();
        glColor3f(o->isSelected() ? 1.0f : 0.95f, o->isSelected() ? 0.4f : 0.85f, 0.2f);
        glBegin(GL_POINTS);
        glVertex3f(p.x, p.y, p.z);
        glEnd();
        if (l.lightType != Light::PointLight) {
            glBegin(GL_LINES);
            glVertex3f(p.x, p.y, p.z);
            glVertex3f(l.target.x, l.target.y, l.target.z);
            glEnd();
        }
    }
    glPointSize(1.0f);
}

void drawBorder(const ViewRect& r, Colour colour, float width)
{
    loadPixelMatrices(r.width, r.height);
    glDisable(GL_DEPTH_TEST);
    glLineWidth(width);
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_LINE_LOOP);
    glVertex2f(1, 1);
    glVertex2f(r.width - 1.0f, 1);
    glVertex2f(r.width - 1.0f, r.height - 1.0f);
    glVertex2f(1, r.height - 1.0f);
    glEnd();
    glLineWidth(1.0f);
}

void drawName(const std::string& name, const ViewRect& r, Colour colour)
{
    ViewportTextFunction text = viewportTextFunction();
    if (!text)
        return;
    loadPixelMatrices(r.width, r.height);
    glDisable(GL_DEPTH_TEST);
    glColor3f(colour.r, colour.g, colour.b);
    glRasterPos2i(textMargin, r.height - textMargin - textHeight);
    text(name.c_str());
}

} // namespace

void SceneDisplayManager::drawViewport(int index, const List<SceneManager*>& drawers)
{
    const Viewport& port = layout().viewports[index];
    const ViewRect& r = port.rect;
    if (r.width <= 0 || r.height <= 0)
        return;
    const Camera& camera = cameras[port.camera];
    const bool active = index == layout().active;
    const SettingsVariables& settings = settingsVariables();
    TavoApplicationWindow* window = managers && managers->applicationManager ? managers->applicationManager->window
                                                                              : nullptr;
    glViewport(r.x, r.y, r.width, r.height);
    glScissor(r.x, r.y, r.width, r.height);
    glDisable(GL_LIGHTING);
    drawBackground(managers, r);

    const ViewProjection view = viewOf(port.camera, r);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(view.modelview);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);

    if (settings.showViewportImages)
        for (const ReferenceImage& image : referenceImages)
            if (image.view == viewOfCamera(port.camera) && camera.orthographic && !camera.rotates) {
                const unsigned texture = imageTextures.textureFor(image.imagePath, window);
                const bool selected = image.view == selectedImageView;
                if (texture)
                    drawImagePicture(image, texture);
                if (!texture || selected)
                    drawImageOutline(image, selected, !texture);
            }
    if (settings.showGrids)
        drawWorkGrid(camera, settingColour(managers, "Grid", {0.2f, 0.2f, 0.2f}));

    enableLights(view);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    // Flat colours are given as the current colour; let the light shade them.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    if (managers)
        drawSceneObjects(*managers, view, camera.kind == Camera::UVSpace);
    if (active)
        for (SceneManager* m : drawers)
            m->drawActiveViewport();

    glDisable(GL_LIGHTING);
    for (int i = 0; i < sceneLightCount; ++i)
        glDisable(GL_LIGHT0 + i);
    if (settings.showLights && camera.kind == Camera::Model && managers && managers->objectManager)
        drawLightIcons(managers->objectManager->objects);
    if (active)
        for (SceneManager* m : drawers)
            m->drawActiveViewportUnlit();

    drawName(camera.name, r, settingColour(managers, "Viewport Text", {1, 1, 1}));
    // Frames tell the viewports apart; the active one's stands out.
    if (layout().viewports.size() > 1) {
        if (active)
            drawBorder(r, settingColour(managers, "Window Highlight", {0.7f, 0.7f, 0.7f}), activeBorderWidth);
        else
            drawBorder(r, settingColour(managers, "Viewport Selected", {0.2f, 0.2f, 0.2f}), 1.0f);
    }
}

void SceneDisplayManager::drawViewports(const List<SceneManager*>& drawers)
{
    if (viewportWidth <= 0 || viewportHeight <= 0)
        return;
    layouts[layoutId].fit(viewportWidth, viewportHeight);
    imageTextures.keepOnly(referenceImages);
    // Antialiased lines: smoothing works through blending.
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_SCISSOR_TEST);
    for (int i = 0; i < static_cast<int>(layout().viewports.size()); ++i)
        drawViewport(i, drawers);
    glDisable(GL_SCISSOR_TEST);

    // The overlay is drawn over everything, with the active view loaded.
    const ViewProjection view = activeView();
    glViewport(view.viewport.x, view.viewport.y, view.viewport.width, view.viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(view.modelview);
    for (SceneManager* m : drawers)
        m->drawOverlay();
    // Passes outside the frame (picking among them) start from plain state.
    glDisable(GL_BLEND);
    glDisable(GL_LINE_SMOOTH);
}
