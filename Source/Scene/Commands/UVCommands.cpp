#include "Scene/Commands/UVCommands.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Commands/UVCommandSupport.h"
#include "Scene/Commands/UVSelection.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/Undo/URchangeTextures.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/UndoStep.h"
#include "Settings/OptionKeys.h"
#include "UV/MoveAndSew.h"
#include "UV/ProxyBuild.h"
#include "UV/UVLayout.h"
#include "UV/UVLayoutImage.h"
#include "UV/UVTransforms.h"
#include "UV/UnwrapIslands.h"

using namespace uvcommands;

namespace {

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

// What a UV editing command needs selected, and what it does.
enum class Needs { Anything, Vertices, TwoVertices, Faces, SewableEdges };

struct UVEdit {
    int id;
    Needs needs;
    void (*run)(const SceneManagers& managers, ProxySelection& s);
};

float nudgeU(const SceneManagers& m) { return setting(m, Options::NudgeUAmount); }
float nudgeV(const SceneManagers& m) { return setting(m, Options::NudgeVAmount); }
float nudgeDegrees(const SceneManagers& m) { return setting(m, Options::NudgeRotationDegrees); }

void nudgeBy(const ProxySelection& s, float du, float dv)
{
    moveUVs(s.touchedVertices(), du, dv);
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
         packIslands(s.touchedFaces(), setting(m, Options::LayoutSpacing));
     }},
    {CommandId::ScaleUVsToBounds, Needs::Anything,
     [](const SceneManagers&, ProxySelection& s) { scaleUVsToUnitSquare(s.touchedVertices(), false); }},
    {CommandId::ScaleUVsProportionally, Needs::Faces,
     [](const SceneManagers&, ProxySelection& s) { scaleUVsToUnitSquare(verticesOf(s.touchedFaces()), true); }},
    {CommandId::MirrorUVs, Needs::Faces,
     [](const SceneManagers&, ProxySelection& s) { mirrorUVs(verticesOf(s.touchedFaces()), MirrorAxis::U); }},
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
     [](const SceneManagers& m, ProxySelection& s) { rotateUVs(s.touchedVertices(), nudgeDegrees(m)); }},
    {CommandId::NudgeUVsRotation, Needs::Vertices,
     [](const SceneManagers& m, ProxySelection& s) { rotateUVs(s.touchedVertices(), -nudgeDegrees(m)); }},
    {CommandId::Merge, Needs::TwoVertices,
     [](const SceneManagers&, ProxySelection& s) { mergeUVs(s.touchedVertices()); }},
    {CommandId::FlipUVs, Needs::Vertices,
     [](const SceneManagers&, ProxySelection& s) { mirrorUVs(s.touchedVertices(), MirrorAxis::V); }},
};

bool fits(const ProxySelection& s, Needs needs)
{
    switch (needs) {
    case Needs::Vertices:
        return !s.touchedVertices().empty();
    case Needs::TwoVertices:
        return s.touchedVertices().count() >= 2;
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
            // The proxy shows the owner's seams on its own edges.
            if (TextureProxy* proxy = findProxy(managers.objectManager->objects, s.object)) {
                step.watch(*proxy);
                copySeamsFromOwner(*proxy);
            }
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
