#include "Settings/NumberFieldRules.h"
#include "Settings/OptionItem.h"

#include "QtWindows/qxNumberField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

qxNumberField::qxNumberField(OptionItem& item, const LengthUnits& units, QWidget* parent)
    : QWidget(parent), item_(item), units_(units), edit_(new QLineEdit(this)), handle_(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_, 1);
    layout->addWidget(handle_);
    handle_->setText(QString::fromUtf8("\u2195"));
    handle_->setCursor(Qt::SizeVerCursor);
    handle_->setToolTip("Drag up or down to change the value");
    handle_->installEventFilter(this);
    connect(edit_, &QLineEdit::editingFinished, this, [this] { enter(edit_->text()); });
    refresh();
}

float qxNumberField::value() const
{
    if (const int* i = item_.intValue())
        return static_cast<float>(*i);
    const float* f = item_.floatValue();
    return f ? *f : 0.0f;
}

void qxNumberField::setValue(float value)
{
    if (item_.intValue())
        item_.setInt(static_cast<int>(value));
    else
        item_.setFloat(value);
}

void qxNumberField::refresh()
{
    edit_->setText(QString::fromStdString(fieldText(item_, value(), units_)));
}

bool qxNumberField::enter(const QString& text)
{
    float typed = 0;
    bool read = readFieldText(item_, text.toStdString(), units_, typed);
    bool changed = read && typed != value();
    if (changed)
        setValue(typed);
    refresh();
    if (changed)
        emit valueChanged();
    return read;
}

void qxNumberField::drag(int steps)
{
    float before = value();
    setValue(dragValue(item_, before, steps));
    refresh();
    if (value() != before)
        emit valueChanged();
}

bool qxNumberField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != handle_)
        return QWidget::eventFilter(watched, event);
    // Only mouse events are cast; every other event of the handle passes.
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        dragging_ = mouse->button() == Qt::LeftButton;
        dragStartY_ = static_cast<int>(mouse->position().y());
        dragSteps_ = 0;
        return true;
    case QEvent::MouseMove: {
        if (!dragging_)
            return false;
        // Up is more; the drag works in whole units from where it started.
        int steps = (dragStartY_ - static_cast<int>(mouse->position().y())) / PixelsPerStep;
        if (steps != dragSteps_) {
            drag(steps - dragSteps_);
            dragSteps_ = steps;
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        return true;
    default:
        return false;
    }
}
