#include "Scene/Selection/PickVisibility.h"

#include <bit>
#include <cmath>
#include <limits>

#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Shape.h"
#include "Mesh/Vertex.h"

namespace {

// Tags every vertex with its list position and returns a hash of their
// positions, which tells a moved vertex from an unchanged mesh.
uint64_t tagAndHash(const InnerShape& mesh)
{
    uint64_t h = 1469598103934665603ull;
    Vertex* const* vertices = mesh.vertices.data();
    for (int i = 0; i < mesh.vertices.count(); ++i) {
        Vertex* v = vertices[i];
        v->tag = i;
        h = (h ^ std::bit_cast<uint32_t>(v->x)) * 1099511628211ull;
        h = (h ^ std::bit_cast<uint32_t>(v->y)) * 1099511628211ull;
        h = (h ^ std::bit_cast<uint32_t>(v->z)) * 1099511628211ull;
    }
    return h;
}

bool sameMatrix(const double a[16], const double b[16])
{
    for (int i = 0; i < 16; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

bool PickView::sameView(const ViewProjection& view) const
{
    const ViewRect& a = view_.viewport;
    const ViewRect& b = view.viewport;
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height &&
           sameMatrix(view_.modelview, view.modelview) && sameMatrix(view_.projection, view.projection);
}

void PickView::prepare(const ViewProjection& view, std::span<const PickObject> objects)
{
    std::vector<Key> keys;
    keys.reserve(objects.size());
    for (const PickObject& o : objects)
        keys.push_back(Key{o.object, o.mesh, o.mesh->changeCount, o.mesh->vertices.count(), o.mesh->faces.count(),
                           tagAndHash(*o.mesh)});
    bool same = valid_ && sameView(view) && keys.size() == keys_.size();
    for (size_t i = 0; same && i < keys.size(); ++i)
        same = keys[i].object == keys_[i].object && keys[i].mesh == keys_[i].mesh &&
               keys[i].changeCount == keys_[i].changeCount && keys[i].vertices == keys_[i].vertices &&
               keys[i].faces == keys_[i].faces && keys[i].positions == keys_[i].positions;
    if (same)
        return;
    view_ = view;
    keys_ = std::move(keys);
    project(objects);
    rasterise(objects);
    valid_ = true;
}

void PickView::project(std::span<const PickObject> objects)
{
    points_.assign(objects.size(), {});
    // The projection written out once instead of per point: the eye-space
    // position, then clip space, as ViewProjection::project does.
    const double* m = view_.modelview;
    const double* p = view_.projection;
    const ViewRect& r = view_.viewport;
    for (size_t k = 0; k < objects.size(); ++k) {
        const List<Vertex*>& vertices = objects[k].mesh->vertices;
        std::vector<ScreenPoint>& out = points_[k];
        out.resize(static_cast<size_t>(vertices.count()));
        for (int i = 0; i < vertices.count(); ++i) {
            const Vertex& v = *vertices[i];
            const double ex = m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12];
            const double ey = m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13];
            const double ez = m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14];
            const double ew = m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15];
            const double cx = p[0] * ex + p[4] * ey + p[8] * ez + p[12] * ew;
            const double cy = p[1] * ex + p[5] * ey + p[9] * ez + p[13] * ew;
            const double cz = p[2] * ex + p[6] * ey + p[10] * ez + p[14] * ew;
            const double cw = p[3] * ex + p[7] * ey + p[11] * ez + p[15] * ew;
            ScreenPoint& s = out[i];
            s.valid = cw > 1e-12;
            if (!s.valid)
                continue;
            s.x = static_cast<float>(r.x + (cx / cw + 1) * 0.5 * r.width);
            s.y = static_cast<float>(r.y + (cy / cw + 1) * 0.5 * r.height);
            s.depth = static_cast<float>((cz / cw + 1) * 0.5);
        }
    }
}

void PickView::rasterise(std::span<const PickObject> objects)
{
    const ViewRect& r = view_.viewport;
    const size_t pixels = static_cast<size_t>(std::max(r.width, 0)) * static_cast<size_t>(std::max(r.height, 0));
    depth_.assign(pixels, std::numeric_limits<float>::infinity());
    items_.assign(pixels, 0);
    faceBase_.assign(objects.size(), 0);
    uint32_t base = 0;
    for (size_t k = 0; k < objects.size(); ++k) {
        faceBase_[k] = base;
        const PickObject& o = objects[k];
        const std::vector<ScreenPoint>& pts = points_[k];
        const LevelMapping& map = *o.map;
        Face* const* faces = o.mesh->faces.data();
        for (int f = 0; f < o.mesh->faces.count(); ++f) {
            const Face& face = *faces[f];
            const int control = map.controlFace(f);
            // Hidden faces are not drawn, so they hide nothing.
            if (face.isHidden() || control < 0 || o.object->faces[control]->isHidden())
                continue;
            const int n = face.corners.count();
            if (n < 3)
                continue;
            const ScreenPoint& a = pts[face.corners[0].vertex->tag];
            for (int c = 1; c + 1 < n; ++c)
                fillTriangle(a, pts[face.corners[c].vertex->tag], pts[face.corners[c + 1].vertex->tag],
                             base + static_cast<uint32_t>(f) + 1);
        }
        base += static_cast<uint32_t>(o.mesh->faces.count());
    }
}

void PickView::fillTriangle(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& c, uint32_t item)
{
    // Triangles reaching behind the eye are left out rather than clipped.
    if (!a.valid || !b.valid || !c.valid)
        return;
    const ViewRect& r = view_.viewport;
    const double area = (b.x - a.x) * static_cast<double>(c.y - a.y) - (b.y - a.y) * static_cast<double>(c.x - a.x);
    if (std::fabs(area) < 1e-12)
        return;
    const int x0 = std::max(static_cast<int>(std::ceil(std::min({a.x, b.x, c.x}) - 0.5f)), r.x);
    const int x1 = std::min(static_cast<int>(std::floor(std::max({a.x, b.x, c.x}) - 0.5f)), r.x + r.width - 1);
    const int y0 = std::max(static_cast<int>(std::ceil(std::min({a.y, b.y, c.y}) - 0.5f)), r.y);
    const int y1 = std::min(static_cast<int>(std::floor(std::max({a.y, b.y, c.y}) - 0.5f)), r.y + r.height - 1);
    const double inv = 1.0 / area;
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            // Barycentric weights, signed by the winding so both windings fill.
            const double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) * inv;
            const double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) * inv;
            const double wc = 1 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const float d = static_cast<float>(wa * a.depth + wb * b.depth + wc * c.depth);
            const size_t at = static_cast<size_t>(y - r.y) * r.width + (x - r.x);
            if (d < depth_[at]) {
                depth_[at] = d;
                items_[at] = item;
            }
        }
    }
}

double PickView::eyeDistance(double d) const
{
    // Window depth back to eye space through the projection's z and w rows.
    const double* p = view_.projection;
    const double ndc = 2 * d - 1;
    const double denominator = ndc * p[11] - p[10];
    if (std::fabs(denominator) < 1e-30)
        return 0;
    return -(p[14] - ndc * p[15]) / denominator;
}

bool PickView::faceAt(double x, double y, int& outObject, int& outFace) const
{
    const ViewRect& r = view_.viewport;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    if (!valid_ || !r.contains(ix, iy))
        return false;
    const uint32_t item = items_[static_cast<size_t>(iy - r.y) * r.width + (ix - r.x)];
    if (!item)
        return false;
    outObject = objectOf(item);
    outFace = faceOf(item);
    return true;
}

bool PickView::visible(double x, double y, double depth) const
{
    const ViewRect& r = view_.viewport;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double z = eyeDistance(depth);
    // World length of one pixel at distance 1 (perspective) or anywhere (orthographic).
    const double* p = view_.projection;
    const double pixel = 2.0 / (std::fabs(p[5]) * std::max(r.height, 1));
    const bool perspective = p[11] != 0;
    // Any face drawn around the point that is not in front of it shows it;
    // with none drawn there the point is on the silhouette or alone.
    bool covered = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (!r.contains(ix + dx, iy + dy))
                continue;
            const size_t at = static_cast<size_t>(iy + dy - r.y) * r.width + (ix + dx - r.x);
            if (!items_[at])
                continue;
            covered = true;
            const double zb = eyeDistance(depth_[at]);
            const double tolerance = 2 * pixel * (perspective ? std::fabs(zb) : 1.0) + 1e-4 * std::fabs(zb);
            if (z <= zb + tolerance)
                return true;
        }
    return !covered;
}

int PickView::objectOf(uint32_t item) const
{
    // faceBase_ rises with the object, so the last base below the item wins.
    const auto at = std::upper_bound(faceBase_.begin(), faceBase_.end(), item - 1);
    return static_cast<int>(at - faceBase_.begin()) - 1;
}
