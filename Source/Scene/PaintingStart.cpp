// Starting and leaving displacement painting, and its brushes in the
// settings registry.
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneToolManager.h"
#include "Settings/CommandIds.h"
#include "Tools/Paint/BrushSettings.h"
#include "Tools/Paint/DisplacementTool.h"

void SceneToolManager::startPainting(int commandId)
{
    DisplacementTool& paint = displacementTool();
    if (activeTools.contains(&paint)) {
        // The brush editor only joins painting; the command itself toggles it.
        if (commandId == CommandId::PaintDisplacement)
            exitTools();
        return;
    }
    // A drawing-style start: the tool joins first, its activate cannot refuse.
    replaceActiveTools(paint);
    paint.activate();
    sceneChanged = true;
}

void SceneToolManager::saveSettings()
{
    if (!managers || !managers->applicationManager)
        return;
    if (OptionGroup* group = managers->applicationManager->registry.findGroup(BrushEditorGroupId))
        storeBrushes(displacementTool().brushes, *group);
}

void SceneToolManager::applySettings()
{
    if (!managers || !managers->applicationManager)
        return;
    const OptionGroup* group = managers->applicationManager->registry.findGroup(BrushEditorGroupId);
    DisplacementTool& paint = displacementTool();
    if (group && loadBrushes(*group, paint.brushes))
        paint.brushesChanged();
}
