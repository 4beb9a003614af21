#include "QtWindows/qxKeyField.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {
bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_unknown;
}
} // namespace

qxKeyField::qxKeyField(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setPlaceholderText("Press a key");
    setToolTip("Click, then press the key; Backspace clears it");
    setKey(0);
}

QString qxKeyField::keyText(int key)
{
    return key == 0 ? QString("None") : QKeySequence(key).toString(QKeySequence::NativeText);
}

void qxKeyField::setKey(int key)
{
    key_ = key;
    setText(keyText(key));
}

void qxKeyField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->isAutoRepeat() || isModifierKey(key))
        return;
    const int chosen = key == Qt::Key_Backspace || key == Qt::Key_Delete ? 0 : key;
    if (chosen == key_)
        return;
    setKey(chosen);
    emit keyChanged(chosen);
}
