#include <algorithm>

#include "Mesh/Edge.h"
#include "Mesh/Topology/ExtrudeFacesSeparately.h"
#include "Mesh/Topology/ExtrudeRegions.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float NormalMoveManipulator::defaultAmount() const
{
    return extruding_ ? settingsVariables().extrudeAmount : settingsVariables().localMoveAmount;
}

int NormalMoveManipulator::optionGroup() const
{
    return extruding_ ? CommandId::ExtrudeOptions : CommandId::LocalMoveOptions;
}

bool NormalMoveManipulator::start()
{
    const bool extrude = extrusion;
    extrusion = false;
    if (extrude)
        return startExtrusion();
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole; });
    // Nothing to move: the tool quietly does not start.
    if (selected.empty())
        return false;
    label = commandName(CommandId::LocalMove);
    extruding_ = false;
    enterPoints(selected, false, [](ObjectSelection& s, PointDirections& d) {
        localMoveDirections(*s.object, componentsOf(s), d);
    });
    return true;
}

bool NormalMoveManipulator::startExtrusion()
{
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(),
                  [](const ObjectSelection& s) { return s.whole || (s.faces.empty() && s.edges.empty()); });
    if (selected.empty()) {
        tell(refusalMessage(CommandId::Extrude, 0));
        return false;
    }
    // A strip would give an edge between two faces a third one: such edges
    // are left alone, and when nothing else is selected the tool says so
    // instead of starting with nothing to move.
    const bool growsSomething = std::ranges::any_of(selected.perObject(), [](const ObjectSelection& s) {
        return !s.faces.empty() ||
               std::ranges::any_of(s.edges, [](const Edge* e) { return e->faces.count() < 2; });
    });
    if (!growsSomething) {
        tell(Refusal::ExtrudeInnerEdges);
        return false;
    }
    label = commandName(CommandId::Extrude);
    extruding_ = true;
    const bool together = settingsVariables().extrudeKeepFacesTogether;
    enterPoints(selected, true, [together](ObjectSelection& s, PointDirections& d) {
        if (!s.faces.empty()) {
            if (together)
                extrudeFaceRegions(*s.object, s.faces, &d);
            else
                extrudeFacesSeparately(*s.object, s.faces, &d);
        } else {
            extrudeEdges(*s.object, s.edges, &d);
        }
    });
    return true;
}
