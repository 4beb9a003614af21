#include "Tools/ManipulatorFrame.h"

#include <algorithm>
#include <cmath>

#include "Mesh/Shape.h"
#include "Scene/Undo/URmovePoints.h"

namespace {

constexpr float radiansPerDegree = 3.14159265358979323846f / 180.0f;

// v turned about the unit `axis` by `radians` (Rodrigues).
Point3D turned(const Point3D& v, const Point3D& axis, float radians)
{
    const float c = std::cos(radians), s = std::sin(radians);
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
}

} // namespace

void ManipulatorFrame::clear()
{
    points.clear();
    weights.clear();
    objects.clear();
    loosePoints.clear();
    afterLooseUndo = nullptr;
    directions.clear();
    negativeDirections.clear();
    negativeEnabled = false;
    value = 0;
    owners_.clear();
    touched_.clear();
    moved_.clear();
    objectAxes_.clear();
    regions_.clear();
    collected_ = false;
}

void ManipulatorFrame::addPoint(Shape& object, int index, float weight)
{
    points.append(object.vertices[index]);
    weights.push_back(weight);
    owners_.push_back({&object, index});
    regions_.clear();
    if (touched_.empty() || touched_.back() != &object)
        if (std::find(touched_.begin(), touched_.end(), &object) == touched_.end())
            touched_.push_back(&object);
    collected_ = false;
}

void ManipulatorFrame::addObject(Shape& object)
{
    objects.append(&object);
    if (std::find(touched_.begin(), touched_.end(), &object) == touched_.end())
        touched_.push_back(&object);
    collected_ = false;
}

void ManipulatorFrame::setWorldAxes()
{
    axes[0] = Point3D(1, 0, 0);
    axes[1] = Point3D(0, 1, 0);
    axes[2] = Point3D(0, 0, 1);
}

void ManipulatorFrame::setAxes(const Point3D& x, const Point3D& y)
{
    const Point3D ux = x.normalized();
    const Point3D uz = ux.cross(y).normalized();
    if (ux.length() == 0 || uz.length() == 0)
        return;
    axes[0] = ux;
    axes[1] = uz.cross(ux);
    axes[2] = uz;
}

void ManipulatorFrame::collectMoved()
{
    moved_.clear();
    objectAxes_.clear();
    for (int i = 0; i < points.count(); ++i)
        moved_.push_back(moved(points[i], weights[i], false));
    for (Point3D* p : loosePoints)
        moved_.push_back(moved(p, 1.0f, false));
    for (Shape* o : objects) {
        for (Vertex* v : o->vertices)
            moved_.push_back(moved(v, 1.0f, false));
        moved_.push_back(moved(&o->pivot(), 1.0f, true));
        for (Vertex* axis : {&o->xAxis(), &o->yAxis(), &o->zAxis()})
            objectAxes_.push_back(moved(axis, 1.0f, false));
    }
    collected_ = true;
}

void ManipulatorFrame::captureStart()
{
    startCentre = centre;
    if (!collected_) {
        collectMoved();
        return;
    }
    for (Moved& m : moved_)
        m.capture();
    for (Moved& m : objectAxes_)
        m.capture();
}

void ManipulatorFrame::translate(const Point3D& t)
{
    centre = startCentre + t;
    for (const Moved& m : moved_) {
        const float w = editMode && !m.pivot ? 0.0f : m.weight;
        m.point->setPosition(m.start[0] + t.x * w, m.start[1] + t.y * w, m.start[2] + t.z * w);
    }
}

void ManipulatorFrame::rotate(const Point3D& axis, const Point3D& pivot, float degrees)
{
    const float radians = degrees * radiansPerDegree;
    centre = pivot + turned(startCentre - pivot, axis, radians);
    for (const Moved& m : moved_) {
        const Point3D p = pivot + turned(m.from() - pivot, axis, radians * m.weight);
        m.point->setPosition(p.x, p.y, p.z);
    }
    for (const Moved& m : objectAxes_) {
        const Point3D d = turned(m.from(), axis, radians);
        m.point->setPosition(d.x, d.y, d.z);
    }
}

void ManipulatorFrame::scale(const Point3D& pivot, const Point3D& axis, float factor, bool plane)
{
    auto scaled = [&](const Point3D& start, float weight) {
        const float f = 1 + weight * (factor - 1);
        const Point3D d = start - pivot;
        const Point3D along = axis * d.dot(axis);
        return plane ? pivot + along + (d - along) * f : pivot + (d - along) + along * f;
    };
    centre = scaled(startCentre, 1);
    for (const Moved& m : moved_) {
        const Point3D p = scaled(m.from(), m.weight);
        m.point->setPosition(p.x, p.y, p.z);
    }
}

void ManipulatorFrame::scaleUniform(const Point3D& pivot, float factor)
{
    centre = pivot + (startCentre - pivot) * factor;
    for (const Moved& m : moved_) {
        const Point3D p = pivot + (m.from() - pivot) * (1 + m.weight * (factor - 1));
        m.point->setPosition(p.x, p.y, p.z);
    }
}

void ManipulatorFrame::alignAxesToWorld()
{
    auto aligned = [this](const Point3D& d) { return Point3D(d.dot(axes[0]), d.dot(axes[1]), d.dot(axes[2])); };
    for (const Moved& m : moved_) {
        const Point3D full = startCentre + aligned(m.from() - startCentre);
        const Point3D p = m.from() + (full - m.from()) * m.weight;
        m.point->setPosition(p.x, p.y, p.z);
    }
    for (const Moved& m : objectAxes_) {
        const Point3D d = aligned(m.from());
        m.point->setPosition(d.x, d.y, d.z);
    }
    setWorldAxes();
}

void ManipulatorFrame::setValue(float v)
{
    value = v;
    const std::vector<Point3D>& list = negativeEnabled && v < 0 ? negativeDirections : directions;
    for (int i = 0; i < points.count() && i < static_cast<int>(moved_.size()); ++i) {
        const Point3D d = i < static_cast<int>(list.size()) ? list[i] : Point3D(0, 0, 0);
        const Point3D p = moved_[i].from() + d * (moved_[i].weight * v);
        points[i]->setPosition(p.x, p.y, p.z);
    }
}

void ManipulatorFrame::finish()
{
    for (Shape* o : touched_) {
        // Objects above level 0 recompute their levels from the moved control
        // mesh (displacement stays on top); whole objects move every point.
        if (o->currentLevel() > 0 || objects.contains(o)) {
            o->update(true, o->currentLevel() > 0, -1);
            continue;
        }
        Region& region = regionOf(*o);
        if (!region.whole && !region.normals.hasFaces()) {
            std::vector<Vertex*> mine;
            for (int i = 0; i < points.count(); ++i)
                if (owners_[static_cast<size_t>(i)].object == o)
                    mine.push_back(points[i]);
            // Moving much of the object: the whole update is the cheaper one,
            // and searching for the part would only add a pass.
            if (mine.size() * 4 > static_cast<size_t>(o->vertices.count()))
                region.whole = true;
            else
                region.normals.findFaces(*o, mine);
        }
        if (region.whole)
            o->update(true, false, -1);
        else
            updateObjectRegion(*o, region.normals);
    }
}

void ManipulatorFrame::setChangedFaces(Shape& object, std::vector<Face*> faces)
{
    Region& region = regionOf(object);
    region.normals.setFaces(std::move(faces));
}

ManipulatorFrame::Region& ManipulatorFrame::regionOf(Shape& object)
{
    auto it = std::find_if(regions_.begin(), regions_.end(), [&](const Region& r) { return r.object == &object; });
    // A topology change since leaves the faces stale.
    if (it != regions_.end() && it->changeCount != object.changeCount) {
        regions_.erase(it);
        it = regions_.end();
    }
    if (it == regions_.end()) {
        regions_.push_back(Region{&object, object.changeCount, false, {}});
        it = regions_.end() - 1;
    }
    return *it;
}

URmovePoints* ManipulatorFrame::makeUndoRecord() const
{
    auto* record = new URmovePoints;
    for (const PointOwner& p : owners_)
        record->addPoint(*p.object, p.index);
    for (Shape* o : objects) {
        for (int i = 0; i < o->vertices.count(); ++i)
            record->addPoint(*o, i);
        for (Vertex* v : {&o->pivot(), &o->xAxis(), &o->yAxis(), &o->zAxis()})
            record->addPoint(*v);
        record->addObject(*o);
    }
    for (Point3D* p : loosePoints)
        record->addPoint(*p);
    if (afterLooseUndo)
        record->refreshProxies = afterLooseUndo;
    return record;
}
