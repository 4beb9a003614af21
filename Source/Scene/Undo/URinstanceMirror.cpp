#include "Scene/Undo/URinstanceMirror.h"

#include <utility>

#include "Mesh/Shape.h"

URinstanceMirror::URinstanceMirror(const std::vector<Shape*>& objects)
{
    for (Shape* s : objects)
        held_.push_back({s, s->instanceMirror, s->instanceMirrorPlane});
}

bool URinstanceMirror::apply()
{
    for (const Held& h : held_)
        if (h.object->instanceMirror != h.setting)
            return true;
    return false;
}

bool URinstanceMirror::revert()
{
    for (Held& h : held_) {
        std::swap(h.object->instanceMirror, h.setting);
        std::swap(h.object->instanceMirrorPlane, h.plane);
    }
    return true;
}
