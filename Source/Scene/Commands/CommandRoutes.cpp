#include "Scene/Commands/CommandRoutes.h"

#include <algorithm>
#include <array>

namespace {

CommandHandler handlerOf(Route route)
{
    static const std::array<std::span<const RouteHandler>, 6> tables = {
        toggleHandlers(), commandHandlers(), selectionHandlers(),
        toolHandlers(),   displayHandlers(), applicationHandlers(),
    };
    for (std::span<const RouteHandler> table : tables) {
        auto it = std::ranges::find(table, route, &RouteHandler::route);
        if (it != table.end())
            return it->handler;
    }
    return nullptr;
}

CommandHandler handlerOf(Release release)
{
    auto it = std::ranges::find(releaseHandlers(), release, &ReleaseHandler::release);
    return it == releaseHandlers().end() ? nullptr : it->handler;
}

} // namespace

int findValue(std::span<const CommandValue> values, int id)
{
    auto it = std::ranges::find(values, id, &CommandValue::id);
    return it == values.end() ? -1 : it->value;
}

CommandHandler commandHandler(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row && row->route != Route::None ? handlerOf(row->route) : nullptr;
}

CommandHandler releaseAction(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row && row->release != Release::None ? handlerOf(row->release) : nullptr;
}

CommandHandler tapReleaseAction(int id)
{
    const CommandRow* row = findCommandRow(id);
    return row && row->tapRelease != Release::None ? handlerOf(row->tapRelease) : nullptr;
}
