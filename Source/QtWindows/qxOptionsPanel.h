#pragma once
// One field per shown option of an option group, in the group's order, built
// from the group's description: number fields for ints and floats, a check
// box, a choice list, a text field, a file chooser, a colour button, three
// numbers for a point and a button for a command option. Fields write
// straight into the options (bound ones reach their program variables).
#include <QWidget>

#include <functional>
#include <vector>

#include "Settings/LengthUnits.h"

class OptionGroup;

class qxOptionsPanel : public QWidget {
    Q_OBJECT

public:
    // Runs the command of a command option.
    using RunCommand = std::function<void(int commandId)>;

    // group must outlive the panel.
    qxOptionsPanel(OptionGroup& group, const LengthUnits& units, RunCommand run, QWidget* parent = nullptr);

    OptionGroup& group() const { return group_; }
    // Shows the options' current values again (after a preset or a tool changed them).
    void refresh();

signals:
    // After the user changed a value.
    void valueChanged();

private:
    OptionGroup& group_;
    std::vector<std::function<void()>> refreshers_; // one per field
};
