#include "Scene/View/ViewLayout.h"

#include <cmath>
#include <cstdlib>

#include "Scene/View/CameraSet.h"

namespace {

struct LayoutRow {
    float splitX, splitY;
    std::vector<int> cameras;
    bool upright, level; // which dividers the layout has
};

// The three-view layouts give the large view 60 percent of the width; it
// comes first, so that the UV views can take the two small ones.
const LayoutRow layoutRows[ViewLayout::Count] = {
    {50, 50, {PerspectiveCamera}, false, false},
    {50, 50, {TopCamera, PerspectiveCamera, FrontCamera, RightCamera}, true, true},
    {50, 50, {PerspectiveCamera, FrontCamera}, true, false},
    {50, 50, {PerspectiveCamera, FrontCamera}, false, true},
    {40, 50, {PerspectiveCamera, TopCamera, FrontCamera}, true, true},
    {60, 50, {PerspectiveCamera, TopCamera, FrontCamera}, true, true},
};

int pixel(float percent, int size) { return static_cast<int>(std::lround(percent * size / 100.0f)); }

} // namespace

ViewLayout::ViewLayout(int layoutId) : id(layoutId)
{
    const LayoutRow& row = layoutRows[layoutId >= 0 && layoutId < Count ? layoutId : Single];
    splitX = row.splitX;
    splitY = row.splitY;
    for (int camera : row.cameras)
        viewports.push_back(Viewport{camera, {}});
}

std::vector<PercentRect> ViewLayout::percentRects() const
{
    const float x = splitX, y = splitY;
    switch (id) {
    case Four:
        return {{0, x, y, 100}, {x, 100, y, 100}, {0, x, 0, y}, {x, 100, 0, y}};
    case Vertical:
        return {{0, x, 0, 100}, {x, 100, 0, 100}};
    case Horizontal:
        return {{0, 100, y, 100}, {0, 100, 0, y}};
    case ThreeRight:
        return {{x, 100, 0, 100}, {0, x, y, 100}, {0, x, 0, y}};
    case ThreeLeft:
        return {{0, x, 0, 100}, {x, 100, y, 100}, {x, 100, 0, y}};
    default:
        return {{0, 100, 0, 100}};
    }
}

void ViewLayout::fit(int areaWidth, int areaHeight)
{
    width = areaWidth;
    height = areaHeight;
    const std::vector<PercentRect> rects = percentRects();
    for (size_t i = 0; i < viewports.size() && i < rects.size(); ++i) {
        const PercentRect& p = rects[i];
        const int left = pixel(p.left, width), right = pixel(p.right, width);
        const int bottom = pixel(p.bottom, height), top = pixel(p.top, height);
        viewports[i].rect = ViewRect{left, bottom, right - left, top - bottom};
    }
}

int ViewLayout::dividerAt(int x, int y, int reach) const
{
    const LayoutRow& row = layoutRows[id];
    if (row.upright && std::abs(x - pixel(splitX, width)) <= reach)
        return 0;
    if (!row.level || std::abs(y - pixel(splitY, height)) > reach)
        return -1;
    // The three-view layouts split only their small column.
    const int divide = pixel(splitX, width);
    if ((id == ThreeRight && x > divide) || (id == ThreeLeft && x < divide))
        return -1;
    return 1;
}

int ViewLayout::viewportAt(int x, int y) const
{
    for (size_t i = 0; i < viewports.size(); ++i)
        if (viewports[i].rect.contains(x, y))
            return static_cast<int>(i);
    return -1;
}
