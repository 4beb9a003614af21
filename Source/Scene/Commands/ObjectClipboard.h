#pragma once
// The scene's clipboard of objects. It holds copies that own their geometry,
// so that later edits (or the deletion) of the originals never change what a
// paste brings back.
#include <vector>

#include "Mesh/ObjectCopies.h"

class Shape;

class ObjectClipboard {
public:
    ObjectClipboard() = default;
    ObjectClipboard(const ObjectClipboard&) = delete;
    ObjectClipboard& operator=(const ObjectClipboard&) = delete;
    // Releases the held copies.
    ~ObjectClipboard();

    // Replaces the contents with copies of `objects` (lights and UV proxies
    // are skipped, instances are held as the geometry they show); returns
    // how many were taken. The next paste is the first again.
    int copy(const std::vector<Shape*>& objects);
    bool empty() const { return held_.empty(); }
    int count() const { return static_cast<int>(held_.size()); }
    // New copies of the contents for the scene (owned by the caller), placed
    // beside the copied objects; each further paste of the same contents
    // lands one step further along, so pastes never stack in one place.
    std::vector<Shape*> paste();
    void clear();

private:
    std::vector<Shape*> held_; // owned
    int pastes_ = 0;           // pastes since the last copy
};

// The offset that puts objects within `bounds` beside themselves, `times`
// times over, along the world X axis: one step is the width of the box and
// a gap of a tenth of its largest side, so that copies of a flat or a
// point-like selection are still apart.
Point3D besideOffset(const ObjectBounds& bounds, int times);
