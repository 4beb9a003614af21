// "Bridge": two faces or two border loops of one object joined by a tube;
// ends on different objects first make the objects one, in the same undo
// step, so that a tube can run between them.
#include <algorithm>
#include <optional>
#include <unordered_set>
#include <vector>

#include "Mesh/Face.h"
#include "Mesh/Topology/AbsorbShapes.h"
#include "Mesh/Topology/Bridge.h"
#include "Scene/Commands/MeshEditSupport.h"
#include "Scene/Commands/ProxyFollower.h"
#include "Scene/Commands/TopologyCommands.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/URmergeShapes.h"

namespace {

using Mode = SceneSelectionManager::Mode;
constexpr int id = CommandId::Bridge;

// What one tube joins: two faces, or the edges of two border loops.
struct BridgeEnds {
    Face* a = nullptr;
    Face* b = nullptr;
    List<Edge*> edges;
};

bool join(Shape& object, const BridgeEnds& ends)
{
    return ends.a ? bridgeFaces(object, ends.a, ends.b) : bridgeBorders(object, ends.edges);
}

List<Edge*> joined(const List<Edge*>& a, const List<Edge*>& b)
{
    List<Edge*> out = a;
    for (Edge* e : b)
        out.append(e);
    return out;
}

// Moves every other object's geometry into the first, takes them out of the
// scene and runs each tube, as one undo step.
void combineAndBridge(const SceneManagers& managers, const std::vector<Shape*>& objects,
                      const std::vector<BridgeEnds>& tubes)
{
    Shape& target = *objects[0];
    const std::vector<InnerShape*> changed(objects.begin(), objects.end());
    const std::vector<Shape*> absorbed(objects.begin() + 1, objects.end());
    List<Shape*> others;
    for (Shape* o : absorbed)
        others.append(o);
    {
        UndoStep step(*managers.commandManager);
        ProxyFollower follower(managers, objects);
        auto* whole = new URmergeShapes(changed);
        absorbShapes(target, others);
        for (const BridgeEnds& t : tubes)
            join(target, t);
        follower.beforeOwnerRecord(step);
        step.push(whole);
        follower.afterOwnerRecord(step);
        // Undone first: the objects are back in the scene before their meshes return.
        step.push(new URdeleteShapes(*managers.objectManager, withProxies(managers, absorbed)));
    }
    finishEdit(managers);
}

// Whole objects, in selection order, each joined to the next: by their open
// borders when both have one loop of the same length not used yet, else by
// the nearest pair of faces that face each other.
void bridgeObjects(const SceneManagers& managers, const SelectedElements& selection)
{
    std::vector<Shape*> objects;
    for (const ObjectSelection& s : selection.perObject())
        objects.push_back(s.object);
    std::vector<BridgeEnds> tubes;
    std::unordered_set<Shape*> loopUsed;
    List<Face*> facesUsed;
    for (size_t i = 1; i < objects.size(); ++i) {
        Shape& a = *objects[i - 1];
        Shape& b = *objects[i];
        const List<Edge*> borderA = borderEdges(a), borderB = borderEdges(b);
        const int n = borderLoopLength(borderA);
        if (n >= 3 && n == borderLoopLength(borderB) && !loopUsed.count(&a) && !loopUsed.count(&b)) {
            tubes.push_back({nullptr, nullptr, joined(borderA, borderB)});
            loopUsed.insert(&a);
            loopUsed.insert(&b);
            continue;
        }
        BridgeEnds ends;
        if (facingFaces(a, b, facesUsed, ends.a, ends.b)) {
            facesUsed.append(ends.a);
            facesUsed.append(ends.b);
            tubes.push_back(ends);
        }
    }
    if (tubes.empty()) {
        refuse(managers, id, 4);
        return;
    }
    combineAndBridge(managers, objects, tubes);
}

// Ends selected on exactly two objects: one face each (alike), or one
// border loop each of the same length.
std::optional<BridgeEnds> endsAcrossTwo(const SelectedElements& selection, bool byFaces)
{
    const ObjectSelection& a = selection.perObject()[0];
    const ObjectSelection& b = selection.perObject()[1];
    if (byFaces) {
        if (a.faces.count() != 1 || b.faces.count() != 1 || a.faces[0]->cornerCount() != b.faces[0]->cornerCount() ||
            !a.faces[0]->holes.empty() || !b.faces[0]->holes.empty())
            return std::nullopt;
        return BridgeEnds{a.faces[0], b.faces[0], {}};
    }
    const int n = borderLoopLength(a.edges);
    if (n < 3 || n != borderLoopLength(b.edges))
        return std::nullopt;
    return BridgeEnds{nullptr, nullptr, joined(a.edges, b.edges)};
}

} // namespace

void bridgeSelection(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (managers.selectionManager->mode == Mode::ObjectMode) {
        if (selection.objectCount() < 2)
            refuse(managers, id, 3);
        else if (std::ranges::any_of(selection.perObject(),
                                     [](const ObjectSelection& s) { return s.object->faces.empty(); }))
            refuse(managers, id, 4);
        else
            bridgeObjects(managers, selection);
        return;
    }
    const bool byFaces = selection.faceCount() > 0 && selection.edgeCount() == 0;
    const bool acrossTwo = selection.perObject().size() == 2;
    if (selection.faceCount() + selection.edgeCount() == 0) {
        refuse(managers, id, 0);
        return;
    }
    if (!byFaces && selection.edgeCount() < 2) {
        refuse(managers, id, 1);
        return;
    }
    if (byFaces && (selection.faceCount() != 2 || selection.perObject().size() > 2)) {
        refuse(managers, id, 2);
        return;
    }
    if (acrossTwo) {
        if (std::optional<BridgeEnds> ends = endsAcrossTwo(selection, byFaces)) {
            combineAndBridge(managers, {selection.perObject()[0].object, selection.perObject()[1].object}, {*ends});
            return;
        }
        if (byFaces) {
            refuse(managers, id, 2);
            return;
        }
    }
    recordEachObject(managers, selection, [byFaces](ObjectSelection& s) {
        if (byFaces)
            bridgeFaces(*s.object, s.faces[0], s.faces[1]);
        else if (s.edges.count() >= 2)
            bridgeBorders(*s.object, s.edges);
    });
}
