#include "Tools/SurfaceSnap.h"

#include <unordered_set>

#include "Mesh/Shape.h"
#include "Scene/SceneManagers.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/Camera.h"
#include "Tools/ComponentSnap.h"
#include "Tools/ManipulatorFrame.h"

void SurfaceTargets::collect(SceneManagers& managers, const ManipulatorFrame& moving)
{
    triangles_.clear();
    const std::unordered_set<const Vertex*> moved(moving.points.begin(), moving.points.end());
    for (Shape* o : managers.objectManager->objects) {
        // Selected objects are the ones being edited.
        if (o->isHidden() || o->isSelected() || o->shapeKind() != InnerShape::KindShape || moving.objects.contains(o))
            continue;
        const InnerShape* mesh = o->currentLevelMesh();
        if (!mesh)
            continue;
        for (const Face* f : mesh->faces) {
            bool usable = !f->isHidden() && f->corners.count() >= 3;
            for (const Corner& c : f->corners)
                usable = usable && !moved.count(c.vertex);
            for (int k = 1; usable && k + 1 < f->corners.count(); ++k)
                triangles_.push_back(
                    {*f->corners[0].vertex, *f->corners[k].vertex, *f->corners[k + 1].vertex, {o, f}});
        }
    }
}

bool SurfaceTargets::hit(const ViewProjection& view, const Point3D& p, Point3D& out) const
{
    double x, y, depth;
    return view.project(p, x, y, depth) && hitAt(view, x, y, out);
}

bool SurfaceTargets::hitAt(const ViewProjection& view, double x, double y, Point3D& out, SnapTarget* outTarget) const
{
    Point3D origin, direction;
    view.ray(x, y, origin, direction);
    float nearest = -1;
    const Triangle* hitTriangle = nullptr;
    for (const Triangle& t : triangles_) {
        const float along = rayTriangle(origin, direction, t.a, t.b, t.c);
        if (along >= 0 && (nearest < 0 || along < nearest)) {
            nearest = along;
            hitTriangle = &t;
        }
    }
    if (!hitTriangle)
        return false;
    out = origin + direction * nearest;
    if (outTarget)
        *outTarget = hitTriangle->face;
    return true;
}

int snapToSurface(const SurfaceTargets& targets, const ViewProjection& view, const List<Vertex*>& points)
{
    int count = 0;
    Point3D at;
    for (Vertex* v : points)
        if (targets.hit(view, *v, at)) {
            v->setPosition(at.x, at.y, at.z);
            ++count;
        }
    return count;
}
