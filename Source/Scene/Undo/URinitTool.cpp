#include "Scene/Undo/URinitTool.h"

#include "Scene/SceneToolManager.h"

URinitTool::URinitTool(SceneToolManager& tools) : endTool_([&tools] { tools.exitTools(); }) { }

URinitTool::URinitTool(std::function<void()> endTool) : endTool_(std::move(endTool)) { }

bool URinitTool::revert()
{
    if (endTool_)
        endTool_();
    return true;
}
