#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/SplitLoop.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Scene/SceneManagers.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float SlideManipulator::defaultAmount() const { return settingsVariables().slideAmount; }

void SlideManipulator::deactivate()
{
    ValueManipulator::deactivate();
    // The new loop stays selected; the display shows it as it now lies.
    if (split_ && scene && scene->selectionManager)
        scene->selectionManager->refreshDisplay();
    split_ = false;
}

bool SlideManipulator::start()
{
    const bool splitFirst = afterSplit;
    afterSplit = false;
    split_ = false;
    if (splitFirst)
        return startAfterSplit();
    SelectedElements selected = selection();
    std::erase_if(selected.perObject(), [](const ObjectSelection& s) { return s.whole || s.edges.empty(); });
    if (selected.empty()) {
        refuse();
        return false;
    }
    enterPoints(selected, false,
                [](ObjectSelection& s, PointDirections& d) { slideDirections(*s.object, s.edges, d); });
    return true;
}

bool SlideManipulator::startAfterSplit()
{
    SelectedElements selected = selection();
    // A loop runs across one edge, or through a strip of at least two faces.
    std::erase_if(selected.perObject(),
                  [](const ObjectSelection& s) { return s.whole || (s.edges.empty() && s.faces.count() < 2); });
    if (selected.empty()) {
        tell(refusalMessage(CommandId::SplitLoop, 0));
        return false;
    }
    split_ = true;
    std::vector<List<Edge*>> made;
    enterPoints(
        selected, true,
        [&made](ObjectSelection& s, PointDirections& d) {
            List<Edge*> loop;
            if (!s.edges.empty())
                splitLoopAcrossEdges(*s.object, s.edges, &loop);
            else
                splitLoopThroughFaces(*s.object, s.faces, &loop);
            // The new loop becomes the selection, inside the object's record
            // so that undo selects what was selected before.
            for (Face* f : s.object->faces)
                f->set(Geometry::Selected, false);
            for (Edge* e : s.object->edges)
                e->set(Geometry::Selected, false);
            for (Edge* e : loop)
                e->set(Geometry::Selected, true);
            slideDirections(*s.object, loop, d);
            made.push_back(loop);
        },
        [this, &made] {
            // Edge mode; switching clears the components, so the loop is selected again.
            SceneSelectionManager& selection = *scene->selectionManager;
            if (selection.mode == SceneSelectionManager::EdgeMode)
                return;
            selection.setMode(SceneSelectionManager::EdgeMode);
            for (const List<Edge*>& loop : made)
                for (Edge* e : loop)
                    e->set(Geometry::Selected, true);
        });
    return true;
}
