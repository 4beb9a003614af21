#include "Scene/Commands/CommandTable.h"

#include "QtWindows/qtContextHelp.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString helpPage(int commandId)
{
    QString help = fromView(commandHelp(commandId));
    if (help.isEmpty())
        help = "No help is available for this command.";
    return "<h3>" + fromView(commandName(commandId)).toHtmlEscaped() + "</h3><p>" + help.toHtmlEscaped() + "</p>";
}
} // namespace

qtContextHelp::qtContextHelp(QWidget* parent) : QDockWidget("Context Help", parent)
{
    setObjectName("Context Help");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    filter_ = new QLineEdit(body);
    filter_->setPlaceholderText("Find a command");
    list_ = new QListWidget(body);
    text_ = new QTextBrowser(body);
    layout->addWidget(filter_);
    layout->addWidget(list_, 2);
    layout->addWidget(text_, 1);
    // Only commands a user can bind: they have names the name lookup finds.
    for (int id : allCommandIds()) {
        if (commandIdByName(commandName(id)) != id)
            continue;
        auto* item = new QListWidgetItem(fromView(commandName(id)), list_);
        item->setData(Qt::UserRole, id);
    }
    connect(filter_, &QLineEdit::textChanged, this, &qtContextHelp::applyFilter);
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            text_->setHtml(helpPage(item->data(Qt::UserRole).toInt()));
    });
    setWidget(body);
}

void qtContextHelp::applyFilter(const QString& text)
{
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setHidden(!list_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void qtContextHelp::showCommand(int commandId)
{
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->data(Qt::UserRole).toInt() == commandId) {
            list_->setCurrentRow(i);
            break;
        }
    }
    text_->setHtml(helpPage(commandId));
    show();
    raise();
}

QString qtContextHelp::shownText() const
{
    return text_->toPlainText();
}
