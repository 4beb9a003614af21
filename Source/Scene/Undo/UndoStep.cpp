#include "Scene/Undo/UndoStep.h"

#include "Scene/Commands/SceneCommandManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/Undo/URchangeShape.h"

UndoStep::UndoStep(SceneCommandManager& commands)
    : commands_(commands), hadUnsavedChanges_(commands.hasUnsavedChanges())
{
    commands_.geometryUndo.beginGroup();
}

UndoStep::~UndoStep()
{
    for (UndoCommand* record : watched_)
        commands_.geometryUndo.push(record);
    if (!commands_.geometryUndo.endGroup())
        return;
    SceneApplicationManager* app = commands_.managers ? commands_.managers->applicationManager : nullptr;
    if (!app)
        return;
    app->sceneModified = true;
    if (commands_.hasUnsavedChanges() != hadUnsavedChanges_)
        app->updateTitle();
}

void UndoStep::watch(Shape& object)
{
    watched_.push_back(new URchangeShape(object));
}

void UndoStep::push(UndoCommand* record)
{
    commands_.geometryUndo.push(record);
}
