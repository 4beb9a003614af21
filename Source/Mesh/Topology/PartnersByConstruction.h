#pragma once
// The object protocol for edits whose new points start on top of old ones
// (extrusions, bevels, insets, shells): they pair the new elements with
// their mirror partners as they build them, because the pairing by position
// that topologyChanged runs cannot tell a new point from the old one under it.
#include "Mesh/Shape.h"

// topologyChanged, keeping the control mesh's mirror partners as the edit
// left them.
void topologyChangedKeepingPartners(Shape& object);

// Runs `edit(mesh)` (returning a count) inside touch, topologyChanged and
// update with normals and positions, keeping the partners as above.
template <class Edit>
auto editKeepingPartners(Shape& object, Edit&& edit)
{
    object.touch();
    const auto made = edit(static_cast<InnerShape&>(object));
    topologyChangedKeepingPartners(object);
    object.update(true, true, -1);
    return made;
}
