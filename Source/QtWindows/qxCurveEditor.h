#pragma once
// The falloff curve of a brush, drawn from the centre (t = 0, left) to the
// rim (t = 1, right) with the falloff value upwards. A click on empty space
// adds a point, a drag moves one, a right click or the Delete key removes it.
// The points at t = 0 and t = 1 always stay: they can move only up and down.
#include <QWidget>

#include <vector>

#include "Tools/Paint/Brush.h"

// The point rules, apart from the widget. Every curve they are given and
// leave is sorted by t, at least two points, the first at t = 0 and the last
// at t = 1; values and t are kept within 0 … 1.
namespace CurveEditing {
// Inserts a point at (t, value) in t order and returns its index. A point at
// the t of an existing one (an endpoint included) moves that point's value instead.
int addPoint(std::vector<CurvePoint>& curve, float t, float value);
// Moves point i to (t, value). Endpoints keep their t; an inner point stays
// strictly between its neighbours. Returns false for an index out of range.
bool movePoint(std::vector<CurvePoint>& curve, int i, float t, float value);
// Removes inner point i; false, changing nothing, for an endpoint or an index out of range.
bool removePoint(std::vector<CurvePoint>& curve, int i);
} // namespace CurveEditing

class qxCurveEditor : public QWidget {
    Q_OBJECT

public:
    explicit qxCurveEditor(QWidget* parent = nullptr);

    // Shows `curve` (copied); the point being dragged, if any, is dropped.
    void setCurve(std::vector<CurvePoint> curve);
    const std::vector<CurvePoint>& curve() const { return curve_; }
    // The chosen point (the last one clicked), -1 when none.
    int selectedPoint() const { return selected_; }

    // Widget position of a curve point, and the curve point at a widget position.
    QPointF toWidget(const CurvePoint& p) const;
    CurvePoint fromWidget(QPointF at) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After a point was added, moved or removed.
    void curveChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The point within grab distance of `at`, -1 when none.
    int pointAt(QPointF at) const;
    QRectF plotArea() const;

    std::vector<CurvePoint> curve_{{0, 1}, {1, 0}};
    int selected_ = -1;
    bool dragging_ = false;
};
