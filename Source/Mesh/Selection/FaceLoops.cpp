// Face loops: strips of quads running through pairs of adjacent selected quads.
#include <vector>

#include "Mesh/Selection/WalkSupport.h"

namespace {

// A quad is crossed either between its sides 0 and 2 or between 1 and 3;
// face tag bit (side % 2) records that the quad was crossed that way, so a
// quad on two loops is still walked once per loop.
int crossingBit(int side) { return 1 << (side % 2); }

bool isLoopFace(const Face* f) { return f && f->cornerCount() == 4 && f->holes.empty() && selectable(*f); }

// Leaves quad `f` across the side opposite `entry` and keeps going until a
// face that is not a quad (or may not be selected), a border, or a quad
// already crossed this way (the loop closed).
void walk(Face* f, const Edge* entry)
{
    for (;;) {
        const int side = walks::cornerOfEdge(*f, entry);
        if (side < 0)
            return;
        const Edge* exit = f->corners[(side + 2) % 4].edge;
        Face* next = InnerShape::otherFace(f, exit);
        if (!isLoopFace(next))
            return;
        const int nextSide = walks::cornerOfEdge(*next, exit);
        if (nextSide < 0 || (next->tag & crossingBit(nextSide)))
            return;
        next->tag |= crossingBit(nextSide);
        next->set(Geometry::Selected);
        f = next;
        entry = exit;
    }
}

} // namespace

// Two selected quads sharing a side fix a direction: the loop runs through
// both, across the sides parallel to the shared one, in both directions. A
// selected face with no selected quad beside it fixes no direction and adds
// nothing (it stays selected), since one face alone has two loops.
void selectFaceLoops(InnerShape& mesh)
{
    std::vector<Face*> seeds;
    for (Face* f : mesh.faces) {
        f->tag = 0;
        if (f->isSelected() && isLoopFace(f))
            seeds.push_back(f);
    }
    if (seeds.size() < 2)
        return;
    for (Face* f : seeds) {
        for (int side = 0; side < 4; ++side) {
            const Edge* shared = f->corners[side].edge;
            Face* g = InnerShape::otherFace(f, shared);
            if (!g || !g->isSelected() || !isLoopFace(g))
                continue;
            const int gSide = walks::cornerOfEdge(*g, shared);
            // A quad crossed this way lies on a loop walked already.
            if (gSide < 0 || (f->tag & crossingBit(side)))
                continue;
            f->tag |= crossingBit(side);
            g->tag |= crossingBit(gSide);
            walk(f, shared);
            walk(g, shared);
        }
    }
}
