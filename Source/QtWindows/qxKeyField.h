#pragma once
// A field that takes the next key pressed in it as its value (the toolkit's
// key code, as the key bindings store keys). Backspace or Delete clears it to
// 0, no key; modifier keys alone are not taken.
#include <QLineEdit>

class qxKeyField : public QLineEdit {
    Q_OBJECT

public:
    explicit qxKeyField(QWidget* parent = nullptr);

    int key() const { return key_; }
    // Shows `key` without emitting keyChanged.
    void setKey(int key);
    // The text shown for `key`: its name, or "None" for 0.
    static QString keyText(int key);

signals:
    void keyChanged(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int key_ = 0;
};
