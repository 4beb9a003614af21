#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float NormalScaleManipulator::defaultAmount() const { return settingsVariables().localScaleAmount; }

bool NormalScaleManipulator::start()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole; });
    if (selected.empty()) {
        refuse();
        return false;
    }
    enterPoints(selected, false, [](ObjectSelection& s, PointDirections& d) {
        localScaleDirections(*s.object, componentsOf(s), d);
    });
    return true;
}
