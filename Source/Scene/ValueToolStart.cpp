// How the commands of the value tools, "Orient" and "Split Loop" start
// their tool: the tool's own start records itself (a URinitTool first), so
// the activation protocol pushes nothing more; then the tool's default
// amount applies. "Split Loop" does not ask for the slide's amount: the new
// loop starts in the middle of its ring.
#include "Scene/SceneToolManager.h"
#include "Settings/CommandIds.h"
#include "Tools/ValueToolSet.h"

void SceneToolManager::startValueTool(int commandId)
{
    ValueManipulator* tool = valueTools().prepare(commandId, activeTools);
    if (!tool)
        return;
    if (!startTool(*tool, false))
        return;
    // A tool started again while it runs was put away by the protocol's
    // deactivation: the value follows the mouse again.
    tool->beginTweak();
    tool->applyDefaultAmount(commandId != CommandId::SplitLoop);
}
