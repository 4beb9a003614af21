#include "Shape.h"

#include <algorithm>

#include "DisplaySettings.h"
#include "Pool.h"
#include "SubdivisionSettings.h"
#include "Symmetry.h"

Shape::Shape() : levelStack(*this) {}

Shape::Shape(const InnerShape& mesh) : InnerShape(mesh), levelStack(*this)
{
    const auto* other = dynamic_cast<const Shape*>(&mesh);
    if (other && other->levelStack.anyLevelHasDisplacement())
        takeOverLevels(*other);
    renumber();
}

Shape::Shape(const Shape& other) : Shape(static_cast<const InnerShape&>(other)) {}

void Shape::takeOverLevels(const Shape& other)
{
    const int wanted = other.levelStack.maxBuiltLevel();
    while (levelStack.maxBuiltLevel() < wanted && levelStack.stepUp()) {
    }
    DisplacementSnapshot saved;
    other.levelStack.saveDisplacement(1, saved);
    levelStack.restoreDisplacement(saved, false);
    for (int i = 1; i <= levelStack.maxBuiltLevel(); ++i)
        levelStack.levelMesh(i)->update(true, true, -1);
    levelStack.currentLevel = std::min(other.levelStack.currentLevel, levelStack.maxBuiltLevel());
    applyLevelShading();
    syncLevelSymmetry();
}

void Shape::releaseObjectState()
{
    // Levels first: their stencils point at the control vertices.
    levelStack.clearLevels();
    for (List<Geometry*>& list : bookkeeping)
        list.freeStorage();
    clear();
}

void Shape::release()
{
    releaseObjectState();
    giveBackToPool<Shape>(this);
}

void Shape::copyFrom(const Geometry& other)
{
    InnerShape::copyFrom(other);
    if (levelStack.maxBuiltLevel() > 0)
        levelStack.dirty = true;
}

int Shape::renumber()
{
    InnerShape::renumber();
    for (int i = 1; i <= levelStack.maxBuiltLevel(); ++i)
        levelStack.levelMesh(i)->renumber();
    return vertices.count();
}

void Shape::topologyChanged()
{
    if (hasSymmetry())
        calculateSymmetry(*this, mirrorPlane, MinSymmetryTolerance);
    rebuildLevelStack();
    renumber();
}

void Shape::rebuildLevelStack()
{
    levelStack.rebuildLevels();
    applyLevelShading();
    syncLevelSymmetry();
}

int Shape::levelShadingMode() const
{
    const int mode = shadingMode();
    const int smoothFrom = meshDisplaySettings().smoothShadeAtSubdLevel;
    if (mode == FlatShade && smoothFrom >= 1 && levelStack.currentLevel >= smoothFrom)
        return SmoothShade;
    return mode;
}

void Shape::applyLevelShading()
{
    const int mode = levelShadingMode();
    for (int i = 1; i <= levelStack.maxBuiltLevel(); ++i)
        levelStack.levelMesh(i)->setShadingMode(mode);
}

void Shape::update(bool normals, bool positions, int mode)
{
    if (levelStack.dirty)
        rebuildLevelStack();
    const int levelMode = mode == -1 ? levelShadingMode() : mode;
    // The control mesh's positions are the user's own, never computed.
    InnerShape::update(normals, false, levelMode);
    for (int i = 1; i <= levelStack.currentLevel; ++i)
        levelStack.levelMesh(i)->update(normals, positions, levelMode);
}

void Shape::flipFaces(const List<Face*>& list)
{
    InnerShape::flipFaces(list);
    if (2 * list.count() <= faces.count())
        topologyChanged();
    else
        rebuildLevelStack();
    update(true, false, -1);
}

void Shape::clearVertexFaceLists()
{
    InnerShape::clearVertexFaceLists();
    for (int i = 1; i <= levelStack.maxBuiltLevel(); ++i)
        levelStack.levelMesh(i)->clearVertexFaceLists();
}

void Shape::setShadingMode(int mode)
{
    InnerShape::setShadingMode(mode);
    applyLevelShading();
    update(true, false, -1);
}

InnerShape* Shape::currentLevelMesh()
{
    if (levelStack.dirty)
        rebuildLevelStack();
    return levelStack.levelMesh(levelStack.currentLevel);
}

namespace {
template <class T>
bool allSelected(const List<T*>& list)
{
    return std::all_of(list.begin(), list.end(), [](const T* e) { return e->isSelected(); });
}
} // namespace

bool Shape::allVerticesSelected() const
{
    return allSelected(vertices);
}

bool Shape::allEdgesSelected() const
{
    return allSelected(edges);
}

bool Shape::allFacesSelected() const
{
    return allSelected(faces);
}

bool Shape::hasMirrorVertices() const
{
    return std::any_of(vertices.begin(), vertices.end(), [](const Vertex* v) { return v->mirror != nullptr; });
}

void Shape::syncLevelSymmetry()
{
    for (int i = 1; i <= levelStack.maxBuiltLevel(); ++i) {
        InnerShape* level = levelStack.levelMesh(i);
        level->setSymmetry(hasSymmetry());
        level->mirrorPlane = mirrorPlane;
        if (hasSymmetry())
            calculateSymmetry(*level, mirrorPlane, MinSymmetryTolerance);
    }
}

void Shape::refreshLevels()
{
    if (hasSymmetry())
        syncLevelSymmetry();
    setShadingMode(shadingMode());
}

namespace {
bool propagatesOnStepDown(int fromLevel)
{
    const SubdivisionSettings& settings = subdivisionSettings();
    return settings.propagateToLower && (settings.propagateToBase || fromLevel != 1);
}
} // namespace

bool Shape::subdivide()
{
    if (levelStack.dirty)
        rebuildLevelStack();
    if (currentLevel() >= subdivisionSettings().maxLevel || !levelStack.stepUp())
        return false;
    refreshLevels();
    return true;
}

bool Shape::unsubdivide()
{
    if (levelStack.dirty)
        rebuildLevelStack();
    if (!levelStack.stepDown(propagatesOnStepDown(currentLevel())))
        return false;
    refreshLevels();
    return true;
}

void Shape::setLevel(int target, bool refresh)
{
    if (levelStack.dirty)
        rebuildLevelStack();
    target = std::max(target, 0);
    while (currentLevel() < target) {
        if (currentLevel() >= subdivisionSettings().maxLevel || !levelStack.stepUp())
            break;
    }
    while (currentLevel() > target)
        levelStack.stepDown(propagatesOnStepDown(currentLevel()));
    if (refresh)
        refreshLevels();
}

void Shape::toggleCurrentLevel()
{
    if (currentLevel() != 0) {
        toggleLevel = currentLevel();
        setLevel(0, true);
    } else {
        setLevel(toggleLevel, true);
    }
}

void Shape::clearHigherLevels()
{
    levelStack.clearAbove(levelStack.currentLevel);
}

void Shape::refineControlMesh()
{
    touch();
    if (levelStack.dirty)
        rebuildLevelStack();
    if (currentLevel() > 0) {
        InnerShape* level = levelStack.levelMesh(currentLevel());
        const List<Vertex*> oldVertices = vertices;
        const List<Edge*> oldEdges = edges;
        const List<Face*> oldFaces = faces;
        vertices = level->vertices;
        edges = level->edges;
        faces = level->faces;
        level->vertices.freeStorage();
        level->edges.freeStorage();
        level->faces.freeStorage();
        // Levels first: their stencils point at the old control vertices.
        levelStack.clearLevels();
        for (Vertex* v : oldVertices)
            v->release();
        for (Face* f : oldFaces)
            f->release();
        for (Edge* e : oldEdges)
            e->release();
    }
    for (Vertex* v : vertices) {
        v->stencil.freeStorage();
        v->freeDisplacement();
        v->set2(VertexPoint, false);
    }
    displayFlags &= ~SubdivisionLevel;
    levelStack.clearLevels();
    levelStack.dirty = false;
    update(true, false, -1);
    renumber();
    if (hasSymmetry()) {
        calculateSymmetry(*this, mirrorPlane, MinSymmetryTolerance);
        syncLevelSymmetry();
    }
}
