#include "Mesh/Topology/Shell.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float ShellManipulator::defaultAmount() const { return settingsVariables().shellAmount; }

bool ShellManipulator::start()
{
    // Whole objects only: a shell has no meaning for a few components.
    SelectedElements selected = selection();
    if (selectionMode() != SceneSelectionManager::ObjectMode || selected.empty()) {
        refuse();
        return false;
    }
    enterPoints(selected, true, [](ObjectSelection& s, PointDirections& d) { shellObject(*s.object, &d); });
    return true;
}
