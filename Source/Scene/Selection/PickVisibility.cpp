#include "Scene/Selection/PickVisibility.h"

#include <bit>
#include <cmath>
#include <limits>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Shape.h"
#include "Mesh/Vertex.h"

namespace {

// Hash of the positions of every `stride`-th vertex.
uint64_t positionHash(const InnerShape& mesh, int stride)
{
    uint64_t h = 1469598103934665603ull;
    Vertex* const* vertices = mesh.vertices.data();
    for (int i = 0; i < mesh.vertices.count(); i += stride) {
        const Vertex* v = vertices[i];
        h = (h ^ std::bit_cast<uint32_t>(v->x)) * 1099511628211ull;
        h = (h ^ std::bit_cast<uint32_t>(v->y)) * 1099511628211ull;
        h = (h ^ std::bit_cast<uint32_t>(v->z)) * 1099511628211ull;
    }
    return h;
}

// Hash of which faces are hidden. Taken over every control face (few next
// to the level's), since hiding a single one must be noticed.
uint64_t hiddenHash(const InnerShape& mesh)
{
    uint64_t h = 1469598103934665603ull;
    Face* const* faces = mesh.faces.data();
    for (int i = 0; i < mesh.faces.count(); ++i)
        h = (h ^ (faces[i]->isHidden() ? static_cast<uint64_t>(i) + 1 : 0)) * 1099511628211ull;
    return h;
}

// Enough samples to notice a moved part, few enough for every hover.
int sampleStride(int count) { return std::max(1, count / 2048); }

// Hash of every `stride`-th level position: what a hover compares.
uint64_t sampledHash(const InnerShape& level) { return positionHash(level, sampleStride(level.vertices.count())); }

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

void PickView::prepare(const ViewProjection& view, std::span<const PickObject> objects, bool exact)
{
    std::vector<Key> keys;
    keys.reserve(objects.size());
    for (const PickObject& o : objects) {
        const InnerShape& m = *o.mesh;
        keys.push_back(Key{o.object, o.mesh, m.changeCount, m.vertices.count(), m.edges.count(), m.faces.count(),
                           sampledHash(m), hiddenHash(*o.object), exact ? positionHash(*o.object, 1) : 0});
    }
    bool same = valid_ && sameView(view) && keys.size() == keys_.size();
    for (size_t i = 0; same && i < keys.size(); ++i)
        same = keys[i].sameTopology(keys_[i]) && keys[i].sampled == keys_[i].sampled && keys[i].hidden == keys_[i].hidden &&
               (!exact || keys[i].exact == keys_[i].exact);
    if (same)
        return;
    // Topology arrays survive camera moves and edits that only move vertices.
    std::vector<CachedMesh> meshes(objects.size());
    for (size_t i = 0; i < objects.size(); ++i) {
        meshes[i].key = keys[i];
        // Hidden faces are part of the arrays, so a change of them copies again.
        auto kept = std::ranges::find_if(meshes_, [&](const CachedMesh& c) {
            return c.key.sameTopology(keys[i]) && c.key.hidden == keys[i].hidden;
        });
        if (kept != meshes_.end())
            meshes[i].arrays = std::move(kept->arrays);
        else
            flatten(objects[i], meshes[i].arrays);
        if (!exact)
            keys[i].exact = positionHash(*objects[i].object, 1);
    }
    meshes_ = std::move(meshes);
    view_ = view;
    keys_ = std::move(keys);
    project(objects);
    rasterise(objects);
    valid_ = true;
}

void PickView::flatten(const PickObject& o, PickMesh& out) const
{
    // Level vertex positions through `tag`, scratch that is ours while we copy.
    const InnerShape& m = *o.mesh;
    Vertex* const* vertices = m.vertices.data();
    for (int i = 0; i < m.vertices.count(); ++i)
        vertices[i]->tag = i;
    out.edgeEnds.resize(static_cast<size_t>(m.edges.count()) * 2);
    Edge* const* edges = m.edges.data();
    for (int e = 0; e < m.edges.count(); ++e) {
        out.edgeEnds[2 * e] = edges[e]->startVertex ? edges[e]->startVertex->tag : -1;
        out.edgeEnds[2 * e + 1] = edges[e]->endVertex ? edges[e]->endVertex->tag : -1;
    }
    out.faceStart.resize(static_cast<size_t>(m.faces.count()) + 1);
    out.faceShown.resize(static_cast<size_t>(m.faces.count()));
    out.faceCorners.clear();
    out.faceCorners.reserve(static_cast<size_t>(m.faces.count()) * 4);
    Face* const* faces = m.faces.data();
    for (int f = 0; f < m.faces.count(); ++f) {
        out.faceStart[f] = static_cast<int32_t>(out.faceCorners.size());
        const int control = o.map->controlFace(f);
        out.faceShown[f] = !faces[f]->isHidden() && control >= 0 && !o.object->faces[control]->isHidden();
        for (const auto& c : faces[f]->corners)
            out.faceCorners.push_back(c.vertex->tag);
    }
    out.faceStart[m.faces.count()] = static_cast<int32_t>(out.faceCorners.size());
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
        const std::vector<ScreenPoint>& pts = points_[k];
        const PickMesh& m = meshes_[k].arrays;
        const int faceCount = static_cast<int>(m.faceShown.size());
        for (int f = 0; f < faceCount; ++f) {
            // Hidden faces are not drawn, so they hide nothing.
            if (!m.faceShown[f])
                continue;
            const std::span<const int32_t> corners = m.corners(f);
            for (size_t c = 1; c + 1 < corners.size(); ++c)
                fillTriangle(pts[corners[0]], pts[corners[c]], pts[corners[c + 1]], base + static_cast<uint32_t>(f) + 1);
        }
        base += static_cast<uint32_t>(faceCount);
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
