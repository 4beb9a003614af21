#include <algorithm>

#include "Mesh/Topology/Bevel.h"
#include "Scene/Commands/CommandRefusals.h"
#include "Settings/SettingsVariables.h"
#include "Tools/ValueTools.h"

float BevelManipulator::defaultAmount() const { return settingsVariables().bevelAmount; }

void BevelManipulator::applyValue(float v) { ValueManipulator::applyValue(std::max(v, 0.0f)); }

bool BevelManipulator::start()
{
    SelectedElements selected = selection();
    if (selected.empty()) {
        refuse();
        return false;
    }
    int skipped = 0;
    // One kind per object, the largest first: bevelling faces already
    // bevels their edges and vertices.
    enterPoints(selected, true, [&skipped](ObjectSelection& s, PointDirections& d) {
        BevelResult r;
        if (s.whole)
            r = bevelObject(*s.object, &d);
        else if (!s.faces.empty())
            r = bevelFaces(*s.object, s.faces, &d);
        else if (!s.edges.empty())
            r = bevelEdges(*s.object, s.edges, &d);
        else
            r = bevelVertices(*s.object, s.vertices, &d);
        skipped += r.skippedEdges;
    });
    if (skipped > 0)
        tell(Refusal::BevelSkippedEdges);
    return true;
}
