#pragma once
// Keeps the UV proxies of objects whose meshes a command edits standing for
// the right faces, through the command and its undo and redo.
//
// A proxy links each of its faces to a face of its owner by pointer, and an
// undo or redo of a mesh edit gives the faces it restores new storage. So
// the links are also kept by position, and set again right after the
// owner's own record has run; a proxy the edit left stale (standing for
// faces the owner no longer has, or has with other corners) is built again
// from the texture coordinates the owner's faces carry.
//
//     ProxyFollower follower(managers, {&object});
//     auto* record = new URchangeShape(object);   // before the edit
//     edit(object);
//     follower.beforeOwnerRecord(step);
//     step.push(record);
//     follower.afterOwnerRecord(step);
#include <vector>

class Shape;
class TextureProxy;
class UndoStep;
struct SceneManagers;

class ProxyFollower {
public:
    // Before the edit: notes the proxies of `owners` and the positions of
    // the faces they stand for.
    ProxyFollower(const SceneManagers& managers, const std::vector<Shape*>& owners);

    // After the edit, just before the owners' records are pushed: for every
    // proxy the edit left stale, a record that links it again on undo.
    void beforeOwnerRecord(UndoStep& step);
    // After the owners' records: each stale proxy whose owner still has
    // faces is replaced by one built afresh (the old one's pins kept where
    // the same UV vertex stands at the same place), with a record that links
    // the new one again on redo. Owners left without faces keep their stale
    // proxy for the caller to take away.
    void afterOwnerRecord(UndoStep& step);

private:
    struct Followed {
        Shape* owner;
        TextureProxy* proxy;
        std::vector<int> positions; // per proxy face, its source face's position in the owner's list, or -1
        bool stale = false;
    };
    const SceneManagers& managers_;
    std::vector<Followed> followed_;
};

// `objects` followed by the proxies of those that have one: what leaves the
// scene when objects are absorbed into another.
std::vector<Shape*> withProxies(const SceneManagers& managers, const std::vector<Shape*>& objects);
