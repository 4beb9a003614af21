#pragma once
// The brush circle and the brush's name, drawn on a transparent widget over
// the viewport: moving the circle repaints only this widget, never the scene.
// It lets every mouse event through to the viewport beneath.
#include <QWidget>

#include <string>

struct BrushCursor;

class qtBrushCursorOverlay : public QWidget {
    Q_OBJECT

public:
    // Covers `viewport`, its parent, and follows its size.
    explicit qtBrushCursorOverlay(QWidget* viewport);

    // Shows `cursor` when it changed since the last call (by its stamp);
    // null or a cursor not shown hides the overlay. framebufferHeight and
    // pixelRatio turn the cursor's bottom-up framebuffer pixels into widget
    // coordinates.
    void follow(const BrushCursor* cursor, int framebufferHeight, double pixelRatio);

    // The circle as last drawn, in widget coordinates.
    QPointF centre() const { return centre_; }
    double radius() const { return radius_; }
    int paints() const { return paints_; }

    // Pixels between the cursor and the start of the brush's name.
    static constexpr int LabelOffset = 20;
    static constexpr int LineWidth = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The part of the widget that the circle and the label cover.
    QRect drawnArea() const;

    int stamp_ = -1;       // of the cursor shown; -1 when none
    QPointF centre_;
    double radius_ = 0;
    QString label_;
    int paints_ = 0;
};
