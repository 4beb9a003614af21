#include "QtWindows/qxCurveEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// Inner points keep this much t from their neighbours, so that no segment of
// the curve is vertical (the falloff would jump there).
constexpr float MinGap = 0.001f;
constexpr int Margin = 8;          // pixels around the plot, so that endpoints can be grabbed
constexpr double GrabDistance = 6; // pixels
constexpr double PointHalfSide = 3;
constexpr int GridLines = 4;

float unit(float v) { return std::clamp(v, 0.0f, 1.0f); }
} // namespace

namespace CurveEditing {

int addPoint(std::vector<CurvePoint>& curve, float t, float value)
{
    t = unit(t);
    value = unit(value);
    auto at = std::ranges::lower_bound(curve, t, {}, &CurvePoint::t);
    int i = static_cast<int>(at - curve.begin());
    // Too close to a neighbour to be a point of its own: that point takes the value.
    for (int near : {i - 1, i}) {
        if (near >= 0 && near < static_cast<int>(curve.size()) && std::abs(curve[near].t - t) < MinGap) {
            curve[near].value = value;
            return near;
        }
    }
    curve.insert(at, CurvePoint{t, value});
    return i;
}

bool movePoint(std::vector<CurvePoint>& curve, int i, float t, float value)
{
    const int last = static_cast<int>(curve.size()) - 1;
    if (i < 0 || i > last)
        return false;
    curve[i].value = unit(value);
    if (i == 0 || i == last)
        return true;
    const float low = curve[i - 1].t + MinGap, high = curve[i + 1].t - MinGap;
    curve[i].t = low <= high ? std::clamp(t, low, high) : (curve[i - 1].t + curve[i + 1].t) / 2;
    return true;
}

bool removePoint(std::vector<CurvePoint>& curve, int i)
{
    if (i <= 0 || i >= static_cast<int>(curve.size()) - 1)
        return false;
    curve.erase(curve.begin() + i);
    return true;
}

} // namespace CurveEditing

qxCurveEditor::qxCurveEditor(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setToolTip("Click to add a point, drag to move it, right-click or Delete to remove it");
}

void qxCurveEditor::setCurve(std::vector<CurvePoint> curve)
{
    curve_ = std::move(curve);
    if (selected_ >= static_cast<int>(curve_.size()))
        selected_ = -1;
    dragging_ = false;
    update();
}

QSize qxCurveEditor::sizeHint() const { return {200, 120}; }
QSize qxCurveEditor::minimumSizeHint() const { return {100, 60}; }

QRectF qxCurveEditor::plotArea() const
{
    return QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
}

QPointF qxCurveEditor::toWidget(const CurvePoint& p) const
{
    QRectF area = plotArea();
    return {area.left() + p.t * area.width(), area.bottom() - p.value * area.height()};
}

CurvePoint qxCurveEditor::fromWidget(QPointF at) const
{
    QRectF area = plotArea();
    return {static_cast<float>((at.x() - area.left()) / area.width()),
            static_cast<float>((area.bottom() - at.y()) / area.height())};
}

int qxCurveEditor::pointAt(QPointF at) const
{
    int found = -1;
    double best = GrabDistance;
    for (size_t i = 0; i < curve_.size(); ++i) {
        QPointF d = toWidget(curve_[i]) - at;
        double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            found = static_cast<int>(i);
        }
    }
    return found;
}

void qxCurveEditor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    QRectF area = plotArea();
    p.fillRect(area, colours.color(QPalette::Base));
    p.setPen(QPen(colours.color(QPalette::AlternateBase), 1));
    for (int k = 1; k < GridLines; ++k) {
        double x = area.left() + area.width() * k / GridLines, y = area.top() + area.height() * k / GridLines;
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    p.setPen(QPen(colours.color(QPalette::Mid), 1));
    p.drawRect(area);

    // Linear between the points, as the brush reads it.
    QPainterPath line;
    for (size_t i = 0; i < curve_.size(); ++i) {
        if (i == 0)
            line.moveTo(toWidget(curve_[i]));
        else
            line.lineTo(toWidget(curve_[i]));
    }
    p.setPen(QPen(colours.color(QPalette::Text), 2));
    p.drawPath(line);

    for (size_t i = 0; i < curve_.size(); ++i) {
        QPointF c = toWidget(curve_[i]);
        QColor fill = static_cast<int>(i) == selected_ ? colours.color(QPalette::Highlight) : colours.color(QPalette::Text);
        p.fillRect(QRectF(c.x() - PointHalfSide, c.y() - PointHalfSide, 2 * PointHalfSide, 2 * PointHalfSide), fill);
    }
}

void qxCurveEditor::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    int hit = pointAt(at);
    if (event->button() == Qt::RightButton) {
        if (hit >= 0 && CurveEditing::removePoint(curve_, hit)) {
            selected_ = -1;
            update();
            emit curveChanged();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (hit < 0) {
        CurvePoint p = fromWidget(at);
        hit = CurveEditing::addPoint(curve_, p.t, p.value);
        emit curveChanged();
    }
    selected_ = hit;
    dragging_ = true;
    update();
}

void qxCurveEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || selected_ < 0)
        return;
    CurvePoint p = fromWidget(event->position());
    CurveEditing::movePoint(curve_, selected_, p.t, p.value);
    update();
    emit curveChanged();
}

void qxCurveEditor::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}

void qxCurveEditor::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && selected_ >= 0) {
        if (CurveEditing::removePoint(curve_, selected_)) {
            selected_ = -1;
            update();
            emit curveChanged();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}
