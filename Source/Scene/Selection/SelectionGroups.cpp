// Selection groups: storing the selection as a named group, selecting the
// groups the selection touches, and stepping through the groups.
#include <string_view>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"

namespace {

// Group kinds and selection modes, side by side.
struct KindMode {
    int kind;
    int mode;
};
constexpr KindMode kindModes[] = {
    {Group::Vertices, SceneSelectionManager::VertexMode},
    {Group::Edges, SceneSelectionManager::EdgeMode},
    {Group::Faces, SceneSelectionManager::FaceMode},
    {Group::Objects, SceneSelectionManager::ObjectMode},
};

int modeOfKind(int kind)
{
    for (const KindMode& k : kindModes)
        if (k.kind == kind)
            return k.mode;
    return SceneSelectionManager::ObjectMode;
}

int kindOfMode(int mode)
{
    for (const KindMode& k : kindModes)
        if (k.mode == mode)
            return k.kind;
    return Group::Objects;
}

// The member's element, or null when it no longer exists.
Geometry* elementOf(const Group& g, const Group::Member& m)
{
    const int i = m.element;
    switch (g.kind) {
    case Group::Vertices:
        return i >= 0 && i < m.object->vertices.count() ? m.object->vertices[i] : nullptr;
    case Group::Edges:
        return i >= 0 && i < m.object->edges.count() ? m.object->edges[i] : nullptr;
    case Group::Faces:
        return i >= 0 && i < m.object->faces.count() ? m.object->faces[i] : nullptr;
    default:
        return m.object;
    }
}

template <class T>
void addSelectedMembers(Shape* o, const List<T*>& list, std::vector<Group::Member>& outMembers)
{
    for (int i = 0; i < list.count(); ++i)
        if (list[i]->isSelected() && !list[i]->isHidden())
            outMembers.push_back({o, i});
}

// "Group1", "Group2", ...: the first number past the group count whose name is free.
std::string freeGroupName(const std::vector<Group>& groups)
{
    for (size_t n = groups.size() + 1;; ++n) {
        std::string name = "Group" + std::to_string(n);
        bool taken = false;
        for (const Group& g : groups)
            taken = taken || g.name == name;
        if (!taken)
            return name;
    }
}

} // namespace

bool SceneSelectionManager::memberExists(const Group& group, const Group::Member& member) const
{
    return member.object && isInScene(member.object) && elementOf(group, member);
}

void SceneSelectionManager::selectMembers(const Group& group)
{
    for (const Group::Member& m : group.members) {
        if (!memberExists(group, m))
            continue;
        Geometry* e = elementOf(group, m);
        if (!selectable(*e) || !selectable(*m.object))
            continue;
        e->set(Geometry::Selected);
        makeActive(m.object);
    }
}

void SceneSelectionManager::groupSelection()
{
    rebuildSelection();
    // In the multi mode the group takes the richest kind that is selected.
    int groupMode = mode;
    if (mode == MultiMode)
        groupMode = !selectedFaces.empty() ? FaceMode : !selectedEdges.empty() ? EdgeMode : VertexMode;
    Group group;
    group.kind = kindOfMode(groupMode);
    for (Shape* o : activeObjects) {
        switch (groupMode) {
        case VertexMode:
            addSelectedMembers(o, o->vertices, group.members);
            break;
        case EdgeMode:
            addSelectedMembers(o, o->edges, group.members);
            break;
        case FaceMode:
            addSelectedMembers(o, o->faces, group.members);
            break;
        default:
            group.members.push_back({o, -1});
            break;
        }
    }
    if (group.members.empty()) {
        report(std::string(Refusal::GroupSelection));
        return;
    }
    std::vector<Group>& groups = managers->objectManager->groups;
    group.name = freeGroupName(groups);
    groups.push_back(std::move(group));
}

void SceneSelectionManager::selectAffectedGroups()
{
    rebuildSelection();
    if (!anythingSelected()) {
        report(std::string(Refusal::SelectAffectedGroups));
        return;
    }
    const std::vector<Group>& groups = managers->objectManager->groups;
    if (groups.empty()) {
        report(std::string(Refusal::NoGroupsToAffect));
        return;
    }
    // Decide first, then select, so that a group selected here does not make
    // a later one look affected.
    const Kinds kinds = kindsOf(mode);
    std::vector<const Group*> affected;
    for (const Group& g : groups) {
        const bool readable = mode == ObjectMode ? g.kind == Group::Objects
                                                 : (g.kind == Group::Vertices && kinds.vertices) ||
                                                       (g.kind == Group::Edges && kinds.edges) ||
                                                       (g.kind == Group::Faces && kinds.faces);
        if (!readable)
            continue;
        for (const Group::Member& m : g.members) {
            if (memberExists(g, m) && elementOf(g, m)->isSelected() && !elementOf(g, m)->isHidden()) {
                affected.push_back(&g);
                break;
            }
        }
    }
    for (const Group* g : affected)
        selectMembers(*g);
    selectionChanged();
}

void SceneSelectionManager::selectNextGroup()
{
    const std::vector<Group>& groups = managers->objectManager->groups;
    if (groups.empty()) {
        report(std::string(Refusal::NoGroupsForNext));
        return;
    }
    // Creation order, starting over after the last.
    lastGroup = lastGroup < 0 ? 0 : (lastGroup + 1) % static_cast<int>(groups.size());
    const Group& g = groups[static_cast<size_t>(lastGroup)];
    clearAllSelection();
    storeMode(modeOfKind(g.kind));
    selectMembers(g);
    if (activeObjects.empty())
        storeMode(ObjectMode); // every member has gone: nothing to edit
    managers->displayManager->sceneChanged = true;
    selectionChanged();
}
