#include "Grid.h"

#include <algorithm>
#include <vector>

Grid::Grid(float width, float depth, float height, int widthSections, int depthSections, int heightSections,
           float layoutSpacing)
{
    beginPrimitive(*this, "Grid");
    const int columns = std::max(widthSections, 1);
    const int rows = std::max(depthSections, 1);
    // Planes at the same height would be coincident copies of one sheet.
    const int layers = heightSections > 0 && height != 0.0f ? heightSections + 1 : 1;
    const float stepY = layers > 1 ? height / heightSections : 0.0f;
    for (int l = 0; l < layers; ++l) {
        std::vector<Vertex*> grid;
        grid.reserve(static_cast<size_t>(columns + 1) * (rows + 1));
        for (int j = 0; j <= rows; ++j)
            for (int i = 0; i <= columns; ++i)
                grid.push_back(newVertex(*this, Point3D(-width / 2 + width * i / columns, stepY * l,
                                                        -depth / 2 + depth * j / rows)));
        auto at = [&](int j, int i) { return grid[j * (columns + 1) + i]; };
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < columns; ++i)
                newFace(*this, {at(j, i), at(j + 1, i), at(j + 1, i + 1), at(j, i + 1)});
    }
    finishPrimitive(*this, layoutSpacing);
}
