#pragma once
// The input field of an int or float option: the value as text in the
// option's format (and, for a length, the chosen units), typed or dragged.
// Typed values and drags are clamped to the option's limits; dragging the
// handle beside the text up or down changes the value by the option's drag
// step or drag rate per few pixels.
#include <QWidget>

#include "Settings/LengthUnits.h"

class QLabel;
class QLineEdit;
class OptionItem;

class qxNumberField : public QWidget {
    Q_OBJECT

public:
    // item: an int or float option, which must outlive the field.
    qxNumberField(OptionItem& item, const LengthUnits& units, QWidget* parent = nullptr);

    // Shows the option's current value.
    void refresh();
    // Writes `text` as if typed and confirmed; false (showing the old value
    // again) when it is not a number.
    bool enter(const QString& text);
    // Drags by `steps` units (negative: down), as the handle does.
    void drag(int steps);

    QLineEdit* edit() const { return edit_; }
    QLabel* handle() const { return handle_; }

    // Pixels of vertical mouse movement per drag unit.
    static constexpr int PixelsPerStep = 4;

signals:
    // After the option's value changed through the field.
    void valueChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    float value() const;
    void setValue(float value);

    OptionItem& item_;
    LengthUnits units_;
    QLineEdit* edit_;
    QLabel* handle_;
    int dragStartY_ = 0;
    int dragSteps_ = 0; // units applied in the current drag
    bool dragging_ = false;
};
