#pragma once
// What every primitive shares: its storage in the Shape pool, the common
// construction protocol, the default top-down texture projection, the
// revolution sweep about the Y axis, and the point chain that the sweeping
// primitives read from a profile object.
#include <initializer_list>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"

// The start value of "Layout Spacing"; the margin of the default projection.
constexpr float DefaultLayoutSpacing = 0.01f;

// A primitive adds nothing to Shape and keeps Shape::release, which gives the
// object back to the Shape pool; so its storage is taken from that pool too.
template <class T>
class ShapePoolStorage {
public:
    static void* takeStorage(bool& pooled)
    {
        static_assert(sizeof(T) == sizeof(Shape) && alignof(T) == alignof(Shape),
                      "a primitive must fit a Shape pool slot exactly");
        return Pool<Shape>::takeStorage(pooled);
    }
    static void giveBack(void* object) { Pool<Shape>::giveBack(object); }
    static long freeCount() { return Pool<Shape>::freeCount(); }
    static long blockCount() { return Pool<Shape>::blockCount(); }
};

// Step 1 of the protocol: name, not selected, flat shading.
void beginPrimitive(Shape& s, const char* name);
// A vertex from the pool, appended to `s`.
Vertex* newVertex(Shape& s, const Point3D& p);
// A face from the pool with the given corners in winding order, appended to `s`.
Face* newFace(Shape& s, std::initializer_list<Vertex*> corners);
Face* newFace(Shape& s, const std::vector<Vertex*>& corners);
// A wire edge from a to b, appended to `s` (for primitives without faces).
Edge* newWireEdge(Shape& s, Vertex* a, Vertex* b);
// Steps 3 to 6 for a primitive with faces: edges from the faces, normals,
// pivot to the bounding-box centre, default texture coordinates.
void finishPrimitive(Shape& s, float layoutSpacing);
// Steps 4 and 5 for a wire primitive whose edges were made directly.
void finishWirePrimitive(Shape& s);

// Gives every corner (outer contours and holes) of `faces` the top-down
// projection: with the bounding box of the corner vertices, its centre c and
// s = 1 / (max(x extent, z extent) × (1 + layoutSpacing)), u = (x − c.x)·s + 0.5,
// v = 0.5 − (z − c.z)·s, w = (y − c.y)·s. Faces whose box has no x or z
// extent all get (0.5, 0.5, 0).
void applyDefaultProjection(const List<Face*>& faces, float layoutSpacing);

// `p` turned about the Y axis by `degrees`; positive angles carry +X towards
// +Z, the sense of every revolution primitive.
Point3D revolveAboutY(const Point3D& p, double degrees);

// `p` turned about the axis through `origin` along the unit `axis` by
// `degrees`, right-handed.
Point3D rotateAboutAxis(const Point3D& p, const Point3D& origin, const Point3D& axis, double degrees);

// One profile of a revolution, in the XY plane with its radius along +X.
struct RevolutionProfile {
    std::vector<Point3D> points;
    bool firstIsPole = false; // the first point lies on the axis: one vertex, not a ring
    bool lastIsPole = false;
    bool closed = false;      // the last point joins the first (a tube's cross-section)
    // Faces are wound outward when the profile rises on its outer side;
    // set this for a profile that descends there instead (top to bottom).
    bool descends = false;
};

// Sweeps the profile about Y in `sections` equal steps of a full turn (0
// counts as 1; one column makes no faces, only wire edges along the profile):
// column k is the profile turned by k·360/sections degrees. Vertices are
// appended column by column (profile order within a column), then the pole
// vertices in profile order; faces band by band in profile order, each band
// in column order, quads between columns and triangles (pole last) at poles.
// Returns the vertex of profile point j in column k at [j * sections + k]
// (a pole repeats across its row).
std::vector<Vertex*> revolveProfile(Shape& s, const RevolutionProfile& profile, int sections);

// The ordered points of a profile object: the outer contour of its first
// face when it has faces (closed), otherwise the chain of its wire edges from
// an end (or from its first vertex when the chain is a loop), otherwise its
// vertices in list order. `outClosed` tells whether the last point joins the
// first. Positions are the object's own.
std::vector<Point3D> profileChain(const InnerShape& profile, bool& outClosed);

// The unit normal of the plane best fitting a loop of points (Newell's
// method); (0,0,0) for collinear or too few points.
Point3D loopNormal(const std::vector<Point3D>& points);

// Reverses the corners of every face of `s` whose edges are not built yet.
void reverseAllFaces(Shape& s);

// Makes the winding of the faces of `s` (edges not built yet) agree across
// every side they share: each connected patch takes the winding of its
// first face in list order. Faces meeting three or more at a side keep
// whatever the walk gives them. Returns true when every side is shared by
// exactly two faces (the surface is closed).
bool orientConsistently(Shape& s);

// The volume enclosed by the faces of `s`, positive when they face outward
// (fans about each face's first corner; holes ignored).
double signedVolume(const InnerShape& s);
