#include "Mesh/Shape.h"
#include "Scene/Commands/CommandTable.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Settings/CommandIds.h"
#include "Settings/OptionGroup.h"

#include "QtWindows/qtCreationProperties.h"

#include <QMainWindow>

namespace {
// The creation command a group's button runs ("Create" of "Cube": "Cube").
int creationCommandOf(const OptionGroup& group)
{
    for (int i = 0; i < group.optionCount(); ++i)
        if (group.option(i).baseType() == OptionType::Command)
            return group.option(i).commandId();
    return CommandId::None;
}

// Commands that show the creation properties: they keep the object live.
bool showsCreationProperties(int id)
{
    return (id >= CommandId::CubeOptions && id <= CommandId::GridOptions) || id == CommandId::TopologyToolOptions ||
           id == CommandId::SurfaceToolOptions || id == CommandId::CreateProperties;
}

// Whether the group's apply action creates its primitive from the fields.
bool createsFromOptions(int action)
{
    return action == CommandId::CubeFromOptions ||
           (action >= CommandId::CircleFromOptions && action <= CommandId::LastFromOptions);
}
} // namespace

qtCreationProperties::qtCreationProperties(QMainWindow* window, qxToolOptions::Links links,
                                           std::function<Scene*()> scene)
    : QObject(window), run_(links.run), scene_(std::move(scene))
{
    // The window's own create button makes a new live object.
    links.run = [this](int commandId) {
        if (run_)
            run_(commandId);
        if (dock_->group() && commandId == creationCommandOf(*dock_->group()) &&
            createsFromOptions(dock_->group()->optionsCommand()))
            live_ = newestObject();
    };
    dock_ = new qxToolOptions("Create Properties", std::move(links), window);
    window->addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &qxToolOptions::valueChanged, this, &qtCreationProperties::recreate);
}

Shape* qtCreationProperties::newestObject() const
{
    Scene* scene = scene_ ? scene_() : nullptr;
    if (!scene || scene->objectManager->objects.count() == 0)
        return nullptr;
    const auto& objects = scene->objectManager->objects;
    return objects[objects.count() - 1];
}

void qtCreationProperties::commandStarted(int commandId)
{
    if (isCreationCommand(commandId))
        lastCreation_ = commandId;
    else if (!showsCreationProperties(commandId))
        lastCreation_ = CommandId::None;
}

void qtCreationProperties::showGroup(OptionGroup& group, const LengthUnits& units)
{
    bool justCreated = lastCreation_ != CommandId::None && lastCreation_ == creationCommandOf(group);
    live_ = justCreated && createsFromOptions(group.optionsCommand()) ? newestObject() : nullptr;
    dock_->showGroup(group, units);
}

void qtCreationProperties::recreate()
{
    OptionGroup* group = dock_->group();
    // Only the object made just now is replaced; anything done since keeps it.
    if (!group || !live_ || live_ != newestObject() || !run_)
        return;
    run_(CommandId::Undo);
    run_(group->optionsCommand());
    live_ = newestObject();
}
