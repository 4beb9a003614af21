#pragma once
// What the UV command handlers share: their refusal, the end of an edit and
// reading their settings.
#include <string>
#include <string_view>

#include "Scene/Commands/DispatchMessages.h"
#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Settings/CommandIds.h"

namespace uvcommands {

// Shows the command's sentence. "Unpin UV Vertices" has none of its own and
// says what pinning says.
inline void refuse(const SceneManagers& managers, int commandId, int variant = 0)
{
    if (commandId == CommandId::UnpinUVVertices)
        commandId = CommandId::PinUVVertices;
    const std::string_view message = refusalMessage(commandId, variant);
    if (!message.empty())
        managers.applicationManager->report(std::string(message), SceneApplicationManager::StatusReport);
}

// After any edit the cached selection lists and the views are stale.
inline void finishEdit(const SceneManagers& managers)
{
    managers.selectionManager->refreshDisplay();
    managers.commandManager->redrawRequested = true;
    managers.commandManager->sceneChanged = true;
}

template <class Key>
auto setting(const SceneManagers& managers, const Key& key)
{
    return managers.applicationManager->registry.get(key);
}

} // namespace uvcommands
