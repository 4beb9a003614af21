#include "Scene/Undo/URdeleteShapes.h"

URdeleteShapes::URdeleteShapes(SceneObjectManager& manager, const std::vector<Shape*>& objects) : held_(manager)
{
    held_.setObjects(objects);
}

bool URdeleteShapes::apply()
{
    held_.takeOut();
    return true;
}

bool URdeleteShapes::revert()
{
    held_.putBack();
    return true;
}

bool URdeleteShapes::reapply()
{
    held_.takeOut();
    return true;
}
