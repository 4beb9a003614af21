#include "Scene/Commands/ProxyFollower.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Commands/UVCommands.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Undo/URaddShapes.h"
#include "Scene/Undo/URdeleteShapes.h"
#include "Scene/Undo/UndoCommand.h"
#include "Scene/Undo/UndoStep.h"
#include "UV/ProxyBuild.h"

namespace {

std::vector<int> sourcePositions(const TextureProxy& proxy, const Shape& owner)
{
    std::unordered_map<const Face*, int> at;
    for (int i = 0; i < owner.faces.count(); ++i)
        at.emplace(owner.faces[i], i);
    std::vector<int> out;
    for (const Face* f : proxy.sourceFaces) {
        auto it = at.find(f);
        out.push_back(it == at.end() ? -1 : it->second);
    }
    return out;
}

// Whether every proxy face still stands for an owner face with the same
// corners at the same source vertices.
bool matches(const TextureProxy& proxy, const Shape& owner)
{
    if (proxy.faces.count() != owner.faces.count() || proxy.sourceFaces.count() != proxy.faces.count())
        return false;
    const std::unordered_set<const Face*> current(owner.faces.begin(), owner.faces.end());
    for (int i = 0; i < proxy.faces.count(); ++i) {
        const Face& f = *proxy.faces[i];
        const Face* source = proxy.sourceFaces[i];
        if (!source || !current.count(source) || source->cornerCount() != f.cornerCount())
            return false;
        for (int k = 0; k < f.cornerCount(); ++k)
            if (static_cast<const ProxyVertex*>(f.corners[k].vertex)->sourceVertex != source->corners[k].vertex)
                return false;
    }
    return true;
}

// Points a proxy's links at the owner's faces by position, on undo and on
// redo alike; the owner's record has just run, so the positions hold.
class URproxyLinks : public UndoCommand {
public:
    URproxyLinks(TextureProxy& proxy, Shape& owner, std::vector<int> positions)
        : proxy_(proxy), owner_(owner), positions_(std::move(positions))
    {
    }
    bool apply() override { return true; }
    bool revert() override
    {
        const int n = std::min(proxy_.sourceFaces.count(), static_cast<int>(positions_.size()));
        for (int i = 0; i < n; ++i) {
            const int p = positions_[static_cast<size_t>(i)];
            proxy_.sourceFaces[i] = p >= 0 && p < owner_.faces.count() ? owner_.faces[p] : nullptr;
        }
        return true;
    }
    bool reapply() override { return revert(); }

private:
    TextureProxy& proxy_;
    Shape& owner_;
    std::vector<int> positions_;
};

} // namespace

ProxyFollower::ProxyFollower(const SceneManagers& managers, const std::vector<Shape*>& owners) : managers_(managers)
{
    for (Shape* owner : owners)
        if (TextureProxy* proxy = findProxy(managers.objectManager->objects, owner))
            followed_.push_back({owner, proxy, sourcePositions(*proxy, *owner)});
}

void ProxyFollower::beforeOwnerRecord(UndoStep& step)
{
    for (Followed& f : followed_) {
        f.stale = !matches(*f.proxy, *f.owner);
        if (f.stale)
            step.push(new URproxyLinks(*f.proxy, *f.owner, f.positions));
    }
}

void ProxyFollower::afterOwnerRecord(UndoStep& step)
{
    SceneObjectManager& objects = *managers_.objectManager;
    for (Followed& f : followed_) {
        if (!f.stale || f.owner->faces.empty())
            continue;
        TextureProxy* fresh = buildProxy(*f.owner, f.owner->faces, sameTextureCoordinates);
        if (!fresh)
            continue;
        keepProxyPins(*f.proxy, *fresh, {});
        step.push(new URdeleteShapes(objects, {f.proxy}));
        auto* added = new URaddShapes(objects);
        objects.addObject(fresh);
        step.push(added);
        step.push(new URproxyLinks(*fresh, *f.owner, sourcePositions(*fresh, *f.owner)));
    }
}

std::vector<Shape*> withProxies(const SceneManagers& managers, const std::vector<Shape*>& objects)
{
    std::vector<Shape*> out = objects;
    for (Shape* o : objects)
        if (TextureProxy* proxy = findProxy(managers.objectManager->objects, o))
            out.push_back(proxy);
    return out;
}
