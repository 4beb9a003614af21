#include "Scene/Commands/CommandTable.h"
#include "Settings/OptionGroup.h"
#include "Settings/PreferencesFile.h"
#include "Settings/UserFolders.h"

#include "QtWindows/qxToolOptions.h"
#include "QtWindows/qxOptionsPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const char* const LoadPresetQuestion = "Loading a preset will overwrite current settings.  Continue?";
const char* const PresetExtension = ".tvp";

std::string_view groupFileName(int groupId) { return commandName(groupId); }
} // namespace

qxToolOptions::qxToolOptions(const QString& title, Links links, QWidget* parent)
    : QDockWidget(title, parent), links_(std::move(links))
{
    setObjectName(title); // the dock layout is saved and restored by name
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    scroll_ = new QScrollArea(body);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll_, 1);

    presetRow_ = new QWidget(body);
    auto* row = new QHBoxLayout(presetRow_);
    row->setContentsMargins(0, 0, 0, 0);
    presetList_ = new QComboBox(presetRow_);
    auto* load = new QPushButton("Load", presetRow_);
    auto* save = new QPushButton("Save...", presetRow_);
    row->addWidget(presetList_, 1);
    row->addWidget(load);
    row->addWidget(save);
    layout->addWidget(presetRow_);
    presetRow_->hide();
    connect(load, &QPushButton::clicked, this, [this] {
        QString path = presetList_->currentData().toString();
        if (!path.isEmpty())
            loadPreset(path.toStdString());
    });
    connect(save, &QPushButton::clicked, this, [this] {
        bool ok = false;
        QString name = QInputDialog::getText(this, "Save Preset", "Preset name:", QLineEdit::Normal, QString(), &ok);
        if (ok && !name.trimmed().isEmpty())
            savePreset(name.trimmed().toStdString());
    });
    setWidget(body);
}

void qxToolOptions::showGroup(OptionGroup& group, const LengthUnits& units)
{
    group_ = &group;
    setWindowTitle(QString::fromStdString(group.name()));
    panel_ = new qxOptionsPanel(group, units, links_.run);
    connect(panel_, &qxOptionsPanel::valueChanged, this, &qxToolOptions::valueChanged);
    scroll_->setWidget(panel_); // deletes the panel shown before
    // Wide enough for every field, so that only the height ever scrolls.
    scroll_->setMinimumWidth(panel_->sizeHint().width() + scroll_->verticalScrollBar()->sizeHint().width() +
                             2 * scroll_->frameWidth());
    fillPresetList();
    show();
    raise();
}

void qxToolOptions::setPresetFolders(std::filesystem::path user, std::filesystem::path shipped)
{
    userPresets_ = std::move(user);
    shippedPresets_ = std::move(shipped);
    fillPresetList();
}

std::vector<std::filesystem::path> qxToolOptions::presets() const
{
    std::vector<std::filesystem::path> out;
    if (!group_)
        return out;
    // Every preset is offered: loading one changes only the shown group.
    for (const auto& folder : {userPresets_, shippedPresets_}) {
        if (folder.empty())
            continue;
        for (const auto& path : presetFiles(folder))
            out.push_back(path);
    }
    return out;
}

void qxToolOptions::fillPresetList()
{
    presetList_->clear();
    for (const auto& path : presets())
        presetList_->addItem(QString::fromStdString(path.stem().string()), QString::fromStdString(path.string()));
    presetRow_->setVisible(group_ && !userPresets_.empty());
}

bool qxToolOptions::loadPreset(const std::filesystem::path& path)
{
    if (!group_ || (links_.confirm && !links_.confirm(LoadPresetQuestion)))
        return false;
    loadPreferences(path, *group_);
    panel_->refresh();
    emit valueChanged();
    return true;
}

bool qxToolOptions::savePreset(const std::string& name)
{
    if (!group_ || userPresets_.empty())
        return false;
    if (!ensureFolder(userPresets_))
        return false;
    bool saved = savePreferences(*group_, userPresets_ / (name + PresetExtension), groupFileName);
    fillPresetList();
    return saved;
}
