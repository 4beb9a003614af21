#pragma once
// The outline of a drag selection in window pixels (origin bottom-left): a
// rectangle, a freehand lasso or the band a paint stroke sweeps. It is
// rasterised once into a mask of the pixels whose centres lie inside
// (even-odd rule), so that testing an element costs a lookup per sample
// whatever the outline's length.
#include <cstdint>
#include <vector>

struct PixelPoint {
    double x = 0, y = 0;
};

class PickOutline {
public:
    // The rectangle with corners a and b.
    static PickOutline rectangle(PixelPoint a, PixelPoint b);
    // The polygon through `points`, closed from the last back to the first.
    static PickOutline polygon(std::vector<PixelPoint> points);
    // The band of half-width `radius` along the segment a → b, square ends.
    static PickOutline stroke(PixelPoint a, PixelPoint b, double radius);

    // Whether the pixel holding window position (x, y) is inside.
    bool contains(double x, double y) const;
    // Whether any point of the segment a → b lies in an inside pixel
    // (sampled about every half pixel).
    bool touchesSegment(PixelPoint a, PixelPoint b) const;
    // Bounds of the inside pixels: columns x0 … x1 - 1, rows y0 … y1 - 1.
    int x0() const { return x0_; }
    int y0() const { return y0_; }
    int x1() const { return x0_ + width_; }
    int y1() const { return y0_ + height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    // A point of the outline, for "does this face contain the whole outline".
    PixelPoint anchor() const { return points_.empty() ? PixelPoint{} : points_.front(); }
    const std::vector<PixelPoint>& points() const { return points_; }

private:
    void fill();

    std::vector<PixelPoint> points_;
    int x0_ = 0, y0_ = 0, width_ = 0, height_ = 0;
    std::vector<uint8_t> mask_; // width_ × height_, row by row from y0_
};

// Whether window position p lies inside the polygon `corners` (even-odd).
bool pointInPolygon(PixelPoint p, const std::vector<PixelPoint>& corners);
