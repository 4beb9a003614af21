#include "Tools/Paint/DisplacementDab.h"

#include <cmath>
#include <unordered_map>

#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Mesh/MirrorPlane.h"
#include "Mesh/Vertex.h"
#include "Tools/Paint/LevelAdjacency.h"

namespace {

// Two unit vectors spanning the plane perpendicular to n.
void planeAxes(const Point3D& n, Point3D& outU, Point3D& outW)
{
    const Point3D helper = std::fabs(n.x) < 0.9f ? Point3D(1, 0, 0) : Point3D(0, 1, 0);
    outU = n.cross(helper).normalized();
    outW = n.cross(outU);
}

float imageFalloff(const DabReach& reach, const Point3D& position)
{
    const BrushImage& image = *reach.image;
    Point3D u, w;
    planeAxes(reach.direction, u, w);
    const Point3D offset = position - reach.point;
    const float scale = 1.5f / reach.radius;
    const float px = 0.5f * image.width * (offset.dot(u) * scale) + 0.5f * image.width;
    const float py = 0.5f * image.height * (offset.dot(w) * scale) + 0.5f * image.height;
    if (px < 0 || py < 0 || px >= image.width || py >= image.height)
        return 0;
    return image.values[static_cast<size_t>(py) * image.width + static_cast<size_t>(px)];
}

// The position of v in mesh's list; its tag when that is still right.
int positionOf(const InnerShape& mesh, const Vertex* v)
{
    if (v->tag >= 0 && v->tag < mesh.vertices.count() && mesh.vertices[v->tag] == v)
        return v->tag;
    for (int i = 0; i < mesh.vertices.count(); ++i)
        if (mesh.vertices[i] == v)
            return i;
    return -1;
}

// The move mirrored through the plane: only the direction is reflected.
Point3D mirrored(const Point3D& delta, const Point3D& n) { return delta - n * (2.0f * delta.dot(n)); }

} // namespace

float dabFalloff(const DabReach& reach, const Point3D& position, float d)
{
    if (reach.image && !reach.image->empty())
        return reach.radius > 0 ? imageFalloff(reach, position) : 0.0f;
    return reach.brush ? reach.brush->falloff(d, reach.radius) : 1.0f;
}

void gatherDab(const InnerShape& mesh, LevelAdjacency& adjacency, int startFace, const DabReach& reach,
               std::vector<GatheredVertex>& outGathered)
{
    outGathered.clear();
    if (startFace < 0 || startFace >= adjacency.faceCount())
        return;
    adjacency.newStamp();
    std::vector<int32_t> queue{startFace};
    adjacency.markFace(startFace);
    Vertex* const* vertices = mesh.vertices.data();
    Face* const* faces = mesh.faces.data();
    for (size_t next = 0; next < queue.size(); ++next) {
        const int f = queue[next];
        if (faces[f]->isHidden())
            continue;
        bool grows = false;
        for (int32_t v : adjacency.corners(f)) {
            const Point3D p(vertices[v]);
            const float d = p.distance(reach.point);
            if (d > reach.radius)
                continue;
            grows = true;
            if (!adjacency.markVertex(v))
                continue;
            const float falloff = dabFalloff(reach, p, d);
            if (falloff != 0)
                outGathered.push_back({v, falloff * reach.strength});
        }
        if (!grows)
            continue;
        for (int32_t v : adjacency.corners(f))
            for (int32_t g : adjacency.facesAround(v))
                if (adjacency.markFace(g))
                    queue.push_back(g);
    }
}

void applyMoves(InnerShape& mesh, std::span<const VertexMove> moves, const DabSymmetry& symmetry,
                bool keepDisplacement, const std::function<void(int)>& beforeMove, std::vector<int32_t>& outTouched)
{
    outTouched.clear();
    auto move = [&](int i, const Point3D& delta) {
        // A vertex that stays keeps no record and gains no displacement.
        if (delta.x == 0 && delta.y == 0 && delta.z == 0)
            return;
        if (beforeMove)
            beforeMove(i);
        Vertex& v = *mesh.vertices[i];
        v.x += delta.x;
        v.y += delta.y;
        v.z += delta.z;
        if (keepDisplacement)
            if (float* d = v.ensureDisplacement()) {
                d[0] += delta.x;
                d[1] += delta.y;
                d[2] += delta.z;
            }
        outTouched.push_back(i);
    };
    if (!symmetry.plane) {
        for (const VertexMove& m : moves)
            move(m.index, m.delta);
        return;
    }
    const Point3D n = Point3D(&symmetry.plane->normal).normalized();
    const Point3D onPlane(&symmetry.plane->point);
    std::unordered_map<int, Point3D> total;
    std::vector<int> order;
    auto add = [&](int i, const Point3D& delta) {
        auto [at, added] = total.try_emplace(i, Point3D(0, 0, 0));
        if (added)
            order.push_back(i);
        at->second += delta;
    };
    for (const VertexMove& m : moves) {
        add(m.index, m.delta);
        const Vertex* partner = mesh.vertices[m.index]->mirror;
        const int p = partner ? positionOf(mesh, partner) : -1;
        if (p >= 0)
            add(p, mirrored(m.delta, n));
    }
    for (int i : order) {
        Point3D delta = total[i];
        if (symmetry.blend && symmetry.blendLimit > 0) {
            const float distance = std::fabs((Point3D(mesh.vertices[i]) - onPlane).dot(n));
            if (distance < symmetry.blendLimit)
                delta = delta * (1.0f - 0.5f * (1.0f - distance / symmetry.blendLimit));
        }
        move(i, delta);
    }
}

void refreshTouchedNormals(InnerShape& mesh, LevelAdjacency& adjacency, std::span<const int32_t> touched,
                           std::vector<int32_t>& outRenormalised)
{
    outRenormalised.clear();
    Face* const* faces = mesh.faces.data();
    Vertex* const* vertices = mesh.vertices.data();
    std::vector<int32_t> changedFaces;
    adjacency.newStamp();
    for (int32_t v : touched)
        for (int32_t f : adjacency.facesAround(v))
            if (adjacency.markFace(f)) {
                faces[f]->computeNormal();
                changedFaces.push_back(f);
            }
    for (int32_t f : changedFaces)
        for (int32_t v : adjacency.corners(f)) {
            if (!adjacency.markVertex(v))
                continue;
            outRenormalised.push_back(v);
            Point3D sum(0, 0, 0);
            for (int32_t g : adjacency.facesAround(v))
                sum += faces[g]->normal;
            const Point3D unit = sum.normalized();
            vertices[v]->normal[0] = unit.x;
            vertices[v]->normal[1] = unit.y;
            vertices[v]->normal[2] = unit.z;
        }
}
