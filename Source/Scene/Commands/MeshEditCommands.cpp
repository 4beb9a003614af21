// The everyday mesh edits: each reads the selection, refuses with its
// sentence, and runs its mesh operation per object inside one undo step.
#include <algorithm>
#include <vector>

#include "Mesh/Face.h"
#include "Mesh/MirrorPlane.h"
#include "Mesh/Topology/Boolean.h"
#include "Mesh/Topology/BreakEdges.h"
#include "Mesh/Topology/CutFaces.h"
#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/Flatten.h"
#include "Mesh/Topology/MergeVertices.h"
#include "Mesh/Topology/MirrorGeometry.h"
#include "Mesh/Topology/ObjectProtocol.h"
#include "Mesh/Topology/Smooth.h"
#include "Mesh/Topology/SpinEdge.h"
#include "Mesh/Topology/UnifyNormals.h"
#include "Scene/Commands/MeshEditSupport.h"
#include "Scene/Commands/TopologyCommands.h"
#include "Scene/Commands/UVCommands.h"
#include "Scene/Undo/URchangeShape.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Settings/OptionKeys.h"

namespace {

using Mode = SceneSelectionManager::Mode;

const SettingsRegistry& settings(const SceneManagers& managers)
{
    return managers.applicationManager->registry;
}

bool touchesNothing(const SelectedElements& selection)
{
    return selection.objectCount() + selection.vertexCount() + selection.edgeCount() + selection.faceCount() == 0;
}

void deleteObjects(const SceneManagers& managers)
{
    std::vector<Shape*> chosen;
    for (Shape* o : managers.objectManager->objects)
        if (o->isSelected())
            chosen.push_back(o);
    if (chosen.empty()) {
        say(managers, Refusal::NothingSelected);
        return;
    }
    {
        UndoStep step(*managers.commandManager);
        step.push(new URdeleteShapes(*managers.objectManager, chosen));
    }
    finishEdit(managers);
}

void merge(const SceneManagers& managers)
{
    if (managers.objectManager->uvSpace) {
        runUVCommand(managers, CommandId::Merge);
        return;
    }
    SelectedElements selection = editableSelection(managers);
    if (managers.selectionManager->mode == Mode::ObjectMode) {
        // Merging shapes is combining them.
        runTopologyCommand(managers, CommandId::CombineObjects);
        return;
    }
    const bool fits = std::ranges::any_of(selection.perObject(), [](const ObjectSelection& s) {
        return s.vertices.count() >= 2 || !s.edges.empty() || !s.faces.empty();
    });
    if (!fits) {
        say(managers, Refusal::CombineObjects);
        return;
    }
    const float tolerance = settings(managers).get(Options::MergeVertexTolerance);
    recordEachObject(managers, selection, [tolerance](ObjectSelection& s) {
        // Each connected run of selected faces collapses to its centre
        // through its edges, as touching edges do.
        List<Edge*> edges = s.edges;
        for (Face* f : s.faces)
            for (const Corner& c : f->corners)
                edges.append(c.edge);
        if (!edges.empty()) {
            collapseEdges(*s.object, edges);
            return;
        }
        if (s.vertices.count() < 2)
            return;
        // Vertices within the tolerance weld in clusters; when none are
        // that near, the user means these vertices to become one.
        editTopology(*s.object, [&](InnerShape& mesh) {
            if (mergeNearbyVertices(mesh, s.vertices, tolerance) == 0)
                mergeVertices(mesh, s.vertices);
        });
    });
}

// Faces are cut between two selected edges, or two selected vertices; the
// selected edges are divided even where no face is cut.
void cut(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.edgeCount() == 0 && selection.vertexCount() < 2) {
        refuse(managers, CommandId::Cut);
        return;
    }
    const int sections = settings(managers).get(Options::CutSections);
    recordEachObject(managers, selection, [sections](ObjectSelection& s) {
        if (!s.edges.empty() || s.vertices.count() >= 2)
            cutFaces(*s.object, s.edges, s.vertices, sections);
    });
}

void flatten(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (touchesNothing(selection)) {
        refuse(managers, CommandId::Flatten);
        return;
    }
    const auto axis = static_cast<FlattenAxis>(settings(managers).get(Options::FlattenAxisChoice));
    recordEachObject(managers, selection,
                     [axis](ObjectSelection& s) { flattenVertices(*s.object, touchedVertices(s), axis); });
}

void smooth(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (touchesNothing(selection)) {
        refuse(managers, CommandId::Smooth);
        return;
    }
    const int iterations = settings(managers).get(Options::SmoothIterations);
    const float strength = 1.0f - settings(managers).get(Options::SmoothVolumePreservation);
    recordEachObject(managers, selection, [&](ObjectSelection& s) {
        smoothVertices(*s.object, touchedVertices(s), iterations, strength);
    });
}

void unifyFaceNormals(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.faceCount() == 0 && selection.objectCount() == 0) {
        refuse(managers, CommandId::UnifyNormals);
        return;
    }
    int reversed = 0;
    recordEachObject(managers, selection, [&reversed](ObjectSelection& s) {
        reversed += unifyNormals(*s.object, s.whole ? s.object->faces : s.faces);
    });
    if (reversed == 0)
        say(managers, Refusal::NormalsAlreadyUnified);
}

void spin(const SceneManagers& managers)
{
    constexpr int id = CommandId::SpinEdge;
    SelectedElements selection = editableSelection(managers);
    if (selection.edgeCount() == 0) {
        refuse(managers, id, 0);
        return;
    }
    // Two selected edges of one face would each turn the other's face.
    for (const ObjectSelection& s : selection.perObject()) {
        List<Face*> seen;
        for (Edge* e : s.edges)
            for (Face* f : e->faces) {
                if (seen.contains(f)) {
                    refuse(managers, id, 1);
                    return;
                }
                seen.append(f);
            }
    }
    recordEachObject(managers, selection, [](ObjectSelection& s) { spinEdges(*s.object, s.edges); });
}

// The edges along which the selection comes apart from the rest: every edge
// of a whole object, every edge at a selected vertex, the selected edges,
// and the sides that selected faces share with unselected ones.
List<Edge*> breakLines(const ObjectSelection& s)
{
    if (s.whole)
        return s.object->edges;
    List<Edge*> out = s.edges;
    for (Edge* e : s.object->edges) {
        if (s.vertices.contains(e->startVertex) || s.vertices.contains(e->endVertex))
            out.append(e);
    }
    for (Face* f : s.faces)
        for (const Corner& c : f->corners)
            if (std::ranges::any_of(c.edge->faces, [](const Face* g) { return !g->isSelected(); }))
                out.append(c.edge);
    return out;
}

void breakApart(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (touchesNothing(selection)) {
        refuse(managers, CommandId::Break);
        return;
    }
    recordEachObject(managers, selection, [](ObjectSelection& s) { breakEdges(*s.object, breakLines(s)); });
}

// "Mirror From Axis": World X, Y, Z, then the same axes negated; the normal
// points to the half that is kept.
MirrorPlane worldPlane(int choice)
{
    const float sign = choice < 3 ? 1.0f : -1.0f;
    const int axis = choice % 3;
    const Point3D normal(axis == 0 ? sign : 0.0f, axis == 1 ? sign : 0.0f, axis == 2 ? sign : 0.0f);
    MirrorPlane plane;
    plane.set(Point3D(0, 0, 0), normal);
    return plane;
}

void mirror(const SceneManagers& managers)
{
    SelectedElements selection = editableSelection(managers);
    if (selection.empty()) {
        refuse(managers, CommandId::MirrorGeometry);
        return;
    }
    const SettingsRegistry& registry = settings(managers);
    const MirrorPlane plane = worldPlane(registry.get(Options::MirrorGeometryAxis));
    const float tolerance = registry.get(Options::MirrorGeometryTolerance);
    const bool symmetry = registry.get(Options::MirrorGeometrySymmetry);
    recordEachObject(managers, selection,
                     [&](ObjectSelection& s) { mirrorGeometry(*s.object, plane, tolerance, symmetry); });
}

std::string_view booleanFailure(BooleanOutcome outcome)
{
    switch (outcome) {
    case BooleanOutcome::NotClosed: return Refusal::BooleanNotClosed;
    case BooleanOutcome::SelfIntersecting: return Refusal::BooleanSelfIntersecting;
    default: return Refusal::BooleanFailed;
    }
}

// The first selected shape (scene order) is A and takes the result; B
// leaves the scene when "Delete Originals" is on.
void runBoolean(const SceneManagers& managers, int commandId, BooleanOperation operation)
{
    SelectedElements selection = editableSelection(managers);
    if (managers.selectionManager->mode != Mode::ObjectMode || selection.objectCount() != 2) {
        refuse(managers, commandId);
        return;
    }
    Shape& a = *selection.perObject()[0].object;
    Shape& b = *selection.perObject()[1].object;
    BooleanOutcome outcome;
    {
        UndoStep step(*managers.commandManager);
        ProxyFollower follower(managers, {&a});
        auto* record = new URchangeShape(a);
        outcome = booleanShapes(a, b, operation, a);
        follower.beforeOwnerRecord(step);
        step.push(record);
        follower.afterOwnerRecord(step);
        if (outcome == BooleanOutcome::Done && settings(managers).get(Options::BooleanDeleteOriginals))
            step.push(new URdeleteShapes(*managers.objectManager, {&b}));
    }
    if (outcome != BooleanOutcome::Done)
        say(managers, booleanFailure(outcome));
    finishEdit(managers);
}

void booleanSubtract(const SceneManagers& m) { runBoolean(m, CommandId::BooleanSubtract, BooleanOperation::Subtract); }
void booleanCombine(const SceneManagers& m) { runBoolean(m, CommandId::BooleanCombine, BooleanOperation::Combine); }
void booleanIntersect(const SceneManagers& m)
{
    runBoolean(m, CommandId::BooleanIntersect, BooleanOperation::Intersect);
}

constexpr TopologyCommand meshEditTable[] = {
    {CommandId::Merge, merge},
    {CommandId::Bridge, bridgeSelection},
    {CommandId::Cut, cut},
    {CommandId::Flatten, flatten},
    {CommandId::Smooth, smooth},
    {CommandId::UnifyNormals, unifyFaceNormals},
    {CommandId::SpinEdge, spin},
    {CommandId::Break, breakApart},
    {CommandId::MirrorGeometry, mirror},
    {CommandId::BooleanSubtract, booleanSubtract},
    {CommandId::BooleanCombine, booleanCombine},
    {CommandId::BooleanIntersect, booleanIntersect},
};

} // namespace

void deleteSelected(const SceneManagers& managers)
{
    const int mode = managers.selectionManager->mode;
    if (mode == Mode::ObjectMode) {
        deleteObjects(managers);
        return;
    }
    if (touchesNothing(editableSelection(managers))) {
        say(managers, Refusal::NothingSelected);
        return;
    }
    // Faces, then edges, then vertices, each read afresh: deleting one kind
    // can release elements of the next, which must not be listed then.
    const bool multi = mode == Mode::MultiMode;
    {
        UndoStep step(*managers.commandManager);
        const SelectedElements selected = editableSelection(managers);
        std::vector<Shape*> touched;
        for (const ObjectSelection& s : selected.perObject())
            touched.push_back(s.object);
        ProxyFollower follower(managers, touched);
        std::vector<UndoCommand*> records;
        for (Shape* o : touched)
            records.push_back(new URchangeShape(*o));
        if (multi || mode == Mode::FaceMode) {
            SelectedElements faces = editableSelection(managers, Mode::FaceMode);
            for (const ObjectSelection& s : faces.perObject())
                deleteFaces(*s.object, s.faces);
        }
        if (multi || mode == Mode::EdgeMode) {
            SelectedElements edges = editableSelection(managers, Mode::EdgeMode);
            for (const ObjectSelection& s : edges.perObject())
                deleteEdges(*s.object, s.edges);
        }
        if (multi || mode == Mode::VertexMode) {
            SelectedElements vertices = editableSelection(managers, Mode::VertexMode);
            for (const ObjectSelection& s : vertices.perObject())
                deleteVertices(*s.object, s.vertices);
        }
        follower.beforeOwnerRecord(step);
        for (UndoCommand* record : records)
            step.push(record);
        follower.afterOwnerRecord(step);
    }
    finishEdit(managers);
}

std::span<const TopologyCommand> meshEditCommands()
{
    return meshEditTable;
}
