// Symmetry of the selected objects: working out the mirror partners,
// switching symmetric editing, and making one side match the other.
#include <string>
#include <string_view>

#include "Mesh/Shape.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Mesh/Symmetry.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Undo/URmovePoints.h"
#include "Settings/OptionKeys.h"

namespace {

float tolerance(const SettingsRegistry& registry)
{
    return registry.get(Options::SymmetryTolerance);
}

// The plane through the object's pivot across its local axis `axis` (0 X, 1 Y, 2 Z).
MirrorPlane localPlane(Shape& o, int axis)
{
    const Vertex& direction = axis == 1 ? o.yAxis() : axis == 2 ? o.zAxis() : o.xAxis();
    MirrorPlane plane;
    plane.set(Point3D(o.pivot().x, o.pivot().y, o.pivot().z), Point3D(direction.x, direction.y, direction.z));
    return plane;
}

float side(const MirrorPlane& plane, const Point3D& p)
{
    return plane.normal.x * (p.x - plane.point.x) + plane.normal.y * (p.y - plane.point.y) +
           plane.normal.z * (p.z - plane.point.z);
}

void addCounts(const SymmetryCounts& c, SymmetryCounts& outTotal)
{
    outTotal.pairedVertices += c.pairedVertices;
    outTotal.onPlaneVertices += c.onPlaneVertices;
    outTotal.unpairedVertices += c.unpairedVertices;
}

} // namespace

void SceneSelectionManager::calculateSymmetry()
{
    rebuildSelection();
    const SettingsRegistry& registry = managers->applicationManager->registry;
    const float tol = tolerance(registry);
    SymmetryCounts total;
    bool any = false;
    if (kindsOf(mode).edges && !selectedEdges.empty()) {
        // Each object takes its plane from its first selected edge.
        for (Shape* o : activeObjects) {
            for (Edge* e : o->edges) {
                if (!e->isSelected() || e->isHidden())
                    continue;
                SymmetryCounts counts;
                if (calculateSymmetryFromEdge(*o, *e, tol, counts)) {
                    addCounts(counts, total);
                    o->setSymmetry(true);
                    o->syncLevelSymmetry();
                    any = true;
                }
                break;
            }
        }
    } else if (!activeObjects.empty()) {
        const int axis = registry.get(Options::SymmetryAxis);
        for (Shape* o : activeObjects) {
            o->mirrorPlane = localPlane(*o, axis);
            addCounts(::calculateSymmetry(*o, o->mirrorPlane, tol), total);
            o->setSymmetry(true);
            o->syncLevelSymmetry();
            any = true;
        }
    }
    if (!any) {
        report(std::string(Refusal::CalculateSymmetry));
        return;
    }
    report("Symmetry: " + std::to_string(total.pairedVertices) + " paired vertices, " +
           std::to_string(total.onPlaneVertices) + " on the plane, " + std::to_string(total.unpairedVertices) +
           " unpaired");
    managers->displayManager->sceneChanged = true;
    redrawRequested = true;
}

void SceneSelectionManager::toggleSymmetry()
{
    const List<Shape*>& objects = managers->objectManager->objects;
    if (objects.empty()) {
        report(std::string(Refusal::NoShapesForSymmetry));
        return;
    }
    rebuildSelection();
    // The selected objects, or every object when none is selected; all end
    // up in the same state, the opposite of the first one's.
    const List<Shape*> targets = activeObjects.empty() ? objects : activeObjects;
    const bool on = !targets[0]->hasSymmetry();
    const float tol = tolerance(managers->applicationManager->registry);
    for (Shape* o : targets) {
        if (on && !o->hasMirrorVertices())
            ::calculateSymmetry(*o, o->mirrorPlane, tol);
        o->setSymmetry(on);
        o->syncLevelSymmetry();
    }
    managers->displayManager->sceneChanged = true;
    redrawRequested = true;
}

void SceneSelectionManager::restoreSymmetry()
{
    // The side the plane's normal points to is kept: every partner on the
    // other side moves to the mirror image of its vertex, and vertices that
    // are their own partner are put back onto the plane.
    rebuildSelection();
    URmovePoints* record = new URmovePoints;
    List<Shape*> moved;
    for (Shape* o : activeObjects) {
        if (!o->hasMirrorVertices())
            continue;
        const MirrorPlane& plane = o->mirrorPlane;
        for (int i = 0; i < o->vertices.count(); ++i)
            o->vertices[i]->tag = i;
        const int before = record->pointCount();
        for (Vertex* v : o->vertices) {
            Vertex* m = v->mirror;
            if (m == v || (m && side(plane, *v) > 0 && side(plane, *m) <= 0))
                record->addPoint(*o, m->tag);
        }
        if (record->pointCount() == before)
            continue;
        record->addObject(*o);
        moved.append(o);
        for (Vertex* v : o->vertices) {
            Vertex* m = v->mirror;
            if (m == v) {
                const Point3D r = plane.reflect(*v);
                v->setPosition((v->x + r.x) / 2, (v->y + r.y) / 2, (v->z + r.z) / 2);
            } else if (m && side(plane, *v) > 0 && side(plane, *m) <= 0) {
                const Point3D r = plane.reflect(*v);
                m->setPosition(r.x, r.y, r.z);
            }
        }
    }
    if (moved.empty()) {
        delete record;
        return;
    }
    managers->commandManager->pushUndo(record);
    for (Shape* o : moved)
        o->update(true, true, -1);
    managers->displayManager->sceneChanged = true;
    sceneChanged = true;
    redrawRequested = true;
}
