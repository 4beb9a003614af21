#include "Formats/SceneWriteOrder.h"

#include <algorithm>

#include "Mesh/Material.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Group.h"

bool objectIsWritten(const Shape& object, bool selectedOnly)
{
    switch (object.shapeKind()) {
    case InnerShape::KindTextureProxy: {
        const Shape* owner = static_cast<const TextureProxy&>(object).owner;
        return !selectedOnly || (owner && owner->isSelected());
    }
    case InnerShape::KindShapeInstance:
        if (!static_cast<const ShapeInstance&>(object).instancedShape)
            return false;
        break;
    default:
        break;
    }
    return !selectedOnly || object.isSelected();
}

namespace {
// The file section an object kind is written in, per format.
int sectionOf(int kind, ObjectOrder order)
{
    if (order == ObjectOrder::Ascii) {
        switch (kind) {
        case InnerShape::KindShapeInstance: return 1;
        case InnerShape::KindLight: return 2;
        default: return 0;
        }
    }
    switch (kind) {
    case InnerShape::KindShapeInstance: return 1;
    case InnerShape::KindLight: return 2;
    case InnerShape::KindTextureProxy: return 3;
    default: return 0;
    }
}
constexpr int SectionCount = 4;
} // namespace

ObjectNumbers::ObjectNumbers(const std::vector<Shape*>& objects, bool selectedOnly, ObjectOrder order)
{
    for (int section = 0; section < SectionCount; ++section)
        for (Shape* s : objects)
            if (s && sectionOf(s->shapeKind(), order) == section && objectIsWritten(*s, selectedOnly))
                written_.push_back(s);
    for (int i = 0; i < static_cast<int>(objects.size()); ++i)
        numbers_[objects[i]] = -1 - i;
    for (int i = 0; i < static_cast<int>(written_.size()); ++i)
        numbers_[written_[i]] = i;
}

int ObjectNumbers::numberOf(const Shape* object) const
{
    auto it = numbers_.find(object);
    return it == numbers_.end() ? -1 : it->second;
}

namespace {
int elementCount(const Shape& s, int kind)
{
    switch (kind) {
    case Group::Vertices: return s.vertices.count();
    case Group::Edges: return s.edges.count();
    case Group::Faces: return s.faces.count();
    default: return 0;
    }
}
} // namespace

std::vector<FileGroupMember> fileGroupMembers(const Group& group, const std::vector<Shape*>& objects,
                                              const ObjectNumbers& numbers)
{
    std::vector<FileGroupMember> out;
    if (group.kind == Group::Objects) {
        for (const Group::Member& m : group.members) {
            int n = numbers.numberOf(m.object);
            if (n >= 0)
                out.push_back({n, -1});
        }
        return out;
    }
    std::unordered_map<const Shape*, std::vector<int>> byObject;
    for (const Group::Member& m : group.members)
        if (m.object && m.element >= 0)
            byObject[m.object].push_back(m.element);
    for (Shape* s : objects) {
        auto it = byObject.find(s);
        const int n = numbers.numberOf(s);
        if (it == byObject.end() || n < 0)
            continue;
        std::vector<int>& elements = it->second;
        std::sort(elements.begin(), elements.end());
        elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
        const int count = elementCount(*s, group.kind);
        for (int e : elements)
            if (e < count)
                out.push_back({n, e});
    }
    return out;
}

void numberMaterials(const std::vector<Material*>& materials)
{
    for (size_t i = 0; i < materials.size(); ++i)
        materials[i]->index = static_cast<int>(i);
}

int materialNumber(const Material* m, const std::vector<Material*>& materials)
{
    if (!m || m->index < 0 || m->index >= static_cast<int>(materials.size()) || materials[m->index] != m)
        return -1;
    return m->index;
}
