#include "Scene/Commands/ObjectClipboard.h"

#include <algorithm>

#include "Mesh/Shape.h"

namespace {
// The step of a selection without extent, in world units.
constexpr float pointStep = 1.0f;
constexpr float gapShare = 0.1f;
} // namespace

ObjectClipboard::~ObjectClipboard()
{
    clear();
}

void ObjectClipboard::clear()
{
    for (Shape* s : held_)
        s->release();
    held_.clear();
    pastes_ = 0;
}

int ObjectClipboard::copy(const std::vector<Shape*>& objects)
{
    std::vector<Shape*> taken;
    for (const Shape* s : objects)
        if (Shape* c = geometryCopy(*s))
            taken.push_back(c);
    if (taken.empty())
        return 0;
    clear();
    held_ = std::move(taken);
    return count();
}

std::vector<Shape*> ObjectClipboard::paste()
{
    std::vector<Shape*> made;
    if (held_.empty())
        return made;
    ++pastes_;
    const Point3D offset = besideOffset(combinedBounds(held_.data(), held_.data() + held_.size()), pastes_);
    for (const Shape* s : held_)
        if (Shape* c = copyObject(*s)) {
            moveObject(*c, offset);
            made.push_back(c);
        }
    return made;
}

Point3D besideOffset(const ObjectBounds& bounds, int times)
{
    const Point3D size = bounds.empty ? Point3D(0, 0, 0) : bounds.size();
    const float largest = std::max({size.x, size.y, size.z});
    const float step = largest > 0.0f ? size.x + gapShare * largest : pointStep;
    return {step * static_cast<float>(times), 0.0f, 0.0f};
}
