#pragma once
// Finding the elements under the cursor or inside a drag outline, in one
// viewport, without a display. Objects are seen at their current level and
// every hit is reported as the control element it descends from.
//
// Rules:
// - Click: a face or object by the pixel under the cursor (visible-only) or
//   by every face whose projection holds the cursor (through); a vertex or
//   edge by the nearest projection within `pickRadius` pixels: the nearest
//   visible one, or with through every one stacked within a pixel of the
//   nearest (the hidden back corner behind a front one).
// - Outline: a vertex counts when its pixel is inside. Otherwise an element
//   counts when any part of it is inside, or with "fully enclosed" when all
//   its corners are (a control edge or face through all the level edges or
//   faces it became). Visible-only also asks that the counted part can be
//   seen: a vertex or edge sample passes the depth test, a face or object
//   owns a pixel inside the outline (enclosed: anywhere).
#include <span>
#include <vector>

#include "Scene/Selection/PickOutline.h"
#include "Scene/Selection/PickVisibility.h"

// The kinds picked, numbered as the selection modes that pick them.
enum PickKind { PickVertices = 0, PickEdges = 1, PickFaces = 2, PickObjects = 4 };

// Pixels around the cursor within which a vertex or edge is under it.
constexpr double pickRadius = 6;

struct PickHit {
    int object = 0;   // index into the picked objects
    int element = -1; // position in the object's control list of the kind; -1 for objects
    bool operator==(const PickHit&) const = default;
};

class Picker {
public:
    // `view` must be prepared for `objects`; both must outlive the picker.
    Picker(const PickView& view, std::span<const PickObject> objects) : view_(view), objects_(objects) {}

    // The elements of `kind` under window position (x, y), front-most first.
    std::vector<PickHit> at(int kind, double x, double y, bool through) const;
    // The kind the multi mode picks at (x, y): a vertex near the cursor, else
    // an edge, else a face; -1 when nothing is there.
    int kindAt(double x, double y, bool through) const;
    // Every element of `kind` inside `outline`, by object and list position.
    std::vector<PickHit> inside(int kind, const PickOutline& outline, bool through, bool fullyEnclosed) const;

private:
    std::vector<PickHit> verticesAt(double x, double y, bool through) const;
    std::vector<PickHit> edgesAt(double x, double y, bool through) const;
    std::vector<PickHit> facesAt(double x, double y, bool through, bool objects) const;
    std::vector<PickHit> verticesInside(const PickOutline& outline, bool through) const;
    std::vector<PickHit> edgesInside(const PickOutline& outline, bool through, bool enclosed) const;
    std::vector<PickHit> facesInside(const PickOutline& outline, bool through, bool enclosed, bool objects) const;

    const PickView& view_;
    std::span<const PickObject> objects_;
};
