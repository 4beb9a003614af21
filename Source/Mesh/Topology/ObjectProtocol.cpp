#include "Mesh/Topology/ObjectProtocol.h"

void rebuildLevelsAfterFlagEdit(Shape& object)
{
    if (object.levelStack.maxBuiltLevel() == 0)
        return;
    // A dirty stack is rebuilt by the next update, through the object's own
    // rebuild that also reapplies level shading and symmetry.
    object.levelStack.dirty = true;
    object.update(true, false, -1);
}
