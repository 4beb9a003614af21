#pragma once
// The viewport layouts: which cameras share the drawing area and where each
// one's rectangle lies. Rectangles follow from the layout's divider
// positions, kept in percent so that a layout keeps its shape at any size.
#include <vector>

#include "Scene/View/Camera.h"

// One viewport of a layout.
struct Viewport {
    int camera = 0;  // position in the display's camera list
    ViewRect rect;   // pixels of the drawing area, origin bottom-left
};

// Sides of a viewport in percent of the drawing area.
struct PercentRect {
    float left, right, bottom, top;
};

struct ViewLayout {
    enum Id { Single = 0, Four = 1, Vertical = 2, Horizontal = 3, ThreeRight = 4, ThreeLeft = 5, Count = 6 };

    // The layout `id` (an Id) with its starting cameras and dividers.
    explicit ViewLayout(int id);

    // The rectangles in percent, one per viewport in viewport order.
    std::vector<PercentRect> percentRects() const;
    // Sets every viewport's pixel rectangle for a drawing area of width × height.
    void fit(int width, int height);
    // Which divider lies within `reach` pixels of (x, y): 0 the upright one
    // (its position is splitX), 1 the level one (splitY), -1 none.
    int dividerAt(int x, int y, int reach) const;
    // The viewport whose rectangle holds (x, y); -1 when none does.
    int viewportAt(int x, int y) const;

    int id;
    // Divider positions in percent: the upright divider's x, the level one's y.
    float splitX;
    float splitY;
    std::vector<Viewport> viewports;
    int active = 0;  // the viewport last pressed in
    int width = 0;   // the drawing area of the last fit
    int height = 0;
};
