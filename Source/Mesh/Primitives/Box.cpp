#include "Box.h"

#include <algorithm>
#include <vector>

namespace {
// One side of the box: the lattice axis it is fixed on (0 x, 1 y, 2 z) and
// at which end, and the axes its columns (u) and rows (v) run along, with
// the ends they start from. The quad of row j and column i has corners
// (j, i), (j − 1, i), (j − 1, i − 1), (j, i − 1), which faces v × u.
struct BoxSide {
    int fixedAxis;
    bool fixedAtMax;
    int uAxis;
    bool uFromMax;
    int vAxis;
    bool vFromMax;
};

// The first side is the one at z = −depth/2, rows upward from y = 0 and
// columns from x = −width/2; the other three walls follow it around, then
// the top and the bottom.
constexpr BoxSide Sides[] = {
    {2, false, 0, false, 1, false},
    {0, true, 2, false, 1, false},
    {2, true, 0, true, 1, false},
    {0, false, 2, true, 1, false},
    {1, true, 0, false, 2, false},
    {1, false, 0, false, 2, true},
};
} // namespace

Box::Box(float width, float height, float depth, int widthSections, int heightSections, int depthSections,
         float layoutSpacing)
{
    beginPrimitive(*this, "Cube");
    const int count[3] = {std::max(widthSections, 1), std::max(heightSections, 1), std::max(depthSections, 1)};
    const float origin[3] = {-width / 2, 0.0f, -depth / 2};
    const float step[3] = {width / count[0], height / count[1], depth / count[2]};
    // Lattice points on the surface, shared by the sides that meet there.
    std::vector<Vertex*> lattice(static_cast<size_t>(count[0] + 1) * (count[1] + 1) * (count[2] + 1), nullptr);

    for (const BoxSide& side : Sides) {
        const int columns = count[side.uAxis], rows = count[side.vAxis];
        std::vector<Vertex*> grid(static_cast<size_t>(columns + 1) * (rows + 1));
        for (int j = 0; j <= rows; ++j)
            for (int i = 0; i <= columns; ++i) {
                int at[3];
                at[side.fixedAxis] = side.fixedAtMax ? count[side.fixedAxis] : 0;
                at[side.uAxis] = side.uFromMax ? columns - i : i;
                at[side.vAxis] = side.vFromMax ? rows - j : j;
                Vertex*& v = lattice[(static_cast<size_t>(at[2]) * (count[1] + 1) + at[1]) * (count[0] + 1) + at[0]];
                if (!v)
                    v = newVertex(*this, Point3D(origin[0] + at[0] * step[0], origin[1] + at[1] * step[1],
                                                 origin[2] + at[2] * step[2]));
                grid[j * (columns + 1) + i] = v;
            }
        auto corner = [&](int j, int i) { return grid[j * (columns + 1) + i]; };
        for (int j = 1; j <= rows; ++j)
            for (int i = 1; i <= columns; ++i)
                newFace(*this, {corner(j, i), corner(j - 1, i), corner(j - 1, i - 1), corner(j, i - 1)});
    }
    finishPrimitive(*this, layoutSpacing);
}
