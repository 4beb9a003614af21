#pragma once
// The "Brush Editor" window: the displacement brushes as a list (the chosen
// one is the active brush) and the fields of the active brush. Every edit
// goes straight into the displacement tool's brush list, followed by the
// tool's brushesChanged.
//
// The three pressure flags read "Pressure Strength", "Pressure Radius" and
// "Pressure Focus": when set, the tablet pen's pressure scales that value of
// the brush while painting.
#include <QDockWidget>

#include <functional>
#include <string>

#include "Settings/LengthUnits.h"
#include "Settings/OptionItem.h"
#include "Tools/Paint/Brush.h"

class DisplacementTool;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class qxCurveEditor;
class qxKeyField;
class qxNumberField;

class qxBrushEditor : public QDockWidget {
    Q_OBJECT

public:
    // What the window needs of the program.
    struct Links {
        std::function<DisplacementTool*()> tool;     // null while there is no scene
        std::function<std::string()> chooseImage;    // an image file's path; empty when the user cancelled
        std::function<LengthUnits()> units;          // how world lengths are shown; generic when unset
    };

    explicit qxBrushEditor(Links links, QWidget* parent = nullptr);
    ~qxBrushEditor() override;

    // Shows the tool's brushes as they are now.
    void refresh();
    // Shows them again only if they changed since the window last showed or
    // wrote them (a brush's shortcut key, a size drag in the viewport).
    void poll();

    // The parts, for the shell's tests.
    QListWidget* brushList() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* duplicateButton() const { return duplicate_; }
    QPushButton* deleteButton() const { return delete_; }
    QComboBox* operation() const { return operation_; }
    QComboBox* sizeTo() const { return sizeTo_; }
    qxNumberField* worldRadius() const { return worldRadiusField_; }
    qxNumberField* screenRadius() const { return screenRadiusField_; }
    qxNumberField* strength() const { return strengthField_; }
    qxNumberField* focus() const { return focusField_; }
    qxCurveEditor* curve() const { return curve_; }
    QPushButton* imageButton() const { return chooseImage_; }
    QPushButton* clearImageButton() const { return clearImage_; }
    QCheckBox* flag(int i) const { return flags_[i]; } // strength, radius, focus
    qxKeyField* shortcutKey() const { return key_; }

signals:
    // After an edit reached the tool.
    void brushesEdited();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBrushRows(QWidget* parent);
    qxNumberField* makeField(OptionItem& item, const LengthUnits& units, void (*write)(Brush&, float));
    // The world radius field shows the current units; remade when they change.
    void updateUnits();
    qxNumberField* makeWorldRadiusField();
    // Changes the active brush through `change`, then tells the tool.
    void edit(const std::function<void(Brush&)>& change);
    // Changes the list (add, duplicate, delete, choose), then tells the tool.
    void editList(const std::function<void(BrushList&)>& change);
    void afterEdit(DisplacementTool& tool);
    void fillList(const BrushList& brushes);
    void showBrush(const Brush& brush);

    Links links_;
    BrushList shown_;          // the list as last shown or written
    bool showsTool_ = false;   // shown_ came from a tool
    LengthUnits units_;

    // The numeric fields edit these options, which mirror the active brush.
    OptionItem worldRadiusItem_{"World Radius", OptionType::Float};
    OptionItem screenRadiusItem_{"Screen Radius", OptionType::Float};
    OptionItem strengthItem_{"Strength", OptionType::Float};
    OptionItem focusItem_{"Focus", OptionType::Float};

    QListWidget* list_;
    QPushButton* add_;
    QPushButton* duplicate_;
    QPushButton* delete_;
    QFormLayout* form_ = nullptr;
    QComboBox* operation_ = nullptr;
    QComboBox* sizeTo_ = nullptr;
    QWidget* worldRadiusRow_ = nullptr; // holds worldRadiusField_
    qxNumberField* worldRadiusField_ = nullptr;
    qxNumberField* screenRadiusField_ = nullptr;
    qxNumberField* strengthField_ = nullptr;
    qxNumberField* focusField_ = nullptr;
    qxCurveEditor* curve_ = nullptr;
    QLineEdit* imageName_ = nullptr;
    QPushButton* chooseImage_ = nullptr;
    QPushButton* clearImage_ = nullptr;
    QCheckBox* flags_[3] = {};
    qxKeyField* key_ = nullptr;
};
