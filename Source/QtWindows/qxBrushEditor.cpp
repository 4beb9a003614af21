#include "Tools/Paint/DisplacementTool.h"

#include "QtWindows/qxBrushEditor.h"
#include "QtWindows/qxCurveEditor.h"
#include "QtWindows/qxKeyField.h"
#include "QtWindows/qxNumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const char* const Title = "Brush Editor";
const char* const SizeToNames[] = {"World", "Screen"}; // indexed by RadiusType

struct FlagRow {
    const char* label;
    bool Brush::*flag;
};
// Each flag lets the tablet pen's pressure scale that value while painting.
constexpr FlagRow flagRows[] = {
    {"Pressure Strength", &Brush::strengthFlag},
    {"Pressure Radius", &Brush::radiusFlag},
    {"Pressure Focus", &Brush::focusFlag},
};

struct Limits {
    float minimum, maximum, dragStep, dragRate;
};
// Radii and strength grow by a share of themselves per drag unit; focus by
// a fixed step, as it lives between 0 and just below 1.
constexpr Limits worldRadiusLimits{0.0001f, 100000, 0, 0.05f};
constexpr Limits screenRadiusLimits{1, 4000, 0, 0.05f};
constexpr Limits strengthLimits{0, 1000, 0, 0.05f};
constexpr Limits focusLimits{0, 0.99f, 0.01f, 0};

void setLimits(OptionItem& item, const Limits& l)
{
    item.setAttribute(NumericAttribute::Minimum, l.minimum);
    item.setAttribute(NumericAttribute::Maximum, l.maximum);
    if (l.dragStep > 0)
        item.setAttribute(NumericAttribute::DragStep, l.dragStep);
    if (l.dragRate > 0)
        item.setAttribute(NumericAttribute::DragRate, l.dragRate);
}

bool sameCurve(const std::vector<CurvePoint>& a, const std::vector<CurvePoint>& b)
{
    return std::ranges::equal(a, b, [](const CurvePoint& p, const CurvePoint& q) {
        return p.t == q.t && p.value == q.value;
    });
}

bool sameBrush(const Brush& a, const Brush& b)
{
    return a.operation == b.operation && a.worldRadius == b.worldRadius && a.screenRadius == b.screenRadius &&
           a.radiusType == b.radiusType && a.strength == b.strength && a.focus == b.focus &&
           sameCurve(a.curve, b.curve) && a.imageFile == b.imageFile && a.strengthFlag == b.strengthFlag &&
           a.radiusFlag == b.radiusFlag && a.focusFlag == b.focusFlag && a.shortcutKey == b.shortcutKey;
}

bool sameList(const BrushList& a, const BrushList& b)
{
    return a.active == b.active && std::ranges::equal(a.brushes, b.brushes, sameBrush);
}

// "2  Smooth/Noise  [S]": the number tells duplicates apart.
QString listText(int index, const Brush& b)
{
    QString text = QString("%1  %2").arg(index + 1).arg(brushOperationName(b.operation));
    if (b.shortcutKey != 0)
        text += QString("  [%1]").arg(qxKeyField::keyText(b.shortcutKey));
    return text;
}

bool equalUnits(const LengthUnits& a, const LengthUnits& b) { return a.system == b.system && a.scale == b.scale; }
} // namespace

qxBrushEditor::qxBrushEditor(Links links, QWidget* parent) : QDockWidget(Title, parent), links_(std::move(links))
{
    setObjectName(Title); // the dock layout is saved and restored by name
    setLimits(worldRadiusItem_, worldRadiusLimits);
    worldRadiusItem_.setLength(true);
    setLimits(screenRadiusItem_, screenRadiusLimits);
    setLimits(strengthItem_, strengthLimits);
    setLimits(focusItem_, focusLimits);
    if (links_.units)
        units_ = links_.units();

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    list_ = new QListWidget(body);
    list_->setMaximumHeight(140);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton("Add", body);
    duplicate_ = new QPushButton("Duplicate", body);
    delete_ = new QPushButton("Delete", body);
    for (QPushButton* b : {add_, duplicate_, delete_})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    auto* scroll = new QScrollArea(body);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(buildBrushRows(scroll));
    layout->addWidget(scroll, 1);
    setWidget(body);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            editList([row](BrushList& l) { l.active = std::min(row, static_cast<int>(l.brushes.size()) - 1); });
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        editList([](BrushList& l) {
            l.brushes.push_back(Brush{});
            l.active = static_cast<int>(l.brushes.size()) - 1;
        });
    });
    connect(duplicate_, &QPushButton::clicked, this, [this] {
        editList([](BrushList& l) {
            Brush copy = l.current();
            copy.shortcutKey = 0; // one key selects one brush
            l.brushes.insert(l.brushes.begin() + l.active + 1, copy);
            ++l.active;
        });
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        editList([](BrushList& l) {
            if (l.brushes.size() <= 1)
                return;
            l.brushes.erase(l.brushes.begin() + l.active);
            l.active = std::min(l.active, static_cast<int>(l.brushes.size()) - 1);
        });
    });
    refresh();
}

qxBrushEditor::~qxBrushEditor() = default;

QWidget* qxBrushEditor::buildBrushRows(QWidget* parent)
{
    auto* rows = new QWidget(parent);
    form_ = new QFormLayout(rows);

    operation_ = new QComboBox(rows);
    for (int i = 0; i < brushOperationCount; ++i)
        operation_->addItem(brushOperationName(static_cast<BrushOperation>(i)));
    connect(operation_, &QComboBox::activated, this, [this](int index) {
        edit([index](Brush& b) { b.operation = static_cast<BrushOperation>(index); });
    });
    form_->addRow("Operation", operation_);

    sizeTo_ = new QComboBox(rows);
    for (const char* name : SizeToNames)
        sizeTo_->addItem(name);
    connect(sizeTo_, &QComboBox::activated, this, [this](int index) {
        edit([index](Brush& b) { b.radiusType = static_cast<RadiusType>(index); });
    });
    form_->addRow("Size To", sizeTo_);

    // A holder, so that the field can be remade for other length units.
    worldRadiusRow_ = new QWidget(rows);
    new QHBoxLayout(worldRadiusRow_);
    worldRadiusRow_->layout()->setContentsMargins(0, 0, 0, 0);
    worldRadiusField_ = makeWorldRadiusField();
    form_->addRow("World Radius", worldRadiusRow_);
    screenRadiusField_ = makeField(screenRadiusItem_, {}, [](Brush& b, float v) { b.setScreenRadius(v); });
    form_->addRow("Screen Radius", screenRadiusField_);
    strengthField_ = makeField(strengthItem_, {}, [](Brush& b, float v) { b.strength = v; });
    form_->addRow("Strength", strengthField_);
    focusField_ = makeField(focusItem_, {}, [](Brush& b, float v) { b.focus = v; });
    form_->addRow("Focus", focusField_);

    curve_ = new qxCurveEditor(rows);
    connect(curve_, &qxCurveEditor::curveChanged, this, [this] {
        edit([this](Brush& b) { b.curve = curve_->curve(); });
    });
    form_->addRow("Falloff", curve_);

    auto* imageRow = new QWidget(rows);
    auto* imageLayout = new QHBoxLayout(imageRow);
    imageLayout->setContentsMargins(0, 0, 0, 0);
    imageName_ = new QLineEdit(imageRow);
    imageName_->setReadOnly(true);
    imageName_->setPlaceholderText("None: the curve");
    chooseImage_ = new QPushButton("...", imageRow);
    chooseImage_->setMaximumWidth(30);
    chooseImage_->setToolTip("Choose an image whose pixels replace the falloff curve");
    clearImage_ = new QPushButton("Clear", imageRow);
    imageLayout->addWidget(imageName_, 1);
    imageLayout->addWidget(chooseImage_);
    imageLayout->addWidget(clearImage_);
    connect(chooseImage_, &QPushButton::clicked, this, [this] {
        std::string path = links_.chooseImage ? links_.chooseImage() : std::string();
        if (!path.empty())
            edit([&path](Brush& b) { b.imageFile = path; });
    });
    connect(clearImage_, &QPushButton::clicked, this, [this] { edit([](Brush& b) { b.imageFile.clear(); }); });
    form_->addRow("Falloff Image", imageRow);

    for (int i = 0; i < 3; ++i) {
        bool Brush::*flag = flagRows[i].flag;
        flags_[i] = new QCheckBox(rows);
        flags_[i]->setToolTip("Tablet pen pressure scales this value while painting");
        connect(flags_[i], &QCheckBox::toggled, this, [this, flag](bool on) { edit([&](Brush& b) { b.*flag = on; }); });
        form_->addRow(flagRows[i].label, flags_[i]);
    }

    key_ = new qxKeyField(rows);
    connect(key_, &qxKeyField::keyChanged, this, [this](int key) { edit([key](Brush& b) { b.shortcutKey = key; }); });
    form_->addRow("Shortcut Key", key_);
    return rows;
}

qxNumberField* qxBrushEditor::makeField(OptionItem& item, const LengthUnits& units, void (*write)(Brush&, float))
{
    auto* field = new qxNumberField(item, units);
    connect(field, &qxNumberField::valueChanged, this, [this, &item, write] {
        const float v = *item.floatValue();
        edit([write, v](Brush& b) { write(b, v); });
    });
    return field;
}

void qxBrushEditor::updateUnits()
{
    LengthUnits now = links_.units ? links_.units() : LengthUnits{};
    if (equalUnits(now, units_))
        return;
    units_ = now;
    delete worldRadiusField_;
    worldRadiusField_ = makeWorldRadiusField();
}

qxNumberField* qxBrushEditor::makeWorldRadiusField()
{
    qxNumberField* field = makeField(worldRadiusItem_, units_, [](Brush& b, float v) { b.setWorldRadius(v); });
    worldRadiusRow_->layout()->addWidget(field);
    return field;
}

void qxBrushEditor::showEvent(QShowEvent* event)
{
    refresh();
    QDockWidget::showEvent(event);
}

void qxBrushEditor::poll()
{
    DisplacementTool* tool = links_.tool ? links_.tool() : nullptr;
    if (!isVisible() || (tool && showsTool_ && sameList(tool->brushes, shown_)))
        return;
    refresh();
}

void qxBrushEditor::refresh()
{
    updateUnits();
    DisplacementTool* tool = links_.tool ? links_.tool() : nullptr;
    widget()->setEnabled(tool != nullptr);
    showsTool_ = tool != nullptr;
    if (!tool)
        return;
    shown_ = tool->brushes;
    fillList(shown_);
    showBrush(shown_.current());
}

void qxBrushEditor::fillList(const BrushList& brushes)
{
    QSignalBlocker quiet(list_);
    const int count = static_cast<int>(brushes.brushes.size());
    while (list_->count() > count)
        delete list_->takeItem(list_->count() - 1);
    while (list_->count() < count)
        list_->addItem(QString());
    for (int i = 0; i < count; ++i)
        list_->item(i)->setText(listText(i, brushes.brushes[i]));
    list_->setCurrentRow(brushes.active);
    delete_->setEnabled(count > 1);
}

void qxBrushEditor::showBrush(const Brush& b)
{
    QSignalBlocker quietOperation(operation_), quietSize(sizeTo_), quietKey(key_), quietCurve(curve_);
    operation_->setCurrentIndex(static_cast<int>(b.operation));
    sizeTo_->setCurrentIndex(static_cast<int>(b.radiusType));
    // Only the radius the brush is sized by is edited here.
    form_->setRowVisible(worldRadiusRow_, b.radiusType == RadiusType::World);
    form_->setRowVisible(screenRadiusField_, b.radiusType == RadiusType::Screen);
    const std::pair<OptionItem*, float> values[] = {
        {&worldRadiusItem_, b.worldRadius}, {&screenRadiusItem_, b.screenRadius},
        {&strengthItem_, b.strength},       {&focusItem_, b.focus}};
    for (auto [item, v] : values)
        item->setFloat(v);
    for (qxNumberField* f : {worldRadiusField_, screenRadiusField_, strengthField_, focusField_})
        f->refresh();
    if (!sameCurve(curve_->curve(), b.curve))
        curve_->setCurve(b.curve); // not while a point is dragged: that would drop it
    curve_->setEnabled(b.imageFile.empty()); // the image's pixels replace the curve
    imageName_->setText(QFileInfo(QString::fromStdString(b.imageFile)).fileName());
    imageName_->setToolTip(QString::fromStdString(b.imageFile));
    clearImage_->setEnabled(!b.imageFile.empty());
    for (int i = 0; i < 3; ++i) {
        QSignalBlocker quiet(flags_[i]);
        flags_[i]->setChecked(b.*flagRows[i].flag);
    }
    key_->setKey(b.shortcutKey);
}

void qxBrushEditor::edit(const std::function<void(Brush&)>& change)
{
    DisplacementTool* tool = links_.tool ? links_.tool() : nullptr;
    if (!tool)
        return;
    change(tool->brushes.current());
    afterEdit(*tool);
}

void qxBrushEditor::editList(const std::function<void(BrushList&)>& change)
{
    DisplacementTool* tool = links_.tool ? links_.tool() : nullptr;
    if (!tool)
        return;
    change(tool->brushes);
    afterEdit(*tool);
}

void qxBrushEditor::afterEdit(DisplacementTool& tool)
{
    tool.brushesChanged();
    // The tool may have adjusted what it was given; show what it keeps.
    shown_ = tool.brushes;
    showsTool_ = true;
    fillList(shown_);
    showBrush(shown_.current());
    emit brushesEdited();
}
