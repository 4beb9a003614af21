#pragma once
// A polygon: corners in counter-clockwise order seen from the front, with
// optional holes (inner contours) that are faces of their own.
#include <cstdint>

#include "List.h"
#include "Point3D.h"

class Vertex;
class Edge;
struct Material;

// One corner of a face. `edge` leads from this corner's vertex to the next
// corner's vertex (cyclically); null until the edge builder runs.
struct Corner {
    Vertex* vertex = nullptr;
    Edge* edge = nullptr;
    float u = 0, v = 0, w = 0;
    bool operator==(const Corner& o) const
    {
        return vertex == o.vertex && edge == o.edge && u == o.u && v == o.v && w == o.w;
    }
};

class Face : public Geometry {
public:
    Face();
    // A face of the given material (not null).
    explicit Face(Material* m) : material(m) { flags &= ~(Selected | Hidden | Psub); }
    // Copies corners, holes, material and Psub; the mirror partner is not copied.
    Face(const Face& other);
    Face& operator=(const Face&) = delete;
    ~Face() override;

    void release() override;
    // Replaces corners and holes with copies of the other's and takes its material.
    void copyFrom(const Geometry& other) override;
    int kind() const override { return KindFace; }

    void appendCorner(Vertex* v) { corners.append(Corner{v, nullptr, 0, 0, 0}); }
    void appendCorner(Vertex* v, Edge* e) { corners.append(Corner{v, e, 0, 0, 0}); }
    int cornerCount() const { return corners.count(); }
    // Corner k's vertex, cyclically (k may be negative or past the end).
    Vertex* cornerVertex(int k) const
    {
        int n = corners.count();
        return corners[((k % n) + n) % n].vertex;
    }

    // The unit normal by the right-hand rule over the corners: triangles and
    // quads use their first three corners; other faces the angle-weighted
    // sum of corner normals. Stores and returns it.
    const Point3D& computeNormal();
    // The unit normal of corners at positions p0, p1, p2 (x, y, z each) as
    // computeNormal finds it for a triangle or quad: the same arithmetic, for
    // callers that hold the positions in arrays of their own.
    static Point3D cornerNormal(const float p0[3], const float p1[3], const float p2[3]);
    // Reverses the winding of the outer contour and every hole, keeping each
    // corner's edge leading to the next corner, then recomputes the normal.
    void reverse();
    Point3D centre() const;
    // Releases the holes and empties the corner list.
    void freeOwned();

    int32_t tag = 0;               // scratch (flipFaces' mark)
    // Next to the flags and tag: a pass reading those and the material
    // touches one cache line of the face.
    Material* material;            // shared, never null after construction
    List<Corner, 4> corners;       // outer contour; quads need no heap storage
    List<Face*> holes;             // inner contours, owned
    Point3D normal;                // unit face normal
    Face* mirror = nullptr;        // partner across the symmetry plane

private:
    void reverseContour();
};
