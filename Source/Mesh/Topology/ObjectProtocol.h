#pragma once
// The object-level protocol around every edit of a control mesh's topology:
// touch, the mesh operation, topologyChanged (levels, derived data, mirror
// data), then an update of the normals without positions.
#include <type_traits>

#include "Mesh/Shape.h"

// Runs `operation(object)` inside the protocol and returns its result.
// `positions` is passed on to the final update (extrusion moves points).
template <class Operation>
auto editTopology(Shape& object, Operation&& operation, bool positions = false)
{
    object.touch();
    if constexpr (std::is_void_v<decltype(operation(object))>) {
        operation(object);
        object.topologyChanged();
        object.update(true, positions, -1);
    } else {
        auto result = operation(object);
        object.topologyChanged();
        object.update(true, positions, -1);
        return result;
    }
}

// For edits of flags that the levels copy (creases): the level stack is
// rebuilt outright, with the object's level shading and symmetry, then the
// normals are updated. Nothing is rebuilt for an object without levels.
void rebuildLevelsAfterFlagEdit(Shape& object);
