#include "Tools/ComponentSnap.h"

#include <cmath>
#include <unordered_set>

#include "Mesh/Shape.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/Camera.h"
#include "Tools/ManipulatorFrame.h"

namespace {

// The point of segment ab nearest to the ray (o, d), d unit.
Point3D nearestOnSegment(const Point3D& a, const Point3D& b, const Point3D& o, const Point3D& d)
{
    const Point3D u = b - a, w = a - o;
    const float uu = u.dot(u), ud = u.dot(d), uw = u.dot(w), dw = d.dot(w);
    const float denominator = uu - ud * ud;
    float s = denominator > 1e-12f ? (ud * dw - uw) / denominator : 0.0f;
    s = std::fmax(0.0f, std::fmin(1.0f, s));
    return a + u * s;
}

double pixelDistance(const ViewProjection& view, const Point3D& p, double x, double y)
{
    double px, py, depth;
    return view.project(p, px, py, depth) ? std::hypot(px - x, py - y) : 1e9;
}

} // namespace

// Distance along the ray to where it meets the triangle abc; < 0 for a miss.
float rayTriangle(const Point3D& o, const Point3D& d, const Point3D& a, const Point3D& b, const Point3D& c)
{
    const Point3D e1 = b - a, e2 = c - a, p = d.cross(e2);
    const float det = e1.dot(p);
    if (std::fabs(det) < 1e-12f)
        return -1;
    const Point3D s = o - a;
    const float u = s.dot(p) / det;
    const Point3D q = s.cross(e1);
    const float v = d.dot(q) / det;
    if (u < 0 || v < 0 || u + v > 1)
        return -1;
    return e2.dot(q) / det;
}

bool componentPointUnder(const SceneManagers& managers, const ViewProjection& view, double x, double y,
                         const ManipulatorFrame& moving, float reach, Point3D& out, SnapTarget* outTarget)
{
    const std::unordered_set<const Vertex*> movingPoints(moving.points.begin(), moving.points.end());
    auto still = [&](const Vertex* v) { return !v->isHidden() && !movingPoints.count(v); };
    Point3D origin, direction;
    view.ray(x, y, origin, direction);

    double bestVertex = reach, bestEdge = reach;
    float bestFace = -1;
    bool haveVertex = false, haveEdge = false;
    Point3D vertexPoint, edgePoint, facePoint;
    SnapTarget vertexTarget, edgeTarget, faceTarget;
    for (Shape* o : managers.objectManager->objects) {
        if (o->isHidden() || moving.objects.contains(o))
            continue;
        for (Vertex* v : o->vertices) {
            const double d = still(v) ? pixelDistance(view, *v, x, y) : 1e9;
            if (d <= bestVertex) {
                bestVertex = d;
                vertexPoint = *v;
                vertexTarget = {o, v};
                haveVertex = true;
            }
        }
        if (haveVertex)
            continue;
        for (Edge* e : o->edges) {
            if (e->isHidden() || !still(e->startVertex) || !still(e->endVertex))
                continue;
            const Point3D p = nearestOnSegment(*e->startVertex, *e->endVertex, origin, direction);
            const double d = pixelDistance(view, p, x, y);
            if (d <= bestEdge) {
                bestEdge = d;
                edgePoint = p;
                edgeTarget = {o, e};
                haveEdge = true;
            }
        }
        for (Face* f : o->faces) {
            bool usable = !f->isHidden() && !f->isSelected();
            for (const Corner& c : f->corners)
                usable = usable && still(c.vertex);
            for (int k = 1; usable && k + 1 < f->corners.count(); ++k) {
                const float t = rayTriangle(origin, direction, *f->corners[0].vertex, *f->corners[k].vertex,
                                            *f->corners[k + 1].vertex);
                if (t >= 0 && (bestFace < 0 || t < bestFace)) {
                    bestFace = t;
                    facePoint = origin + direction * t;
                    faceTarget = {o, f};
                }
            }
        }
    }
    out = haveVertex ? vertexPoint : haveEdge ? edgePoint : facePoint;
    if (outTarget)
        *outTarget = haveVertex ? vertexTarget : haveEdge ? edgeTarget : faceTarget;
    return haveVertex || haveEdge || bestFace >= 0;
}
