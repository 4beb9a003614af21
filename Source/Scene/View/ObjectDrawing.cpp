// Drawing of the scene's objects in one viewport: faces by shading mode,
// edges, the object-mode selection tint, instances and lights. Levels above
// "Optimized Face Draw Limit" faces are drawn from GL buffers.
#include "Scene/View/ObjectDrawing.h"

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "Mesh/DisplaySettings.h"
#include "Mesh/Light.h"
#include "Mesh/Material.h"
#include "Mesh/MaterialGL.h"
#include "Mesh/ShapeInstance.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/LevelDrawCache.h"
#include "Scene/View/ObjectDrawingParts.h"
#include "Settings/SettingsVariables.h"

namespace {

// Ghosted objects let this much of their surface colour through.
constexpr float GhostAlpha = 0.3f;
// The object-mode selection tint laid over a selected object's faces.
constexpr float SelectedTintAlpha = 0.25f;
// UV proxies are laid flat over the UV grid and must not hide it.
constexpr float UVFaceAlpha = 0.2f;
// A cache unused for this many passes gives its buffers back.
constexpr uint64_t CacheLifetime = 16;

struct CacheEntry {
    std::unique_ptr<LevelDrawCache> cache;
    uint64_t lastPass = 0;
};

// What a level's Hidden bits were last made from (see syncLevelVisibility).
struct VisibilityKey {
    const InnerShape* level = nullptr;
    int32_t levelChange = -1;
    uint64_t hiddenFaces = 0;
    uint64_t lastPass = 0;
    bool operator==(const VisibilityKey& o) const
    {
        return level == o.level && levelChange == o.levelChange && hiddenFaces == o.hiddenFaces;
    }
};

struct DrawCaches {
    std::unordered_map<const InnerShape*, CacheEntry> byMesh;
    std::unordered_map<const Shape*, VisibilityKey> visibility;
    uint64_t pass = 0;
};

DrawCaches& drawCaches()
{
    static DrawCaches caches;
    return caches;
}

LevelDrawCache& cacheOf(const InnerShape& mesh)
{
    DrawCaches& all = drawCaches();
    CacheEntry& entry = all.byMesh[&mesh];
    if (!entry.cache)
        entry.cache = std::make_unique<LevelDrawCache>();
    entry.lastPass = all.pass;
    return *entry.cache;
}

void dropUnusedCaches()
{
    DrawCaches& all = drawCaches();
    std::erase_if(all.byMesh, [&](const auto& e) { return e.second.lastPass + CacheLifetime < all.pass; });
    std::erase_if(all.visibility, [&](const auto& e) { return e.second.lastPass + CacheLifetime < all.pass; });
}

// Gives the current level the control mesh's hidden faces when they, or
// the level, changed since the last time.
void syncVisibility(Shape& s, InnerShape& level)
{
    if (&level == &s)
        return;
    VisibilityKey key{&level, level.changeCount, 0, drawCaches().pass};
    for (int i = 0; i < s.faces.count(); ++i)
        if (s.faces[i]->isHidden())
            key.hiddenFaces = key.hiddenFaces * 1000003u + static_cast<uint64_t>(i) + 1;
    VisibilityKey& seen = drawCaches().visibility[&s];
    if (!(seen == key)) {
        s.syncLevelVisibility();
        cacheOf(level).invalidate();
    }
    seen = key;
}

// The mode the faces are drawn in: the object's, except that a flat object
// at or above "Smooth Shade At SubD Level" is drawn smooth.
int drawnShading(int mode, int level)
{
    const int smoothFrom = meshDisplaySettings().smoothShadeAtSubdLevel;
    if (mode == InnerShape::FlatShade && smoothFrom >= 1 && level >= smoothFrom)
        return InnerShape::SmoothShade;
    return mode;
}

bool isSmooth(int mode)
{
    return mode == InnerShape::SmoothShade || mode == InnerShape::FastShade || mode == InnerShape::GhostedShade;
}

// The material a buffered mesh is drawn in: its first face's, since the
// buffers carry no per-face state.
const Material& bufferMaterial(const InnerShape& mesh)
{
    const Material* m = mesh.faces.empty() ? nullptr : mesh.faces[0]->material;
    return m ? *m : *Material::defaultMaterial();
}

// How one mesh of one object is drawn in this pass.
class MeshDrawer {
public:
    // mode: the shading mode the faces are drawn in. A mesh above the face
    // limit is drawn from its buffers, or the slow way when they cannot be had.
    MeshDrawer(InnerShape& mesh, const ObjectPass& pass, int mode) : mesh_(mesh)
    {
        if (mesh.faces.count() > pass.settings.optimizedFaceDrawLimit) {
            cache_ = &cacheOf(mesh);
            if (!cache_->refresh(mesh, isSmooth(mode)))
                cache_ = nullptr;
        }
        buffered_ = cache_ != nullptr;
    }

    void faces(int mode)
    {
        const Material& material = bufferMaterial(mesh_);
        switch (mode) {
        case InnerShape::FlatShade:
            if (buffered_)
                drawBuffered(material);
            else
                mesh_.drawFacesMaterial();
            break;
        case InnerShape::SmoothShade:
            if (buffered_)
                drawBuffered(material);
            else
                mesh_.drawFacesSmooth();
            break;
        case InnerShape::FastShade:
            applyMaterial(material);
            plainFaces();
            break;
        case InnerShape::GhostedShade: {
            glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_ENABLE_BIT);
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            glDepthMask(GL_FALSE);
            // Lit faces take their alpha from the material's diffuse colour.
            Material ghost = material;
            ghost.diffuse[3] = GhostAlpha;
            applyMaterial(ghost);
            plainFaces();
            glPopAttrib();
            break;
        }
        default:
            break;
        }
    }

    // Unlit faces in one colour, blended at `alpha`, on top of what is drawn.
    void overlay(const float rgb[3], float alpha)
    {
        glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_ENABLE_BIT);
        unlit();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDepthFunc(GL_LEQUAL);
        glDepthMask(GL_FALSE);
        if (buffered_) {
            glColor4f(rgb[0], rgb[1], rgb[2], alpha);
            cache_->drawFaces();
        } else {
            mesh_.drawFacesFlat(rgb[0], rgb[1], rgb[2], alpha);
        }
        glPopAttrib();
    }

    void edges(const float rgb[3], float width)
    {
        glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
        unlit();
        glLineWidth(width);
        glColor3fv(rgb);
        if (buffered_)
            cache_->drawEdges();
        else
            mesh_.drawEdges();
        glPopAttrib();
    }

private:
    void drawBuffered(const Material& material)
    {
        glPushAttrib(GL_LIGHTING_BIT);
        glShadeModel(GL_SMOOTH);
        applyMaterial(material);
        cache_->drawFaces();
        glPopAttrib();
    }

    // Smooth faces in the current colour, without materials or textures.
    void plainFaces()
    {
        if (buffered_) {
            glPushAttrib(GL_LIGHTING_BIT);
            glShadeModel(GL_SMOOTH);
            cache_->drawFaces();
            glPopAttrib();
        } else {
            mesh_.drawFacesSmoothAlternate();
        }
    }

    InnerShape& mesh_;
    LevelDrawCache* cache_ = nullptr;
    bool buffered_ = false;
};

bool isActiveInComponentMode(const Shape& s, const ObjectPass& pass)
{
    return pass.selection && pass.selection->mode != SceneSelectionManager::ObjectMode && s.isSelected() &&
           pass.selection->activeObjects.contains(const_cast<Shape*>(&s));
}

const float* componentWireColour(const ObjectPass& pass)
{
    switch (pass.selection->mode) {
    case SceneSelectionManager::VertexMode:
        return pass.colours[DrawColour::VertexModeWireframe];
    case SceneSelectionManager::EdgeMode:
        return pass.colours[DrawColour::UnselectedEdges];
    case SceneSelectionManager::FaceMode:
        return pass.colours[DrawColour::FaceModeWireframe];
    default:
        return pass.colours[DrawColour::MultiModeWireframe];
    }
}

// Faces and edges of `source`'s current level, as `owner` (the object itself,
// or an instance showing it) is to be seen.
void drawShapeBody(Shape& owner, Shape& source, const ObjectPass& pass)
{
    InnerShape& mesh = *source.currentLevelMesh();
    syncVisibility(source, mesh);
    const int mode = drawnShading(owner.shadingMode(), source.currentLevel());
    MeshDrawer drawer(mesh, pass, mode);
    const bool component = isActiveInComponentMode(owner, pass);
    const bool objectSelected = owner.isSelected() && !component;

    glEnable(GL_POLYGON_OFFSET_FILL);
    // Faces are pushed back a little so that their edges win the depth test.
    glPolygonOffset(1.0f, 1.0f);
    if (pass.uvSpace) {
        drawer.overlay(pass.colours[DrawColour::UVFaces], UVFaceAlpha);
    } else {
        drawer.faces(mode);
        if (objectSelected && mode != InnerShape::Wireframe) {
            const bool instance = owner.shapeKind() == InnerShape::KindShapeInstance;
            drawer.overlay(pass.colours[instance ? DrawColour::SelectedInstanceWireframe
                                                 : DrawColour::SelectedShapeWireframe],
                           SelectedTintAlpha);
        }
    }
    glDisable(GL_POLYGON_OFFSET_FILL);

    const bool wire = (owner.displayFlags & InnerShape::WireOnShaded) || mode == InnerShape::Wireframe;
    if (component)
        drawer.edges(componentWireColour(pass), pass.settings.edgeWidth);
    else if (objectSelected)
        drawer.edges(pass.colours[owner.shapeKind() == InnerShape::KindShapeInstance
                                      ? DrawColour::SelectedInstanceWireframe
                                      : DrawColour::SelectedShapeWireframe],
                     pass.settings.edgeWidth);
    else if (wire || pass.uvSpace)
        drawer.edges(pass.colours[pass.uvSpace ? DrawColour::UnselectedEdges : DrawColour::ShapeWireframe],
                     pass.settings.edgeWidth);
}

void drawInstance(ShapeInstance& instance, const ObjectPass& pass)
{
    Shape* source = instance.instancedShape;
    if (!source || source == &instance)
        return;
    glPushMatrix();
    glMultMatrixf(instance.transform);
    // A mirroring transform turns the faces' winding over.
    if (instance.isMirrored())
        glFrontFace(GL_CW);
    drawShapeBody(instance, *source, pass);
    glFrontFace(GL_CCW);
    glPopMatrix();
}

void drawObject(Shape& s, const ObjectPass& pass, const ObjectDrawOptions& options)
{
    const int kind = s.shapeKind();
    // Proxies are drawn in UV space only, and only proxies are.
    if (s.isHidden() || (kind == InnerShape::KindTextureProxy) != pass.uvSpace)
        return;
    if (kind == InnerShape::KindLight) {
        if (options.showLights)
            drawLightIcon(static_cast<Light&>(s), pass);
        return;
    }
    if (kind == InnerShape::KindShapeInstance) {
        drawInstance(static_cast<ShapeInstance&>(s), pass);
        return;
    }
    drawShapeBody(s, s, pass);
    if (isActiveInComponentMode(s, pass))
        drawComponentSelection(s, pass);
}

} // namespace

void unlit()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_COLOR_MATERIAL);
}

void drawSceneObjects(SceneManagers& managers, const ViewProjection& view, bool uvSpace)
{
    ObjectDrawOptions options;
    options.showLights = settingsVariables().showLights;
    drawSceneObjects(managers, view, uvSpace, options);
}

void drawSceneObjects(SceneManagers& managers, const ViewProjection& view, bool uvSpace,
                      const ObjectDrawOptions& options)
{
    if (!managers.objectManager)
        return;
    ++drawCaches().pass;
    const SettingsRegistry* registry = managers.applicationManager ? &managers.applicationManager->registry : nullptr;
    const ObjectPass pass{objectColours(registry), settingsVariables(), managers.selectionManager, view, uvSpace};

    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT);
    // Faces are lit by their materials, set explicitly: a tracked colour
    // would tie each material to the colour of whatever was drawn before.
    glDisable(GL_COLOR_MATERIAL);
    if (uvSpace)
        glDisable(GL_LIGHTING);
    for (Shape* s : managers.objectManager->objects)
        drawObject(*s, pass, options);
    glPopAttrib();
    dropUnusedCaches();
}

void releaseObjectDrawCaches()
{
    drawCaches().byMesh.clear();
    drawCaches().visibility.clear();
}
