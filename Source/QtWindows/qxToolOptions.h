#pragma once
// The tool-options window: a dock that shows one option group at a time as
// fields (qxOptionsPanel), with the group's presets beneath. Presets are
// ".tvp" files of that one group; loading one asks first, as it overwrites
// the current values.
#include <QDockWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Settings/LengthUnits.h"

class OptionGroup;
class QComboBox;
class QScrollArea;
class QWidget;
class qxOptionsPanel;

class qxToolOptions : public QDockWidget {
    Q_OBJECT

public:
    // What the window needs of the program: running a command (the command
    // options) and asking a yes-or-no question (true for yes).
    struct Links {
        std::function<void(int commandId)> run;
        std::function<bool(const std::string& question)> confirm;
    };

    qxToolOptions(const QString& title, Links links, QWidget* parent = nullptr);

    // Shows `group` (which must outlive its showing) with lengths in `units`.
    void showGroup(OptionGroup& group, const LengthUnits& units);
    // The group shown; null before the first.
    OptionGroup* group() const { return group_; }
    qxOptionsPanel* panel() const { return panel_; }

    // Where the presets are saved; the shipped folder is only read. Empty
    // folders hide the preset row.
    void setPresetFolders(std::filesystem::path user, std::filesystem::path shipped);
    // The preset files offered for the shown group, user presets first.
    std::vector<std::filesystem::path> presets() const;
    // Loads a preset into the shown group after the confirmation question;
    // false when the user declined or nothing is shown.
    bool loadPreset(const std::filesystem::path& path);
    // Saves the shown group as preset `name` in the user folder.
    bool savePreset(const std::string& name);

signals:
    // After a field, a preset or a command option changed the shown group.
    void valueChanged();

private:
    void fillPresetList();

    Links links_;
    OptionGroup* group_ = nullptr;
    qxOptionsPanel* panel_ = nullptr;
    QScrollArea* scroll_;
    QWidget* presetRow_;
    QComboBox* presetList_;
    std::filesystem::path userPresets_;
    std::filesystem::path shippedPresets_;
};
