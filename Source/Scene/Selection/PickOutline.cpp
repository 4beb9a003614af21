#include "Scene/Selection/PickOutline.h"

#include <algorithm>
#include <cmath>

PickOutline PickOutline::rectangle(PixelPoint a, PixelPoint b)
{
    return polygon({a, {b.x, a.y}, b, {a.x, b.y}});
}

PickOutline PickOutline::polygon(std::vector<PixelPoint> points)
{
    PickOutline outline;
    outline.points_ = std::move(points);
    outline.fill();
    return outline;
}

PickOutline PickOutline::stroke(PixelPoint a, PixelPoint b, double radius)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length < 1e-9) {
        dx = 1;
        dy = 0;
    } else {
        dx /= length;
        dy /= length;
    }
    // Along the segment and across it, each radius long; the ends reach
    // past a and b so that a single point still gives a square.
    const double ax = dx * radius, ay = dy * radius, nx = -dy * radius, ny = dx * radius;
    return polygon({{a.x - ax + nx, a.y - ay + ny},
                    {a.x - ax - nx, a.y - ay - ny},
                    {b.x + ax - nx, b.y + ay - ny},
                    {b.x + ax + nx, b.y + ay + ny}});
}

void PickOutline::fill()
{
    if (points_.size() < 3)
        return;
    double minX = points_[0].x, maxX = minX, minY = points_[0].y, maxY = minY;
    for (const PixelPoint& p : points_) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    x0_ = static_cast<int>(std::floor(minX));
    y0_ = static_cast<int>(std::floor(minY));
    width_ = static_cast<int>(std::floor(maxX)) - x0_ + 1;
    height_ = static_cast<int>(std::floor(maxY)) - y0_ + 1;
    mask_.assign(static_cast<size_t>(width_) * height_, 0);
    // Scanlines through pixel centres; crossings toggle the inside state.
    std::vector<double> crossings;
    for (int row = 0; row < height_; ++row) {
        const double y = y0_ + row + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points_.size(); ++i) {
            const PixelPoint& a = points_[i];
            const PixelPoint& b = points_[(i + 1) % points_.size()];
            if ((a.y <= y) != (b.y <= y))
                crossings.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(static_cast<int>(std::ceil(crossings[i] - 0.5)) - x0_, 0);
            const int to = std::min(static_cast<int>(std::floor(crossings[i + 1] - 0.5)) - x0_, width_ - 1);
            for (int col = from; col <= to; ++col)
                mask_[static_cast<size_t>(row) * width_ + col] = 1;
        }
    }
}

bool PickOutline::contains(double x, double y) const
{
    const int col = static_cast<int>(std::floor(x)) - x0_, row = static_cast<int>(std::floor(y)) - y0_;
    if (col < 0 || row < 0 || col >= width_ || row >= height_)
        return false;
    return mask_[static_cast<size_t>(row) * width_ + col] != 0;
}

bool PickOutline::touchesSegment(PixelPoint a, PixelPoint b) const
{
    // Segments wholly beside the bounds need no sampling.
    if (std::max(a.x, b.x) < x0_ || std::min(a.x, b.x) >= x1() || std::max(a.y, b.y) < y0_ ||
        std::min(a.y, b.y) >= y1())
        return false;
    const int steps = std::clamp(static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) * 2), 1, 4096);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        if (contains(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t))
            return true;
    }
    return false;
}

bool pointInPolygon(PixelPoint p, const std::vector<PixelPoint>& corners)
{
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const PixelPoint& a = corners[i];
        const PixelPoint& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}
