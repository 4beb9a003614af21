#include "Formats/SceneReadLimits.h"

#include <algorithm>
#include <climits>

#include "Mesh/Shape.h"

SceneReadLimits& sceneReadLimits()
{
    static SceneReadLimits limits;
    return limits;
}

int affordableLevel(const Shape& object, long target)
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
    while (level < target && level < INT_MAX && elements <= sceneReadLimits().maxLevelElements) {
        ++level;
        elements *= 4;
    }
    return level;
}
