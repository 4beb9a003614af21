#include "UVLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "UnwrapIslands.h"

namespace {

List<Face*> asList(const std::vector<Face*>& faces)
{
    List<Face*> list;
    for (Face* f : faces)
        list.append(f);
    return list;
}

const Point3D& sourceOf(const Vertex* v)
{
    if (v->vertexKind() == Vertex::VertexKindProxy && static_cast<const ProxyVertex*>(v)->sourceVertex)
        return *static_cast<const ProxyVertex*>(v)->sourceVertex;
    return *v;
}

Point3D cross(const Point3D& a, const Point3D& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dot(const Point3D& a, const Point3D& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Point3D normalised(const Point3D& p)
{
    const float length = std::sqrt(dot(p, p));
    return length > 0 ? Point3D(p.x / length, p.y / length, p.z / length) : Point3D(0, 0, 0);
}

// Twice the area vector of a face's outer contour, in source space.
Point3D areaVector(const Face& f)
{
    Point3D sum(0, 0, 0);
    const Point3D& p0 = sourceOf(f.corners[0].vertex);
    for (int k = 1; k + 1 < f.cornerCount(); ++k) {
        const Point3D& p1 = sourceOf(f.corners[k].vertex);
        const Point3D& p2 = sourceOf(f.corners[k + 1].vertex);
        const Point3D c = cross(Point3D(p1.x - p0.x, p1.y - p0.y, p1.z - p0.z),
                                Point3D(p2.x - p0.x, p2.y - p0.y, p2.z - p0.z));
        sum = Point3D(sum.x + c.x, sum.y + c.y, sum.z + c.z);
    }
    return sum;
}

struct Box {
    float minU = INFINITY, minV = INFINITY, maxU = -INFINITY, maxV = -INFINITY;
    float width() const { return maxU - minU; }
    float height() const { return maxV - minV; }
};

} // namespace

List<Vertex*> verticesOf(const List<Face*>& faces)
{
    List<Vertex*> vertices;
    for (Face* f : faces)
        for (const Corner& c : f->corners)
            c.vertex->tag = 0;
    for (Face* f : faces)
        for (const Corner& c : f->corners)
            if (c.vertex->tag == 0) {
                c.vertex->tag = 1;
                vertices.append(c.vertex);
            }
    return vertices;
}

void projectIslandsFlat(const List<Face*>& faces)
{
    for (const std::vector<Face*>& island : proxyIslands(faces)) {
        Point3D normal(0, 0, 0);
        for (Face* f : island) {
            const Point3D a = areaVector(*f);
            normal = Point3D(normal.x + a.x, normal.y + a.y, normal.z + a.z);
        }
        normal = normalised(normal);
        if (dot(normal, normal) == 0)
            normal = Point3D(0, 1, 0);
        // The world axis least along the normal gives the island's U direction.
        const Point3D axis = std::fabs(normal.y) < 0.9f ? Point3D(0, 1, 0) : Point3D(0, 0, -1);
        const Point3D u = normalised(cross(axis, normal));
        const Point3D v = cross(normal, u);
        for (Vertex* vertex : verticesOf(asList(island))) {
            const Point3D& p = sourceOf(vertex);
            vertex->x = dot(p, u);
            vertex->y = dot(p, v);
            vertex->z = 0;
        }
    }
}

void packIslands(const List<Face*>& faces, float spacing)
{
    struct Placed {
        List<Vertex*> vertices;
        Box box;
        float u = 0, v = 0; // where the box's lower left corner goes, before scaling
    };
    std::vector<Placed> islands;
    double area = 0;
    for (const std::vector<Face*>& faceList : proxyIslands(faces)) {
        Placed p;
        p.vertices = verticesOf(asList(faceList));
        for (const Vertex* v : p.vertices) {
            p.box.minU = std::min(p.box.minU, v->x);
            p.box.maxU = std::max(p.box.maxU, v->x);
            p.box.minV = std::min(p.box.minV, v->y);
            p.box.maxV = std::max(p.box.maxV, v->y);
        }
        area += double(p.box.width()) * p.box.height();
        islands.push_back(std::move(p));
    }
    if (islands.empty())
        return;
    std::sort(islands.begin(), islands.end(),
              [](const Placed& a, const Placed& b) { return a.box.height() > b.box.height(); });
    float widest = 0;
    for (const Placed& p : islands)
        widest = std::max(widest, p.box.width());
    // Rows about as wide as a square holding every island; the gap is the
    // spacing measured on that square.
    const float side = std::max(static_cast<float>(std::sqrt(area)), widest);
    const float gap = side > 0 ? spacing * side : spacing;
    const float rowWidth = std::max(side, widest);
    float u = 0, v = 0, rowHeight = 0, usedWidth = 0;
    for (Placed& p : islands) {
        if (u > 0 && u + p.box.width() > rowWidth) {
            u = 0;
            v += rowHeight + gap;
            rowHeight = 0;
        }
        p.u = u;
        p.v = v;
        u += p.box.width() + gap;
        rowHeight = std::max(rowHeight, p.box.height());
        usedWidth = std::max(usedWidth, p.u + p.box.width());
    }
    const float extent = std::max(usedWidth, v + rowHeight);
    const float scale = extent > 0 ? (1 - 2 * spacing) / extent : 0;
    for (Placed& p : islands)
        for (Vertex* vertex : p.vertices) {
            vertex->x = spacing + (p.u + vertex->x - p.box.minU) * scale;
            vertex->y = spacing + (p.v + vertex->y - p.box.minV) * scale;
            vertex->z = 0;
        }
}
