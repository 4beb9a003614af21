#include "Scene/Commands/UVCommands.h"

#include <algorithm>
#include <vector>

#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Commands/UVCommandSupport.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/URchangeTextures.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/UndoStep.h"
#include "Settings/OptionKeys.h"
#include "UV/ProxyBuild.h"
#include "UV/RecreateUVs.h"
#include "UV/UnwrapIslands.h"

using namespace uvcommands;

namespace {

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

} // namespace

void keepProxyPins(const TextureProxy& old, TextureProxy& fresh, const List<Face*>& recreated)
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
    const UVMethodSettings settings{setting(managers, Options::LayoutSpacing),
                                    setting(managers, Options::DegreeTolerance)};
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
                keepProxyPins(*old, *fresh, t.faces);
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

void SceneObjectManager::recreateUVs(int commandId)
{
    if (managers)
        recreateSelectedUVs(*managers, commandId);
}
