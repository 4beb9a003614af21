#include "Tools/ValueToolSet.h"

ValueToolSet::ValueToolSet(ManipulatorFrame& frame)
    : bevel(frame), inset(frame), shell(frame), localMove(frame), localScale(frame), slide(frame),
      localRotate(frame), orient(frame), multi(frame, {&localMove, &localScale, &localRotate, &inset, &slide, &orient}),
      entries_{{CommandId::Extrude, &localMove},    {CommandId::Bevel, &bevel},
               {CommandId::SplitLoop, &slide},      {CommandId::Shell, &shell},
               {CommandId::Orient, &orient},        {CommandId::LocalMove, &localMove},
               {CommandId::InsetScale, &inset},     {CommandId::LocalScale, &localScale},
               {CommandId::Slide, &slide},          {CommandId::LocalRotate, &localRotate}}
{
}

ValueToolSet::~ValueToolSet() = default;

Tool* ValueToolSet::forCommand(int commandId)
{
    for (const Entry& e : entries_)
        if (e.commandId == commandId)
            return e.tool;
    return nullptr;
}

ValueManipulator* ValueToolSet::prepare(int commandId, const List<Tool*>& active)
{
    switch (commandId) {
    case CommandId::Extrude:
        localMove.extrusion = true;
        break;
    case CommandId::SplitLoop:
        slide.afterSplit = true;
        break;
    case CommandId::LocalMove:
        if (active.contains(&localMove) && !localMove.extruding())
            return &multi;
        break;
    default:
        break;
    }
    return static_cast<ValueManipulator*>(forCommand(commandId));
}
