#include "Scene/Undo/URaddShapes.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "Mesh/Shape.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Scene/SceneObjectManager.h"

HeldShapes::~HeldShapes()
{
    if (!out_)
        return;
    for (size_t i = 0; i < objects_.size(); ++i)
        if (positions_[i] >= 0 && !shownByAnInstance(objects_[i]))
            objects_[i]->release();
}

// An instance in the scene still shows `object` (deleted or absorbed): it
// stays allocated, out of the scene, rather than leave the instance a
// pointer to storage the pool hands out again.
bool HeldShapes::shownByAnInstance(const Shape* object) const
{
    for (const Shape* s : manager_.objects)
        if (s->shapeKind() == InnerShape::KindShapeInstance &&
            static_cast<const ShapeInstance*>(s)->instancedShape == object)
            return true;
    return false;
}

void HeldShapes::setObjects(const std::vector<Shape*>& objects)
{
    objects_.clear();
    std::unordered_set<Shape*> seen;
    for (Shape* s : objects)
        if (s && seen.insert(s).second)
            objects_.push_back(s);
    positions_.assign(objects_.size(), -1);
}

void HeldShapes::takeOut()
{
    if (out_)
        return;
    std::unordered_map<Shape*, size_t> which;
    for (size_t i = 0; i < objects_.size(); ++i)
        which.emplace(objects_[i], i);
    std::fill(positions_.begin(), positions_.end(), -1);
    List<Shape*> kept;
    const List<Shape*>& scene = manager_.objects;
    for (int p = 0; p < scene.count(); ++p) {
        auto it = which.find(scene[p]);
        if (it != which.end() && positions_[it->second] < 0)
            positions_[it->second] = p;
        else
            kept.append(scene[p]);
    }
    manager_.objects = kept;
    // A proxy left in the scene must not point at an owner this record may
    // release; putBack gives the owner back.
    orphaned_.clear();
    for (Shape* s : kept)
        if (s->shapeKind() == InnerShape::KindTextureProxy) {
            auto* proxy = static_cast<TextureProxy*>(s);
            auto it = which.find(proxy->owner);
            if (proxy->owner && it != which.end() && positions_[it->second] >= 0) {
                orphaned_.emplace_back(proxy, proxy->owner);
                proxy->owner = nullptr;
            }
        }
    out_ = true;
}

void HeldShapes::putBack()
{
    if (!out_)
        return;
    // Positions ascending: each object lands where it was once the earlier ones are back.
    std::vector<size_t> order(objects_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return positions_[a] < positions_[b]; });
    const List<Shape*> rest = manager_.objects;
    List<Shape*> merged;
    int next = 0;
    for (size_t i : order) {
        if (positions_[i] < 0)
            continue;
        while (merged.count() < positions_[i] && next < rest.count())
            merged.append(rest[next++]);
        merged.append(objects_[i]);
    }
    while (next < rest.count())
        merged.append(rest[next++]);
    manager_.objects = merged;
    for (auto [proxy, owner] : orphaned_)
        proxy->owner = owner;
    orphaned_.clear();
    out_ = false;
}

URaddShapes::URaddShapes(SceneObjectManager& manager)
    : manager_(manager), before_(manager.objects.begin(), manager.objects.end()), held_(manager)
{
}

bool URaddShapes::apply()
{
    const std::unordered_set<Shape*> before(before_.begin(), before_.end());
    std::vector<Shape*> created;
    for (Shape* s : manager_.objects)
        if (!before.count(s))
            created.push_back(s);
    held_.setObjects(created);
    // Only the new objects matter from here on.
    before_.clear();
    before_.shrink_to_fit();
    return true;
}

bool URaddShapes::revert()
{
    held_.takeOut();
    return true;
}

bool URaddShapes::reapply()
{
    held_.putBack();
    return true;
}
