#include "Scene/Undo/URmergeShapes.h"

#include <utility>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"

namespace {

// Exchanges what `copyFrom` carries between an object and its copy. The
// object takes the copy's state through its own copyFrom, so that a Shape
// learns its levels are stale; the copy is given the object's old state field
// by field, since copyFrom would leave the old elements unowned.
void exchange(InnerShape& object, InnerShape& copy)
{
    const List<Vertex*> vertices = object.vertices;
    const List<Edge*> edges = object.edges;
    const List<Face*> faces = object.faces;
    const std::string name = object.name;
    const uint32_t shading = object.shading;
    const uint32_t textureFlags = object.textureFlags;
    float frame[4][3];
    for (int i = 0; i < 4; ++i) {
        frame[i][0] = object.axisFrame[i].x;
        frame[i][1] = object.axisFrame[i].y;
        frame[i][2] = object.axisFrame[i].z;
    }

    object.copyFrom(copy);

    copy.vertices = vertices;
    copy.edges = edges;
    copy.faces = faces;
    copy.name = name;
    copy.shading = (copy.shading & ~31u) | (shading & 31u);
    copy.textureFlags = (copy.textureFlags & ~InnerShape::ShowTexture) | (textureFlags & InnerShape::ShowTexture);
    for (int i = 0; i < 4; ++i)
        copy.axisFrame[i].setPosition(frame[i][0], frame[i][1], frame[i][2]);
    copy.touch();
}

Shape* withLevels(InnerShape& object)
{
    return object.isPlainMesh() ? nullptr : dynamic_cast<Shape*>(&object);
}

} // namespace

URmergeShapes::URmergeShapes(const std::vector<InnerShape*>& objects)
    : objects_(objects), levels_(objects.size())
{
    for (size_t i = 0; i < objects_.size(); ++i) {
        InnerShape* copy = objects_[i] ? take<InnerShape>(*objects_[i]) : nullptr;
        if (!copy)
            break;
        copies_.push_back(copy);
        if (Shape* shape = withLevels(*objects_[i])) {
            shape->currentLevelMesh(); // stale levels are rebuilt before they are read
            levels_[i].built = shape->levelStack.maxBuiltLevel();
            levels_[i].current = shape->currentLevel();
            shape->levelStack.saveDisplacement(1, levels_[i].displacement);
        }
    }
}

URmergeShapes::~URmergeShapes()
{
    for (InnerShape* copy : copies_)
        copy->release();
}

bool URmergeShapes::revert()
{
    if (copies_.size() != objects_.size())
        return false;
    for (size_t i = 0; i < objects_.size(); ++i) {
        InnerShape& object = *objects_[i];
        Shape* shape = withLevels(object);
        Levels shown;
        if (shape) {
            shape->currentLevelMesh();
            shown.built = shape->levelStack.maxBuiltLevel();
            shown.current = shape->currentLevel();
            shape->levelStack.saveDisplacement(1, shown.displacement);
        }
        exchange(object, *copies_[i]);
        if (shape) {
            const Levels& held = levels_[i];
            shape->levelStack.rebuildLevels(held.built, held.current, held.displacement);
            levels_[i] = std::move(shown);
        }
        object.topologyChanged();
        object.update(true, !object.isPlainMesh(), -1);
    }
    return true;
}
