#include "Face.h"

#include <cmath>

#include "Material.h"
#include "Pool.h"
#include "Vertex.h"

Face::Face() : Face(Material::defaultMaterial()) {}

Face::Face(const Face& other) : Geometry(), material(other.material), corners(other.corners)
{
    set(Psub, other.has(Psub));
    for (const Face* h : other.holes)
        if (Face* copy = take<Face>(*h))
            holes.append(copy);
}

Face::~Face()
{
    freeOwned();
}

void Face::freeOwned()
{
    for (Face* h : holes)
        h->release();
    holes.freeStorage();
    corners.freeStorage();
}

void Face::release()
{
    freeOwned();
    giveBackToPool(this);
}

void Face::copyFrom(const Geometry& other)
{
    if (other.kind() != KindFace || &other == this)
        return;
    const auto& f = static_cast<const Face&>(other);
    corners = f.corners;
    for (Face* h : holes)
        h->release();
    holes.clear();
    for (const Face* h : f.holes) {
        Face* copy = take<Face>();
        if (!copy)
            continue;
        copy->copyFrom(*h);
        holes.append(copy);
    }
    material = f.material;
}

namespace {
inline void sub(const Vertex* a, const Vertex* b, float out[3])
{
    out[0] = a->x - b->x;
    out[1] = a->y - b->y;
    out[2] = a->z - b->z;
}
inline void cross(const float a[3], const float b[3], float out[3])
{
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}
inline void normalise(float v[3])
{
    float l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (l > 0.0f) {
        v[0] /= l;
        v[1] /= l;
        v[2] /= l;
    } else {
        v[0] = v[1] = v[2] = 0.0f;
    }
}
} // namespace

Point3D Face::cornerNormal(const float p0[3], const float p1[3], const float p2[3])
{
    const float a[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const float b[3] = {p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2]};
    float n[3];
    cross(a, b, n);
    normalise(n);
    return Point3D(n[0], n[1], n[2]);
}

const Point3D& Face::computeNormal()
{
    const int n = corners.count();
    if (n == 3 || n == 4) {
        const Vertex* c[3] = {corners[0].vertex, corners[1].vertex, corners[2].vertex};
        const float p[3][3] = {{c[0]->x, c[0]->y, c[0]->z}, {c[1]->x, c[1]->y, c[1]->z}, {c[2]->x, c[2]->y, c[2]->z}};
        normal = cornerNormal(p[0], p[1], p[2]);
        return normal;
    }
    // Angle-weighted corner normals: flat corners (w near 0) count little,
    // sharp ones up to 2, so long straight runs of corners do not dominate.
    float sum[3] = {0, 0, 0};
    for (int k = 0; k < n; ++k) {
        const Vertex* c = corners[k].vertex;
        float a[3], b[3], nk[3];
        sub(corners[k + 1 == n ? 0 : k + 1].vertex, c, a);
        sub(corners[k == 0 ? n - 1 : k - 1].vertex, c, b);
        cross(a, b, nk);
        normalise(nk);
        normalise(a);
        normalise(b);
        float w = 1.0f + (a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
        sum[0] += w * nk[0];
        sum[1] += w * nk[1];
        sum[2] += w * nk[2];
    }
    normalise(sum);
    normal.setPosition(sum[0], sum[1], sum[2]);
    return normal;
}

void Face::reverseContour()
{
    const int n = corners.count();
    if (n < 2)
        return;
    corners.reverse();
    // After reversal corner j leads to corner j+1, which is the old corner
    // before j's old one: that old corner held the edge between the two.
    Edge* first = corners[0].edge;
    for (int j = 0; j < n - 1; ++j)
        corners[j].edge = corners[j + 1].edge;
    corners[n - 1].edge = first;
}

void Face::reverse()
{
    reverseContour();
    for (Face* h : holes)
        h->reverseContour();
    computeNormal();
}

Point3D Face::centre() const
{
    Point3D c(0, 0, 0);
    const int n = corners.count();
    if (n == 0)
        return c;
    for (const Corner& k : corners)
        c += Point3D(k.vertex->x, k.vertex->y, k.vertex->z);
    return c * (1.0f / static_cast<float>(n));
}
