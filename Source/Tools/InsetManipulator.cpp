#include "Mesh/Topology/InsetFaces.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float InsetManipulator::defaultAmount() const { return settingsVariables().insetAmount; }

bool InsetManipulator::start()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole || s.faces.empty(); });
    if (selected.empty()) {
        refuse();
        return false;
    }
    enterPoints(selected, true,
                [](ObjectSelection& s, PointDirections& d) { insetFaces(*s.object, s.faces, &d); });
    return true;
}
