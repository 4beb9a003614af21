#include "Settings/OptionGroup.h"

#include "QtWindows/qxOptionsPanel.h"
#include "QtWindows/qxNumberField.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {
QString text(const std::string& s) { return QString::fromStdString(s); }

QString colourStyle(const float* rgb)
{
    QColor c = QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
    return QString("background-color: %1").arg(c.name());
}

QString pointText(float v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(v));
    return buffer;
}
} // namespace

qxOptionsPanel::qxOptionsPanel(OptionGroup& group, const LengthUnits& units, RunCommand run, QWidget* parent)
    : QWidget(parent), group_(group)
{
    auto* form = new QFormLayout(this);
    for (int i = 0; i < group.optionCount(); ++i) {
        OptionItem& item = group.option(i);
        if (!item.shown())
            continue;
        const QString name = text(item.name());
        switch (item.baseType()) {
        case OptionType::Int:
        case OptionType::Float: {
            auto* field = new qxNumberField(item, units, this);
            connect(field, &qxNumberField::valueChanged, this, &qxOptionsPanel::valueChanged);
            refreshers_.push_back([field] { field->refresh(); });
            form->addRow(name, field);
            break;
        }
        case OptionType::Bool: {
            auto* box = new QCheckBox(this);
            connect(box, &QCheckBox::toggled, this, [this, &item](bool on) {
                item.setBool(on);
                emit valueChanged();
            });
            refreshers_.push_back([box, &item] {
                QSignalBlocker quiet(box);
                box->setChecked(*item.boolValue());
            });
            form->addRow(name, box);
            break;
        }
        case OptionType::Choice: {
            auto* list = new QComboBox(this);
            for (const std::string& c : item.choices())
                list->addItem(text(c));
            connect(list, &QComboBox::activated, this, [this, &item](int index) {
                item.setInt(index);
                emit valueChanged();
            });
            refreshers_.push_back([list, &item] {
                QSignalBlocker quiet(list);
                list->setCurrentIndex(*item.intValue());
            });
            form->addRow(name, list);
            break;
        }
        case OptionType::String:
        case OptionType::FilePath: {
            auto* row = new QWidget(this);
            auto* layout = new QHBoxLayout(row);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* edit = new QLineEdit(row);
            layout->addWidget(edit, 1);
            connect(edit, &QLineEdit::editingFinished, this, [this, edit, &item] {
                if (edit->text().toStdString() == *item.stringValue())
                    return;
                item.setString(edit->text().toStdString());
                emit valueChanged();
            });
            if (item.baseType() == OptionType::FilePath) {
                auto* browse = new QPushButton("...", row);
                browse->setMaximumWidth(30);
                layout->addWidget(browse);
                connect(browse, &QPushButton::clicked, this, [this, edit] {
                    QString path = QFileDialog::getOpenFileName(this, "Choose File", edit->text());
                    if (path.isEmpty())
                        return;
                    edit->setText(path);
                    emit edit->editingFinished();
                });
            }
            refreshers_.push_back([edit, &item] { edit->setText(text(*item.stringValue())); });
            form->addRow(name, row);
            break;
        }
        case OptionType::Colour: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, &item] {
                const float* rgb = item.tripleValue();
                QColor chosen = QColorDialog::getColor(QColor::fromRgbF(rgb[0], rgb[1], rgb[2]), this,
                                                       text(item.name()));
                if (!chosen.isValid())
                    return;
                item.setTriple(chosen.redF(), chosen.greenF(), chosen.blueF());
                refresh();
                emit valueChanged();
            });
            refreshers_.push_back([button, &item] { button->setStyleSheet(colourStyle(item.tripleValue())); });
            form->addRow(name, button);
            break;
        }
        case OptionType::Point: {
            auto* row = new QWidget(this);
            auto* layout = new QHBoxLayout(row);
            layout->setContentsMargins(0, 0, 0, 0);
            QLineEdit* edits[3];
            for (QLineEdit*& e : edits) {
                e = new QLineEdit(row);
                layout->addWidget(e);
            }
            for (QLineEdit* e : edits) {
                connect(e, &QLineEdit::editingFinished, this, [this, edits, &item] {
                    float v[3];
                    const float* old = item.tripleValue();
                    for (int k = 0; k < 3; ++k) {
                        bool ok = false;
                        v[k] = edits[k]->text().toFloat(&ok);
                        if (!ok)
                            v[k] = old[k];
                    }
                    bool changed = v[0] != old[0] || v[1] != old[1] || v[2] != old[2];
                    item.setTriple(v[0], v[1], v[2]);
                    refresh();
                    if (changed)
                        emit valueChanged();
                });
            }
            refreshers_.push_back([=, &item] {
                for (int k = 0; k < 3; ++k)
                    edits[k]->setText(pointText(item.tripleValue()[k]));
            });
            form->addRow(name, row);
            break;
        }
        case OptionType::Command: {
            auto* button = new QPushButton(item.label().empty() ? name : text(item.label()), this);
            int commandId = item.commandId();
            connect(button, &QPushButton::clicked, this, [run, commandId] {
                if (run)
                    run(commandId);
            });
            form->addRow(button);
            break;
        }
        }
    }
    refresh();
}

void qxOptionsPanel::refresh()
{
    for (const auto& r : refreshers_)
        r();
}
