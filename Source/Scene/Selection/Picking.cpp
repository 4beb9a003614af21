#include "Scene/Selection/Picking.h"

#include <algorithm>
#include <cmath>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Mesh/Vertex.h"

namespace {

// A candidate under the cursor: its distance in pixels and its depth.
struct Candidate {
    PickHit hit;
    double distance;
    double depth;
    double x, y; // where on it the cursor is nearest
};

void sortCandidates(std::vector<Candidate>& list)
{
    std::ranges::sort(list, [](const Candidate& a, const Candidate& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.depth < b.depth;
    });
    // One entry per element: the nearest part of it.
    std::vector<Candidate> unique;
    for (const Candidate& c : list)
        if (std::ranges::none_of(unique, [&](const Candidate& u) { return u.hit == c.hit; }))
            unique.push_back(c);
    list = std::move(unique);
}

// The visible-only answer is the nearest candidate that can be seen; through
// takes every candidate stacked within a pixel of the nearest.
std::vector<PickHit> chooseNearest(const std::vector<Candidate>& sorted, const PickView& view, bool through)
{
    std::vector<PickHit> hits;
    for (const Candidate& c : sorted) {
        if (through) {
            if (c.distance > sorted.front().distance + 1)
                break;
            hits.push_back(c.hit);
        } else if (view.visible(c.x, c.y, c.depth)) {
            hits.push_back(c.hit);
            break;
        }
    }
    return hits;
}

PixelPoint pixel(const ScreenPoint& p) { return {p.x, p.y}; }

bool hiddenControl(const PickObject& o, int kind, int control)
{
    if (control < 0)
        return true;
    if (kind == PickVertices)
        return o.object->vertices[control]->isHidden();
    if (kind == PickEdges)
        return o.object->edges[control]->isHidden();
    return o.object->faces[control]->isHidden();
}

// Projected outer corners of level face f of object k; false when one is
// behind the eye or the face has fewer than three.
bool projectedCorners(const PickView& view, int k, int f, std::vector<PixelPoint>& out, double* depth)
{
    out.clear();
    double sum = 0;
    for (int32_t c : view.mesh(k).corners(f)) {
        const ScreenPoint& p = view.point(k, c);
        if (!p.valid)
            return false;
        out.push_back(pixel(p));
        sum += p.depth;
    }
    if (depth)
        *depth = out.empty() ? 1 : sum / static_cast<double>(out.size());
    return out.size() >= 3;
}

// Whether (x, y) can lie inside level face f of object k: the cheap test
// before the polygon one.
bool boundsHold(const PickView& view, int k, int f, double x, double y)
{
    float x0 = 1e30f, x1 = -1e30f, y0 = 1e30f, y1 = -1e30f;
    for (int32_t c : view.mesh(k).corners(f)) {
        const ScreenPoint& p = view.point(k, c);
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    return x >= x0 && x <= x1 && y >= y0 && y <= y1;
}

} // namespace

std::vector<PickHit> Picker::at(int kind, double x, double y, bool through) const
{
    switch (kind) {
    case PickVertices:
        return verticesAt(x, y, through);
    case PickEdges:
        return edgesAt(x, y, through);
    case PickFaces:
        return facesAt(x, y, through, false);
    case PickObjects:
        return facesAt(x, y, through, true);
    default:
        return {};
    }
}

int Picker::kindAt(double x, double y, bool through) const
{
    for (int kind : {PickVertices, PickEdges, PickFaces})
        if (!at(kind, x, y, through).empty())
            return kind;
    return -1;
}

std::vector<PickHit> Picker::inside(int kind, const PickOutline& outline, bool through, bool fullyEnclosed) const
{
    if (outline.empty())
        return {};
    switch (kind) {
    case PickVertices:
        return verticesInside(outline, through);
    case PickEdges:
        return edgesInside(outline, through, fullyEnclosed);
    case PickFaces:
        return facesInside(outline, through, fullyEnclosed, false);
    case PickObjects:
        return facesInside(outline, through, fullyEnclosed, true);
    default:
        return {};
    }
}

std::vector<PickHit> Picker::verticesAt(double x, double y, bool through) const
{
    std::vector<Candidate> candidates;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        for (int v = 0; v < o.object->vertices.count(); ++v) {
            const int level = o.map->levelVertex(v);
            if (level < 0 || o.object->vertices[v]->isHidden())
                continue;
            const ScreenPoint& p = view_.point(k, level);
            const double d = std::hypot(p.x - x, p.y - y);
            if (p.valid && d <= pickRadius)
                candidates.push_back({{k, v}, d, p.depth, p.x, p.y});
        }
    }
    sortCandidates(candidates);
    return chooseNearest(candidates, view_, through);
}

std::vector<PickHit> Picker::edgesAt(double x, double y, bool through) const
{
    std::vector<Candidate> candidates;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        const std::vector<int32_t>& ends = view_.mesh(k).edgeEnds;
        const std::span<const ScreenPoint> points = view_.points(k);
        for (int e = 0; e < static_cast<int>(ends.size() / 2); ++e) {
            if (ends[2 * e] < 0 || ends[2 * e + 1] < 0)
                continue;
            const ScreenPoint& a = points[ends[2 * e]];
            const ScreenPoint& b = points[ends[2 * e + 1]];
            if (!a.valid || !b.valid)
                continue;
            // Cheap rejection before the distance.
            if (std::min(a.x, b.x) > x + pickRadius || std::max(a.x, b.x) < x - pickRadius ||
                std::min(a.y, b.y) > y + pickRadius || std::max(a.y, b.y) < y - pickRadius)
                continue;
            const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
            const double t = length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0, 1.0) : 0;
            const double qx = a.x + t * dx, qy = a.y + t * dy;
            const double d = std::hypot(x - qx, y - qy);
            if (d > pickRadius)
                continue;
            const int control = o.map->controlEdge(e);
            if (hiddenControl(o, PickEdges, control) || o.mesh->edges[e]->isHidden())
                continue;
            candidates.push_back({{k, control}, d, a.depth + t * (b.depth - a.depth), qx, qy});
        }
    }
    sortCandidates(candidates);
    return chooseNearest(candidates, view_, through);
}

std::vector<PickHit> Picker::facesAt(double x, double y, bool through, bool objects) const
{
    auto hitOf = [&](int k, int levelFace) {
        return objects ? PickHit{k, -1} : PickHit{k, objects_[k].map->controlFace(levelFace)};
    };
    if (!through) {
        int k = 0, f = 0;
        if (!view_.faceAt(x, y, k, f))
            return {};
        return {hitOf(k, f)};
    }
    // Every face whose projection holds the cursor, nearest first.
    std::vector<Candidate> candidates;
    std::vector<PixelPoint> corners;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        const PickMesh& m = view_.mesh(k);
        for (int f = 0; f < static_cast<int>(m.faceShown.size()); ++f) {
            double depth = 0;
            if (!m.faceShown[f] || !boundsHold(view_, k, f, x, y) || !projectedCorners(view_, k, f, corners, &depth) ||
                !pointInPolygon({x, y}, corners))
                continue;
            const PickHit hit = hitOf(k, f);
            if (!objects && hiddenControl(o, PickFaces, hit.element))
                continue;
            candidates.push_back({hit, 0, depth, x, y});
        }
    }
    sortCandidates(candidates);
    std::vector<PickHit> hits;
    for (const Candidate& c : candidates)
        hits.push_back(c.hit);
    return hits;
}

std::vector<PickHit> Picker::verticesInside(const PickOutline& outline, bool through) const
{
    std::vector<PickHit> hits;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        for (int v = 0; v < o.object->vertices.count(); ++v) {
            const int level = o.map->levelVertex(v);
            if (level < 0 || o.object->vertices[v]->isHidden())
                continue;
            const ScreenPoint& p = view_.point(k, level);
            if (p.valid && outline.contains(p.x, p.y) && (through || view_.visible(p.x, p.y, p.depth)))
                hits.push_back({k, v});
        }
    }
    return hits;
}

std::vector<PickHit> Picker::edgesInside(const PickOutline& outline, bool through, bool enclosed) const
{
    // Per control edge: -1 not seen, 0 out, 1 counted so far. An enclosed
    // edge must have every segment inside; a touching one one sample.
    std::vector<PickHit> hits;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        std::vector<int8_t> state(static_cast<size_t>(o.object->edges.count()), -1);
        std::vector<int8_t> seen(state.size(), through ? 1 : 0);
        for (int c = 0; c < o.object->edges.count(); ++c)
            if (o.object->edges[c]->isHidden())
                state[c] = 0;
        const std::vector<int32_t>& ends = view_.mesh(k).edgeEnds;
        const std::span<const ScreenPoint> points = view_.points(k);
        for (int e = 0; e < static_cast<int>(ends.size() / 2); ++e) {
            const int control = o.map->controlEdge(e);
            if (ends[2 * e] < 0 || ends[2 * e + 1] < 0 || control < 0 || state[control] == 0 ||
                (!enclosed && state[control] == 1 && seen[control]))
                continue;
            const ScreenPoint& a = points[ends[2 * e]];
            const ScreenPoint& b = points[ends[2 * e + 1]];
            const bool inA = a.valid && outline.contains(a.x, a.y), inB = b.valid && outline.contains(b.x, b.y);
            if (enclosed && !(inA && inB)) {
                state[control] = 0;
                continue;
            }
            if (!a.valid || !b.valid || !(inA || inB || outline.touchesSegment(pixel(a), pixel(b))))
                continue;
            state[control] = 1;
            if (seen[control])
                continue;
            // Visible-only: some sample of the segment inside the outline is seen.
            const int steps = std::clamp(static_cast<int>(std::hypot(b.x - a.x, b.y - a.y)), 1, 256);
            for (int i = 0; i <= steps && !seen[control]; ++i) {
                const double t = static_cast<double>(i) / steps;
                const double sx = a.x + t * (b.x - a.x), sy = a.y + t * (b.y - a.y);
                seen[control] = outline.contains(sx, sy) && view_.visible(sx, sy, a.depth + t * (b.depth - a.depth));
            }
        }
        for (int c = 0; c < static_cast<int>(state.size()); ++c)
            if (state[c] == 1 && seen[c])
                hits.push_back({k, c});
    }
    return hits;
}

std::vector<PickHit> Picker::facesInside(const PickOutline& outline, bool through, bool enclosed, bool objects) const
{
    // Visible-only: what the buffer shows inside the outline, in one scan.
    std::vector<std::vector<int8_t>> shown(objects_.size());
    if (!through) {
        for (size_t k = 0; k < objects_.size(); ++k)
            shown[k].assign(objects ? 1 : static_cast<size_t>(objects_[k].object->faces.count()), 0);
        view_.facesIn(outline.x0(), outline.y0(), outline.x1(), outline.y1(),
                      [&](int x, int y) { return outline.contains(x + 0.5, y + 0.5); },
                      [&](int k, int levelFace) { shown[k][objects ? 0 : objects_[k].map->controlFace(levelFace)] = 1; });
    }
    std::vector<PickHit> hits;
    std::vector<PixelPoint> corners;
    for (int k = 0; k < static_cast<int>(objects_.size()); ++k) {
        const PickObject& o = objects_[k];
        const int count = objects ? 1 : o.object->faces.count();
        // Per control face (or the object): -1 not seen, 0 out, 1 counted.
        std::vector<int8_t> state(static_cast<size_t>(count), -1);
        const PickMesh& m = view_.mesh(k);
        for (int f = 0; f < static_cast<int>(m.faceShown.size()); ++f) {
            const int slot = objects ? 0 : o.map->controlFace(f);
            if (!m.faceShown[f] || state[slot] == 0)
                continue;
            if (!enclosed && (!through || state[slot] == 1))
                continue; // visible-only touching is answered by the buffer below
            const bool projected = projectedCorners(view_, k, f, corners, nullptr);
            bool allIn = projected, anyIn = false;
            for (const PixelPoint& p : corners) {
                const bool in = outline.contains(p.x, p.y);
                allIn = allIn && in;
                anyIn = anyIn || in;
            }
            if (enclosed) {
                state[slot] = allIn ? 1 : 0;
                continue;
            }
            for (size_t i = 0; projected && !anyIn && i < corners.size(); ++i)
                anyIn = outline.touchesSegment(corners[i], corners[(i + 1) % corners.size()]);
            if (projected && (anyIn || pointInPolygon(outline.anchor(), corners)))
                state[slot] = 1;
        }
        if (!through)
            for (size_t i = 0; i < state.size(); ++i)
                state[i] = (enclosed ? state[i] == 1 : true) && shown[k][i] ? 1 : 0;
        for (int s = 0; s < count; ++s)
            if (state[s] == 1)
                hits.push_back({k, objects ? -1 : s});
    }
    return hits;
}
