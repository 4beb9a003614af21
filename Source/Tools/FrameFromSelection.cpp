#include "Tools/FrameFromSelection.h"

#include <vector>

#include "Mesh/ObjectCopies.h"
#include "Mesh/Shape.h"
#include "Mesh/TextureProxy.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/Selection/SelectedElements.h"
#include "Tools/ManipulatorFrame.h"
#include "UV/ProxyBuild.h"

namespace {

// Marks (1) the corners of what is selected in one object, by list position.
std::vector<char> fullyMoved(const ObjectSelection& s)
{
    Shape& o = *s.object;
    for (int i = 0; i < o.vertices.count(); ++i)
        o.vertices[i]->tag = i;
    std::vector<char> marked(static_cast<size_t>(o.vertices.count()), 0);
    for (const Vertex* v : s.vertices)
        marked[v->tag] = 1;
    for (const Edge* e : s.edges) {
        marked[e->startVertex->tag] = 1;
        marked[e->endVertex->tag] = 1;
    }
    for (const Face* f : s.faces)
        for (const Corner& c : f->corners)
            marked[c.vertex->tag] = 1;
    return marked;
}

// The average normal of the selected faces, else of the fully moved points.
Point3D selectionNormal(const ManipulatorFrame& frame, const SceneManagers& managers)
{
    Point3D sum;
    const SelectedElements selection(managers);
    for (const ObjectSelection& s : selection.perObject())
        for (const Face* f : s.faces)
            sum += f->normal;
    if (sum.length() == 0)
        for (int i = 0; i < frame.points.count(); ++i)
            if (frame.weights[i] >= 1)
                sum += Point3D(frame.points[i]->normal);
    return sum.normalized();
}

// UV space moves the proxies shown there and model space the objects, so
// a selection left over in the other space stays put.
bool shownInSpace(const Shape& object, const SceneManagers& managers)
{
    return (object.shapeKind() == InnerShape::KindTextureProxy) == managers.objectManager->uvSpace;
}

// Moved UVs reach the owners' texture coordinates after every undo and
// redo of the move too.
void writeBackAfterUndo(ManipulatorFrame& frame, const List<Shape*>& moved)
{
    std::vector<TextureProxy*> proxies;
    for (Shape* s : moved)
        if (s->shapeKind() == InnerShape::KindTextureProxy)
            proxies.push_back(static_cast<TextureProxy*>(s));
    if (proxies.empty())
        return;
    frame.afterLooseUndo = [proxies] {
        for (TextureProxy* p : proxies)
            writeBackTextureCoordinates(*p);
    };
}

} // namespace

void orientFrame(ManipulatorFrame& frame, const SceneManagers& managers, Orientation orientation)
{
    const bool objectMode = managers.selectionManager->mode == SceneSelectionManager::ObjectMode;
    if (orientation == Orientation::Standard)
        orientation = objectMode ? Orientation::Object : Orientation::World;
    switch (orientation) {
    case Orientation::World:
        frame.setWorldAxes();
        break;
    case Orientation::Object: {
        const List<Shape*>& active = managers.selectionManager->activeObjects;
        if (!active.empty())
            frame.setAxes(Point3D(&active[0]->xAxis()), Point3D(&active[0]->yAxis()));
        break;
    }
    case Orientation::Normal: {
        // The normal becomes the Y axis; X is the world axis least along it.
        const Point3D n = selectionNormal(frame, managers);
        if (n.length() == 0)
            break;
        const Point3D side = std::abs(n.x) < 0.9f ? Point3D(1, 0, 0) : Point3D(0, 0, 1);
        const Point3D x = (side - n * side.dot(n)).normalized();
        frame.setAxes(x, n);
        break;
    }
    default:
        break;
    }
}

void buildFrameFromSelection(ManipulatorFrame& frame, const SceneManagers& managers, Orientation orientation)
{
    frame.clear();
    const SceneSelectionManager& selection = *managers.selectionManager;
    ObjectBounds box;
    List<Shape*> moved;
    if (selection.mode == SceneSelectionManager::ObjectMode) {
        for (Shape* o : selection.activeObjects) {
            if (!shownInSpace(*o, managers))
                continue;
            moved.append(o);
            frame.addObject(*o);
            const ObjectBounds b = objectBounds(*o);
            if (!b.empty) {
                box.add(b.low);
                box.add(b.high);
            }
        }
    } else {
        const SelectedElements selected(managers);
        for (const ObjectSelection& s : selected.perObject()) {
            if (!shownInSpace(*s.object, managers))
                continue;
            moved.append(s.object);
            // Live unwrapping moves the rest of a proxy too: its vertices join
            // with weight 0, so every step starts from where they were and the
            // undo record holds them.
            const bool wholeProxy = s.object->shapeKind() == InnerShape::KindTextureProxy &&
                                    managers.applicationManager->liveUVUnwrapping;
            const std::vector<char> marked = fullyMoved(s);
            const std::vector<float>* soft = selection.softWeightsOf(s.object);
            for (int i = 0; i < s.object->vertices.count(); ++i) {
                float weight = marked[i] ? 1.0f : 0.0f;
                if (!marked[i] && soft && i < static_cast<int>(soft->size()))
                    weight = (*soft)[i];
                if (weight <= 0 && !wholeProxy)
                    continue;
                frame.addPoint(*s.object, i, weight);
                if (marked[i])
                    box.add(*s.object->vertices[i]);
            }
        }
    }
    writeBackAfterUndo(frame, moved);
    if (!box.empty)
        frame.centre = box.centre();
    orientFrame(frame, managers, orientation);
}
