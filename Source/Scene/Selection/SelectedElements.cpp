#include "Scene/Selection/SelectedElements.h"

#include "Mesh/Shape.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"

namespace {

template <class T>
void collectSelected(const List<T*>& from, List<T*>& outSelected)
{
    for (T* element : from)
        if (element->isSelected() && !element->isHidden())
            outSelected.append(element);
}

// Which element kinds a mode reads.
struct ModeReads {
    int mode;
    bool objects, vertices, edges, faces;
};

constexpr ModeReads modeReads[] = {
    {SceneSelectionManager::VertexMode, false, true, false, false},
    {SceneSelectionManager::EdgeMode, false, false, true, false},
    {SceneSelectionManager::FaceMode, false, false, false, true},
    {SceneSelectionManager::MultiMode, false, true, true, true},
    {SceneSelectionManager::ObjectMode, true, false, false, false},
};

template <class Count>
int total(const std::vector<ObjectSelection>& perObject, Count count)
{
    int sum = 0;
    for (const ObjectSelection& s : perObject)
        sum += count(s);
    return sum;
}

} // namespace

SelectedElements::SelectedElements(const List<Shape*>& objects, int mode)
{
    const ModeReads* reads = nullptr;
    for (const ModeReads& r : modeReads)
        if (r.mode == mode)
            reads = &r;
    if (!reads)
        return;
    for (Shape* o : objects) {
        if (!o || o->isHidden())
            continue;
        ObjectSelection s;
        s.object = o;
        s.whole = reads->objects && o->isSelected();
        if (reads->vertices)
            collectSelected(o->vertices, s.vertices);
        if (reads->edges)
            collectSelected(o->edges, s.edges);
        if (reads->faces)
            collectSelected(o->faces, s.faces);
        if (s.whole || !s.vertices.empty() || !s.edges.empty() || !s.faces.empty())
            perObject_.push_back(std::move(s));
    }
}

SelectedElements::SelectedElements(const SceneManagers& managers)
    : SelectedElements(managers.objectManager->objects, managers.selectionManager->mode)
{
}

int SelectedElements::objectCount() const
{
    return total(perObject_, [](const ObjectSelection& s) { return s.whole ? 1 : 0; });
}

int SelectedElements::vertexCount() const
{
    return total(perObject_, [](const ObjectSelection& s) { return s.vertices.count(); });
}

int SelectedElements::edgeCount() const
{
    return total(perObject_, [](const ObjectSelection& s) { return s.edges.count(); });
}

int SelectedElements::faceCount() const
{
    return total(perObject_, [](const ObjectSelection& s) { return s.faces.count(); });
}
