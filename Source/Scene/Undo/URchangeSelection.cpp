#include "Scene/Undo/URchangeSelection.h"

#include <iterator>
#include <unordered_set>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"

namespace {

// Which component lists each mode records, indexed by mode; object mode records none.
struct ModeComponents {
    bool vertices, edges, faces;
};
constexpr ModeComponents modeComponents[] = {
    {true, false, false}, // vertex
    {false, true, false}, // edge
    {false, false, true}, // face
    {true, true, true},   // multi: the mode follows the element under the cursor
    {false, false, false} // object
};

ModeComponents componentsOf(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(std::size(modeComponents)))
        return modeComponents[URchangeSelection::ObjectMode];
    return modeComponents[mode];
}

bool selectable(const Geometry& g)
{
    return !g.isHidden() && !g.has2(URchangeSelection::ExcludedFromSelection);
}

template <class T> void collectSelected(const List<T*>& list, std::vector<int32_t>& out)
{
    for (int i = 0; i < list.count(); ++i)
        if (list[i]->isSelected())
            out.push_back(i);
}

template <class T> void deselectAll(List<T*>& list)
{
    for (T* e : list)
        e->set(Geometry::Selected, false);
}

template <class T> void reselect(List<T*>& list, const std::vector<int32_t>& positions)
{
    for (int32_t i : positions)
        if (i >= 0 && i < list.count() && selectable(*list[i]))
            list[i]->set(Geometry::Selected);
}

} // namespace

URchangeSelection::URchangeSelection(SceneObjectManager& objects, int mode, ModeAccess access)
    : objects_(objects), access_(std::move(access)), state_{mode, false}
{
    if (access_.current)
        state_.multi = access_.current().multi;
    capture(mode);
}

URchangeSelection::URchangeSelection(SceneObjectManager& objects, std::vector<ObjectSelection> stored, int mode,
                                     ModeAccess access)
    : objects_(objects), access_(std::move(access)), state_{mode, false}, stored_(std::move(stored))
{
    if (access_.current)
        state_.multi = access_.current().multi;
}

URchangeSelection::ObjectSelection URchangeSelection::captureObject(Shape& object, int mode)
{
    const ModeComponents what = componentsOf(mode);
    ObjectSelection sel;
    sel.object = &object;
    sel.selected = object.isSelected();
    if (what.vertices)
        collectSelected(object.vertices, sel.vertices);
    if (what.edges)
        collectSelected(object.edges, sel.edges);
    if (what.faces)
        collectSelected(object.faces, sel.faces);
    return sel;
}

void URchangeSelection::capture(int mode)
{
    stored_.clear();
    for (Shape* s : objects_.objects)
        if (ObjectSelection sel = captureObject(*s, mode); sel.any())
            stored_.push_back(std::move(sel));
}

bool URchangeSelection::revert()
{
    std::vector<ObjectSelection> wanted = std::move(stored_);
    const ModeState wantedState = state_;
    state_ = access_.current ? access_.current() : state_;
    capture(state_.mode);

    std::unordered_set<Shape*> present;
    for (Shape* s : objects_.objects) {
        present.insert(s);
        s->set(Geometry::Selected, false);
        deselectAll(s->vertices);
        deselectAll(s->edges);
        deselectAll(s->faces);
    }
    for (const ObjectSelection& sel : wanted) {
        if (!present.count(sel.object))
            continue;
        Shape& s = *sel.object;
        if (sel.selected && selectable(s))
            s.set(Geometry::Selected);
        reselect(s.vertices, sel.vertices);
        reselect(s.edges, sel.edges);
        reselect(s.faces, sel.faces);
    }
    if (access_.restore)
        access_.restore(wantedState);
    return true;
}
