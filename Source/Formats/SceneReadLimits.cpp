#include "Formats/SceneReadLimits.h"

#include <algorithm>

#include "Mesh/Shape.h"

SceneReadLimits& sceneReadLimits()
{
    static SceneReadLimits limits;
    return limits;
}

LevelBudget::LevelBudget(size_t fileBytes)
{
    const SceneReadLimits& limits = sceneReadLimits();
    const int64_t earned = static_cast<int64_t>(std::min<size_t>(fileBytes, size_t(1) << 40)) * limits.elementsPerFileByte;
    left_ = std::min(limits.maxReadElements, std::max(limits.minReadElements, earned));
}

int LevelBudget::afford(const Shape& object, long target)
{
    const int top = object.levelStack.maxBuiltLevel();
    if (target <= top)
        return static_cast<int>(std::max(target, 0L));
    // The first new level has one quad per corner of the top level and two
    // half edges per edge plus one inner edge per corner; every later level
    // at most four times the elements of the one below.
    const InnerShape* mesh = object.levelStack.levelMesh(top);
    int64_t elements = 2 * int64_t(mesh->edges.count());
    for (const Face* f : mesh->faces)
        elements += 2 * f->cornerCount();
    // A mesh without edges or faces still pays for each level, so a huge
    // target cannot keep the count at zero for billions of rounds.
    elements = std::max<int64_t>(elements, 1);
    int level = top;
    while (level < target && elements <= left_) {
        left_ -= elements;
        ++level;
        elements *= 4;
    }
    if (level < target)
        cut_ = true;
    return level;
}
