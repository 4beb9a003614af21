#pragma once
// The context help window: every command by name, filtered as the user
// types, with the help text of the one chosen. Menus show the same texts as
// tool tips; this window is for looking a command up.
#include <QDockWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class qtContextHelp : public QDockWidget {
    Q_OBJECT

public:
    explicit qtContextHelp(QWidget* parent = nullptr);

    // Shows the help of `commandId` (selecting it in the list).
    void showCommand(int commandId);
    // The text shown for the chosen command.
    QString shownText() const;
    QLineEdit* filter() const { return filter_; }
    QListWidget* list() const { return list_; }

private:
    void applyFilter(const QString& text);

    QLineEdit* filter_;
    QListWidget* list_;
    QTextBrowser* text_;
};
