#include "Tools/Paint/BrushCursor.h"

#include "QtWindows/qtBrushCursorOverlay.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
// Light on a dark outline, so that the circle reads on any shading.
const QColor circleColour(255, 255, 255, 220);
const QColor outlineColour(0, 0, 0, 120);
} // namespace

qtBrushCursorOverlay::qtBrushCursorOverlay(QWidget* viewport) : QWidget(viewport)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(viewport->rect());
    viewport->installEventFilter(this);
    hide();
}

bool qtBrushCursorOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void qtBrushCursorOverlay::follow(const BrushCursor* cursor, int framebufferHeight, double pixelRatio)
{
    if (!cursor || !cursor->shown) {
        stamp_ = -1;
        hide();
        return;
    }
    if (cursor->stamp == stamp_ && isVisible())
        return;
    stamp_ = cursor->stamp;
    const QRect before = isVisible() ? drawnArea() : QRect();
    const double ratio = pixelRatio > 0 ? pixelRatio : 1;
    centre_ = QPointF(cursor->x / ratio, (framebufferHeight - cursor->y) / ratio);
    radius_ = cursor->radius / ratio;
    label_ = QString::fromStdString(cursor->label);
    if (!isVisible()) {
        show();
        raise();
    }
    // Only where the circle was and where it is now.
    update(before.united(drawnArea()));
}

QRect qtBrushCursorOverlay::drawnArea() const
{
    const double reach = radius_ + LineWidth + 1;
    QRect circle = QRectF(centre_.x() - reach, centre_.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
    QFontMetrics metrics(font());
    QRect text = metrics.boundingRect(label_).translated(
        static_cast<int>(std::lround(centre_.x())) - LabelOffset, static_cast<int>(std::lround(centre_.y())));
    return circle.united(text.adjusted(-2, -2, 2, 2));
}

void qtBrushCursorOverlay::paintEvent(QPaintEvent*)
{
    ++paints_;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outlineColour, LineWidth + 2));
    p.drawEllipse(centre_, radius_, radius_);
    p.setPen(QPen(circleColour, LineWidth));
    p.drawEllipse(centre_, radius_, radius_);
    p.drawText(QPointF(centre_.x() - LabelOffset, centre_.y()), label_);
}
