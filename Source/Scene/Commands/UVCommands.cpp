#include "Scene/Commands/UVCommands.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/Commands/UVSelection.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/URchangeTextures.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/UndoStep.h"
#include "Settings/OptionKeys.h"
#include "UV/MoveAndSew.h"
#include "UV/ProxyBuild.h"
#include "Scene/TavoApplicationWindow.h"
#include "UV/UVLayoutImage.h"
#include "UV/RecreateUVs.h"
#include "UV/UVLayout.h"
#include "UV/UnwrapIslands.h"

namespace {

// Shows the command's sentence. "Unpin UV Vertices" has none of its own and
// says what pinning says.
void refuse(const SceneManagers& managers, int commandId, int variant = 0)
{
    if (commandId == CommandId::UnpinUVVertices)
        commandId = CommandId::PinUVVertices;
    const std::string_view message = refusalMessage(commandId, variant);
    if (!message.empty())
        managers.applicationManager->report(std::string(message), SceneApplicationManager::StatusReport);
}

void finishEdit(const SceneManagers& managers)
{
    managers.selectionManager->refreshDisplay();
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
}

template <class Key>
auto setting(const SceneManagers& managers, const Key& key, decltype(managers.applicationManager->registry.get(key)) fallback)
{
    return managers.applicationManager ? managers.applicationManager->registry.get(key) : fallback;
}

// ---------------------------------------------------------------- recreation

constexpr struct {
    int id;
    UVMethod method;
} recreationMethods[] = {
    {CommandId::RecreateUVsUsingXYZCoords, UVMethod::XyzCoordinates},
    {CommandId::RecreateUVsPerFace, UVMethod::PerFace},
    {CommandId::RecreateUVsUsingPlanarRegions, UVMethod::PlanarRegions},
    {CommandId::RecreateUVsUsingNeighbors, UVMethod::Neighbors},
    {CommandId::RecreateUVsUsingLSCMUnwrapping, UVMethod::Lscm},
};

struct RecreationTarget {
    Shape* owner;
    List<Face*> faces;
};

// The objects and faces a recreation works on: selected objects whole,
// selected faces; in UV space the owners of the selected proxies and the
// owner faces of selected proxy faces.
std::vector<RecreationTarget> recreationTargets(const SceneManagers& managers)
{
    std::vector<RecreationTarget> targets;
    const bool uvSpace = managers.objectManager->uvSpace;
    const SelectedElements selected(managers);
    for (const ObjectSelection& s : selected.perObject()) {
        RecreationTarget t{s.object, {}};
        if (uvSpace && s.object->shapeKind() == InnerShape::KindTextureProxy) {
            const auto& proxy = static_cast<const TextureProxy&>(*s.object);
            t.owner = proxy.owner;
            if (!t.owner)
                continue;
            for (int i = 0; i < proxy.faces.count() && i < proxy.sourceFaces.count(); ++i)
                if (proxy.faces[i]->isSelected() && proxy.sourceFaces[i])
                    t.faces.append(proxy.sourceFaces[i]);
        } else if (uvSpace || s.object->shapeKind() != InnerShape::KindShape) {
            continue;
        } else {
            t.faces = s.faces;
        }
        if (s.whole)
            t.faces = t.owner->faces;
        if (!t.faces.empty())
            targets.push_back(std::move(t));
    }
    return targets;
}

// Pins of the old proxy stay on the new one for the faces that were not
// recreated: on the UV vertex of the same source vertex at the same place.
void keepPins(const TextureProxy& old, TextureProxy& fresh, const List<Face*>& recreated)
{
    std::vector<const ProxyVertex*> pinned;
    for (const Vertex* v : old.vertices)
        if (v->has(PinnedVertex))
            pinned.push_back(static_cast<const ProxyVertex*>(v));
    for (Face* f : fresh.owner->faces)
        f->tag = 0;
    for (Face* f : recreated)
        f->tag = 1;
    for (Vertex* v : fresh.vertices)
        v->tag = 0;
    for (int i = 0; i < fresh.faces.count(); ++i)
        if (fresh.sourceFaces[i]->tag == 1)
            for (const Corner& c : fresh.faces[i]->corners)
                c.vertex->tag = 1;
    for (Vertex* v : fresh.vertices) {
        const auto* p = static_cast<const ProxyVertex*>(v);
        v->set(PinnedVertex, v->tag == 0 && std::any_of(pinned.begin(), pinned.end(), [&](const ProxyVertex* q) {
                                 return q->sourceVertex == p->sourceVertex && q->x == p->x && q->y == p->y;
                             }));
    }
}

} // namespace

void recreateSelectedUVs(const SceneManagers& managers, int commandId)
{
    const auto* row = std::find_if(std::begin(recreationMethods), std::end(recreationMethods),
                                   [&](const auto& r) { return r.id == commandId; });
    if (row == std::end(recreationMethods))
        return;
    std::vector<RecreationTarget> targets = recreationTargets(managers);
    if (targets.empty()) {
        refuse(managers, commandId);
        return;
    }
    if (row->method == UVMethod::Lscm) {
        std::erase_if(targets, [](const RecreationTarget& t) { return !canUnwrapConformally(*t.owner); });
        if (targets.empty()) {
            refuse(managers, commandId, 1);
            return;
        }
    }
    const UVMethodSettings settings{setting(managers, Options::LayoutSpacing, 0.01f),
                                    setting(managers, Options::DegreeTolerance, 5.0f)};
    SceneObjectManager& objects = *managers.objectManager;
    {
        UndoStep step(*managers.commandManager);
        for (RecreationTarget& t : targets) {
            auto* coordinates = new URchangeTextures(*t.owner);
            recreateTextureCoordinates(*t.owner, t.faces, row->method, settings);
            step.push(coordinates);
            TextureProxy* fresh = buildProxy(*t.owner, t.owner->faces, sameTextureCoordinates);
            if (!fresh)
                continue;
            if (TextureProxy* old = findProxy(objects.objects, t.owner)) {
                keepPins(*old, *fresh, t.faces);
                step.push(new URdeleteShapes(objects, {old}));
            }
            auto* added = new URaddShapes(objects);
            objects.addObject(fresh);
            step.push(added);
            t.owner->setUvFlag(true);
        }
    }
    finishEdit(managers);
}

namespace {

// ------------------------------------------------------------------- editing

// Runs `edit` on each selected proxy as one undo step, then copies the
// proxies' positions into their owners' texture coordinates.
template <class Edit>
void editProxies(const SceneManagers& managers, std::vector<ProxySelection>& selection, Edit edit)
{
    {
        UndoStep step(*managers.commandManager);
        for (ProxySelection& s : selection) {
            Shape* owner = s.proxy->owner;
            auto* coordinates = owner ? new URchangeTextures(*owner) : nullptr;
            step.watch(*s.proxy);
            edit(s);
            if (coordinates) {
                writeBackTextureCoordinates(*s.proxy);
                step.push(coordinates);
            }
        }
    }
    finishEdit(managers);
}

void unwrap(const SceneManagers&, ProxySelection& s)
{
    if (s.whole) {
        unwrapIslands(*s.proxy, s.proxy->faces, -1);
        return;
    }
    // Selected vertices move and the rest of their faces hold them in
    // place; a selection of faces alone unwraps those faces freely.
    List<Vertex*> movable = s.vertices.empty() ? s.faceVertices() : s.vertices;
    for (Vertex* v : s.proxy->vertices)
        v->tag = 0;
    for (Vertex* v : movable)
        v->tag = 1;
    List<Face*> faces;
    for (Face* f : s.proxy->faces) {
        const bool touches = std::any_of(f->corners.begin(), f->corners.end(),
                                         [](const Corner& c) { return c.vertex->tag == 1; });
        if (f->isSelected() || touches)
            faces.append(f);
    }
    unwrapSelection(*s.proxy, faces, movable, -1);
}

enum class PinChange { Pin, Unpin, Toggle };

void changePins(const List<Vertex*>& vertices, PinChange change)
{
    for (Vertex* v : vertices)
        v->set(PinnedVertex, change == PinChange::Toggle ? !v->has(PinnedVertex) : change == PinChange::Pin);
}

struct Bounds {
    float minU = INFINITY, minV = INFINITY, maxU = -INFINITY, maxV = -INFINITY;
    explicit Bounds(const List<Vertex*>& vertices)
    {
        for (const Vertex* v : vertices) {
            minU = std::min(minU, v->x);
            maxU = std::max(maxU, v->x);
            minV = std::min(minV, v->y);
            maxV = std::max(maxV, v->y);
        }
    }
    float centreU() const { return (minU + maxU) / 2; }
    float centreV() const { return (minV + maxV) / 2; }
};

// Moves each vertex through `map` (u, v) -> (u, v).
template <class Map>
void transform(const List<Vertex*>& vertices, Map map)
{
    for (Vertex* v : vertices) {
        const auto [u, w] = map(v->x, v->y);
        v->x = u;
        v->y = w;
    }
}

void rotate(const List<Vertex*>& vertices, float degrees)
{
    const Bounds b(vertices);
    const float a = degrees * std::numbers::pi_v<float> / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    transform(vertices, [&](float u, float v) {
        const float du = u - b.centreU(), dv = v - b.centreV();
        return std::pair{b.centreU() + c * du - s * dv, b.centreV() + s * du + c * dv};
    });
}

// Stretches the vertices' bounding box onto the unit square, each axis on
// its own, or with `proportional` both by the same factor, centred.
void scaleToUnitSquare(const List<Vertex*>& vertices, bool proportional)
{
    const Bounds b(vertices);
    const float width = b.maxU - b.minU, height = b.maxV - b.minV;
    float su = width > 0 ? 1 / width : 1, sv = height > 0 ? 1 / height : 1;
    if (proportional)
        su = sv = std::min(su, sv);
    transform(vertices, [&](float u, float v) {
        return std::pair{0.5f + (u - b.centreU()) * su, 0.5f + (v - b.centreV()) * sv};
    });
}

// What a UV editing command needs selected, and what it does.
enum class Needs { Anything, Vertices, Faces, SewableEdges };

struct UVEdit {
    int id;
    Needs needs;
    void (*run)(const SceneManagers& managers, ProxySelection& s);
};

float nudgeU(const SceneManagers& m) { return setting(m, Options::NudgeUAmount, 1.0f); }
float nudgeV(const SceneManagers& m) { return setting(m, Options::NudgeVAmount, 1.0f); }
float nudgeDegrees(const SceneManagers& m) { return setting(m, Options::NudgeRotationDegrees, 45.0f); }

void nudgeBy(const ProxySelection& s, float du, float dv)
{
    transform(s.touchedVertices(), [&](float u, float v) { return std::pair{u + du, v + dv}; });
}

constexpr UVEdit uvEdits[] = {
    {CommandId::UnwrapUVsUsingLSCM, Needs::Anything, unwrap},
    {CommandId::PinUVVertices, Needs::Vertices,
     [](const SceneManagers&, ProxySelection& s) { changePins(s.touchedVertices(), PinChange::Pin); }},
    {CommandId::PinUVVerticesToggle, Needs::Vertices,
     [](const SceneManagers&, ProxySelection& s) { changePins(s.touchedVertices(), PinChange::Toggle); }},
    {CommandId::UnpinUVVertices, Needs::Vertices,
     [](const SceneManagers&, ProxySelection& s) { changePins(s.touchedVertices(), PinChange::Unpin); }},
    {CommandId::ArrangeUVsInBounds, Needs::Faces,
     [](const SceneManagers& m, ProxySelection& s) {
         packIslands(s.touchedFaces(), setting(m, Options::LayoutSpacing, 0.01f));
     }},
    {CommandId::ScaleUVsToBounds, Needs::Anything,
     [](const SceneManagers&, ProxySelection& s) { scaleToUnitSquare(s.touchedVertices(), false); }},
    {CommandId::ScaleUVsProportionally, Needs::Faces,
     [](const SceneManagers&, ProxySelection& s) { scaleToUnitSquare(verticesOf(s.touchedFaces()), true); }},
    {CommandId::MirrorUVs, Needs::Faces,
     [](const SceneManagers&, ProxySelection& s) {
         const List<Vertex*> vertices = verticesOf(s.touchedFaces());
         const float centre = Bounds(vertices).centreU();
         transform(vertices, [&](float u, float v) { return std::pair{2 * centre - u, v}; });
     }},
    {CommandId::MoveAndSew, Needs::SewableEdges,
     [](const SceneManagers&, ProxySelection& s) { moveAndSew(*s.proxy, s.edges); }},
    {CommandId::NudgeUVsUPlus, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { nudgeBy(s, nudgeU(m), 0); }},
    {CommandId::NudgeUVsVPlus, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { nudgeBy(s, 0, nudgeV(m)); }},
    {CommandId::NudgeUVsU, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { nudgeBy(s, -nudgeU(m), 0); }},
    {CommandId::NudgeUVsV, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { nudgeBy(s, 0, -nudgeV(m)); }},
    {CommandId::NudgeUVsRotationPlus, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { rotate(s.touchedVertices(), nudgeDegrees(m)); }},
    {CommandId::NudgeUVsRotation, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { rotate(s.touchedVertices(), -nudgeDegrees(m)); }},
    {CommandId::FlipUVs, Needs::Vertices,
     [](const SceneManagers&, ProxySelection& s) {
         const List<Vertex*> vertices = s.touchedVertices();
         const float centre = Bounds(vertices).centreV();
         transform(vertices, [&](float u, float v) { return std::pair{u, 2 * centre - v}; });
     }},
};

bool fits(const ProxySelection& s, Needs needs)
{
    switch (needs) {
    case Needs::Vertices:
        return !s.touchedVertices().empty();
    case Needs::Faces:
        return s.whole || !s.faces.empty();
    case Needs::SewableEdges:
        return std::any_of(s.edges.begin(), s.edges.end(),
                           [&](const Edge* e) { return twinBorderEdge(*s.proxy, *e) != nullptr; });
    default:
        return true;
    }
}

enum class SeamChange { Mark, Unmark, Toggle };

constexpr struct {
    int id;
    SeamChange change;
} seamCommands[] = {
    {CommandId::MarkUVSeams, SeamChange::Mark},
    {CommandId::UnmarkUVSeams, SeamChange::Unmark},
    {CommandId::MarkUVSeamsToggle, SeamChange::Toggle},
};

void changeSeams(const SceneManagers& managers, int commandId, SeamChange change)
{
    std::vector<SourceEdges> selection = selectedSourceEdges(managers);
    if (selection.empty()) {
        refuse(managers, commandId);
        return;
    }
    {
        UndoStep step(*managers.commandManager);
        for (SourceEdges& s : selection) {
            step.watch(*s.object);
            for (Edge* e : s.edges)
                e->set2(Geometry::UVSeam,
                        change == SeamChange::Toggle ? !e->has2(Geometry::UVSeam) : change == SeamChange::Mark);
        }
    }
    finishEdit(managers);
}

// "Export UVs To Image": the outlines of the selected UV faces (all faces
// of selected objects) in one picture of the unit square, saved where the
// user chooses. Changes nothing in the scene.
void exportUVImage(const SceneManagers& managers, const std::vector<ProxySelection>& selection)
{
    SceneApplicationManager& app = *managers.applicationManager;
    List<Face*> faces;
    for (const ProxySelection& s : selection)
        for (Face* f : s.touchedFaces())
            faces.append(f);
    const RgbImage image = drawUVLayout(faces, app.registry.get(Options::UVImageWidth),
                                        app.registry.get(Options::UVImageHeight),
                                        app.registry.get(Options::UVImageBackground),
                                        app.registry.get(Options::UVImageLine));
    if (!app.window)
        return;
    const std::string path = app.window->chooseFile(true, "Export UVs To Image", {{"png", "PNG Image"}});
    if (path.empty())
        return;
    if (!writePng(path, image))
        app.report("Could not write " + path, SceneApplicationManager::StatusReport);
}

} // namespace

bool runUVCommand(const SceneManagers& managers, int commandId)
{
    for (const auto& seam : seamCommands)
        if (seam.id == commandId) {
            changeSeams(managers, commandId, seam.change);
            return true;
        }
    const UVEdit* edit = std::find_if(std::begin(uvEdits), std::end(uvEdits),
                                      [&](const UVEdit& e) { return e.id == commandId; });
    const bool exportImage = commandId == CommandId::ExportUVsToImage;
    if (edit == std::end(uvEdits) && !exportImage)
        return false;
    std::vector<ProxySelection> selection = selectedProxyElements(managers);
    std::erase_if(selection, [&](const ProxySelection& s) { return !fits(s, exportImage ? Needs::Faces : edit->needs); });
    if (selection.empty()) {
        refuse(managers, commandId);
        return true;
    }
    if (exportImage) {
        exportUVImage(managers, selection);
        return true;
    }
    editProxies(managers, selection, [&](ProxySelection& s) { edit->run(managers, s); });
    return true;
}

bool unwrapLiveAfterMove(const SceneManagers& managers, TextureProxy& proxy, const List<Vertex*>& moved)
{
    if (!managers.applicationManager->liveUVUnwrapping || moved.empty())
        return false;
    unwrapAfterMove(proxy, moved);
    if (proxy.owner)
        writeBackTextureCoordinates(proxy);
    return true;
}

void SceneCommandManager::editUVs(int commandId)
{
    if (managers)
        runUVCommand(*managers, commandId);
}

void SceneObjectManager::recreateUVs(int commandId)
{
    if (managers)
        recreateSelectedUVs(*managers, commandId);
}
