// Selecting with the mouse: clicks, the area, paint and lasso drags that
// follow them, "Tweak" and the pre-highlight of the element under the cursor.
#include <algorithm>
#include <cmath>

#include "Mesh/Shape.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"
#include "Tools/Tool.h"

std::vector<PickObject> SceneSelectionManager::preparePick(const ViewProjection& view, bool exact)
{
    std::vector<PickObject> objects;
    std::vector<Shape*> kept;
    const List<Shape*>& all = managers->objectManager->objects;
    // UV space shows the proxies in place of their owners, so only they are
    // picked there; instances and lights have no control mesh of their own.
    const int pickable = managers->objectManager->uvSpace ? InnerShape::KindTextureProxy : InnerShape::KindShape;
    for (int i = 0; i < all.count(); ++i) {
        Shape* s = all[i];
        if (s->isHidden() || s->shapeKind() != pickable || s->faces.empty())
            continue;
        const LevelMapping& map = levelMappings.of(*s);
        objects.push_back(PickObject{s, i, map.mesh, &map});
        kept.push_back(s);
    }
    levelMappings.retainOnly(kept);
    pickView.prepare(view, objects, exact);
    return objects;
}

bool SceneSelectionManager::frontFaceAt(const ViewProjection& view, int x, int y, bool refresh, Shape*& outObject,
                                        int& outFace)
{
    if (refresh)
        pickedObjects_ = preparePick(view);
    int object = -1;
    if (!pickView.faceAt(x, y, object, outFace) || object < 0 || object >= static_cast<int>(pickedObjects_.size()))
        return false;
    outObject = pickedObjects_[static_cast<size_t>(object)].object;
    return true;
}

void SceneSelectionManager::applyHits(int kind, const std::vector<PickHit>& hits,
                                      const std::vector<PickObject>& objects, int operation, bool keepLast)
{
    const int last = lastClickOperation;
    int clickResult = 0;
    std::vector<bool> done(objects.size(), false);
    for (const PickHit& first : hits) {
        if (done[first.object])
            continue;
        done[first.object] = true;
        std::vector<int> positions;
        for (const PickHit& h : hits)
            if (h.object == first.object && h.element >= 0)
                positions.push_back(h.element);
        selectElements(kind, objects[first.object].position, positions, operation);
        // The first object holds the element under the cursor, which decides
        // what a following paint drag does; the next ones add to a new selection.
        if (!clickResult)
            clickResult = lastClickOperation;
        if (operation == ClickNew)
            operation = ClickAdd;
    }
    lastClickOperation = keepLast ? last : (clickResult ? clickResult : lastClickOperation);
}

int SceneSelectionManager::dragKind(int picked) const
{
    if (picked >= 0)
        return picked;
    // The multi mode with nothing picked yet drags over faces.
    return mode == MultiMode ? FaceMode : mode;
}

void SceneSelectionManager::clickSelect(int x, int y, int operation, int throughFlag)
{
    drag.active = false;
    through = throughFlag;
    ViewProjection view;
    if (!managers->displayManager->viewAt(x, y, view))
        return;
    const std::vector<PickObject> objects = preparePick(view);
    const Picker picker(pickView, objects);
    int kind = mode;
    if (multi)
        kind = picker.kindAt(x, y, through);
    const std::vector<PickHit> hits = kind >= 0 ? picker.at(kind, x, y, through) : std::vector<PickHit>{};
    if (!hits.empty()) {
        applyHits(kind, hits, objects, operation, false);
    } else {
        // A click on empty space starts a new selection from nothing.
        if (operation == ClickNew) {
            clearComponentSelection();
            if (mode == ObjectMode)
                clearAllSelection();
            managers->displayManager->sceneChanged = true;
            selectionChanged();
        }
        lastClickOperation = operation == ClickSubtract ? ClickSubtract
                             : operation == ClickComplement && style != PaintStyle ? ClickComplement
                                                                                    : ClickAdd;
    }
    drag = DragSelection{};
    drag.active = true;
    drag.kind = dragKind(hits.empty() ? -1 : kind);
    drag.view = view;
    drag.start = drag.last = {static_cast<double>(x), static_cast<double>(y)};
    drag.path = {drag.start};
}

void SceneSelectionManager::tweak(int x, int y)
{
    // Only the current transform manipulator may drag what Tweak picks.
    for (Tool* t : managers->toolManager->activeTools)
        if (!t->isTransformManipulator())
            return;
    clickSelect(x, y, ClickNew, 0);
    drag.active = false;
}

bool SceneSelectionManager::mousePress(int, int, int, int, int, bool)
{
    drag.active = false;
    return false;
}

bool SceneSelectionManager::mouseDrag(int x, int y)
{
    if (!drag.active)
        return false;
    const PixelPoint at{static_cast<double>(x), static_cast<double>(y)};
    drag.moved = true;
    if (style == PaintStyle) {
        // The geometry stays as it was during the stroke: no exact comparison.
        const std::vector<PickObject> objects = preparePick(drag.view, false);
        const std::vector<PickHit> hits = Picker(pickView, objects)
                                              .inside(drag.kind, PickOutline::stroke(drag.last, at, pickRadius),
                                                      through, false);
        if (!hits.empty())
            applyHits(drag.kind, hits, objects, lastClickOperation, true);
    } else if (style == LassoStyle && std::hypot(at.x - drag.path.back().x, at.y - drag.path.back().y) >= 1) {
        drag.path.push_back(at);
    }
    drag.last = at;
    redrawRequested = true;
    return true;
}

bool SceneSelectionManager::mouseRelease(int x, int y)
{
    if (!drag.active)
        return false;
    drag.active = false;
    redrawRequested = true;
    if (!drag.moved || style == PaintStyle)
        return true;
    const PixelPoint at{static_cast<double>(x), static_cast<double>(y)};
    PickOutline outline;
    if (style == LassoStyle) {
        drag.path.push_back(at);
        outline = PickOutline::polygon(drag.path);
    } else {
        outline = PickOutline::rectangle(drag.start, at);
    }
    const std::vector<PickObject> objects = preparePick(drag.view);
    const std::vector<PickHit> hits =
        Picker(pickView, objects).inside(drag.kind, outline, through, settingsVariables().onlySelectFullyEnclosed);
    if (!hits.empty())
        applyHits(drag.kind, hits, objects, lastClickOperation, true);
    return true;
}

bool SceneSelectionManager::mouseHover(int x, int y)
{
    Hovered now;
    ViewProjection view;
    if (managers->displayManager->viewAt(x, y, view)) {
        const std::vector<PickObject> objects = preparePick(view, false);
        const Picker picker(pickView, objects);
        const int kind = multi ? picker.kindAt(x, y, false) : mode;
        const std::vector<PickHit> hits = kind >= 0 ? picker.at(kind, x, y, false) : std::vector<PickHit>{};
        if (!hits.empty())
            now = Hovered{objects[hits.front().object].object, kind, hits.front().element};
    }
    if (!(now == hovered)) {
        hovered = now;
        redrawRequested = true;
    }
    return false;
}
