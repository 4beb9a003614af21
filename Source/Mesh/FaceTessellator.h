#pragma once
// Splits a face (outer contour plus holes) into triangles with GLU's polygon
// tessellator. GLU only calls back into this class, so no GL context is
// needed: the drawing code emits the triangles, and topology code can turn
// them into faces.
#include "List.h"

class Face;
class Vertex;

// One point the triangles refer to: a corner of the face or of one of its
// holes, or a point GLU made where contours cross.
struct TessellatedPoint {
    Vertex* vertex = nullptr;      // the corner's vertex; null for a crossing point
    float position[3] = {0, 0, 0};
    float normal[3] = {0, 0, 0};   // the vertex normal, interpolated at crossings
    float u = 0, v = 0, w = 0;     // the corner's texture coordinates, interpolated at crossings
};

// True when drawing must send the face through the tessellator: it has holes,
// more than 4 corners, or is a quad while the tessellate-all-quads display
// switch is on.
bool needsTessellation(const Face& f);

class FaceTessellator {
public:
    FaceTessellator();
    ~FaceTessellator();
    FaceTessellator(const FaceTessellator&) = delete;
    FaceTessellator& operator=(const FaceTessellator&) = delete;

    // Tessellates f: one contour for its corners and one per hole, in list
    // order, under the odd winding rule so that holes stay open. When f has a
    // non-zero normal the triangles run counter-clockwise about it; otherwise
    // GLU finds the plane itself. Returns false, with no triangles, when GLU
    // is unavailable, reports an error (for instance for coordinates beyond
    // its range) or produces nothing (fewer than 3 corners, zero area).
    bool tessellate(const Face& f);

    // Corner points first: the outer corners in order, then each hole's
    // corners in hole order (so index k matches the corner list with the hole
    // corners appended); crossing points follow from cornerPointCount() on.
    const List<TessellatedPoint>& points() const { return points_; }
    int cornerPointCount() const { return cornerPointCount_; }
    // Three indices into points() per triangle.
    const List<int>& triangles() const { return triangles_; }
    int triangleCount() const { return triangles_.count() / 3; }

private:
    struct Callbacks;
    // Appends the corners of one contour as points; false on a corner
    // without a vertex.
    bool addPoints(const Face& contour);
    // Feeds points [first, first + count) to GLU as one contour.
    void addContour(int first, int count);
    void addTriangle(int a, int b, int c);

    void* tess_ = nullptr; // the GLUtesselator, kept for reuse
    List<TessellatedPoint> points_;
    List<int> triangles_;
    int cornerPointCount_ = 0;
    unsigned beginMode_ = 0;      // primitive GLU is emitting
    int primitiveVertex_ = 0;     // vertices received for it so far
    int pending_[3] = {0, 0, 0};  // points of the triangle being received
    int pendingCount_ = 0;
    bool failed_ = false;
};
