#include "PrimitiveConstruction.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <map>
#include <numbers>

void beginPrimitive(Shape& s, const char* name)
{
    s.name = name;
    s.set(Geometry::Selected, false);
    s.setShadingMode(InnerShape::FlatShade);
}

Vertex* newVertex(Shape& s, const Point3D& p)
{
    Vertex* v = take<Vertex>(p);
    if (v)
        s.addVertex(v);
    return v;
}

Face* newFace(Shape& s, std::initializer_list<Vertex*> corners)
{
    return newFace(s, std::vector<Vertex*>(corners));
}

Face* newFace(Shape& s, const std::vector<Vertex*>& corners)
{
    Face* f = take<Face>();
    if (!f)
        return nullptr;
    for (Vertex* v : corners)
        f->appendCorner(v);
    s.addFace(f);
    return f;
}

Edge* newWireEdge(Shape& s, Vertex* a, Vertex* b)
{
    Edge* e = take<Edge>(a, b);
    if (e)
        s.addEdge(e);
    return e;
}

void finishPrimitive(Shape& s, float layoutSpacing)
{
    s.buildEdges();
    s.update(true, false, -1);
    s.resetAxis();
    applyDefaultProjection(s.faces, layoutSpacing);
}

void finishWirePrimitive(Shape& s)
{
    s.update(true, false, -1);
    s.resetAxis();
}

namespace {
template <class Visit>
void forEachContour(const List<Face*>& faces, Visit visit)
{
    for (Face* f : faces) {
        visit(*f);
        for (Face* h : f->holes)
            visit(*h);
    }
}
} // namespace

void applyDefaultProjection(const List<Face*>& faces, float layoutSpacing)
{
    float lo[3] = {FLT_MAX, FLT_MAX, FLT_MAX}, hi[3] = {-FLT_MAX, -FLT_MAX, -FLT_MAX};
    bool any = false;
    forEachContour(faces, [&](Face& contour) {
        for (const Corner& c : contour.corners) {
            const float p[3] = {c.vertex->x, c.vertex->y, c.vertex->z};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], p[k]);
                hi[k] = std::max(hi[k], p[k]);
            }
            any = true;
        }
    });
    if (!any)
        return;
    const float centre[3] = {(lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2, (lo[2] + hi[2]) / 2};
    const float extent = std::max(hi[0] - lo[0], hi[2] - lo[2]);
    // A box without width or depth has nothing to fit into the square.
    const float scale = extent > 0.0f ? 1.0f / (extent * (1.0f + layoutSpacing)) : 0.0f;
    forEachContour(faces, [&](Face& contour) {
        for (Corner& c : contour.corners) {
            c.u = (c.vertex->x - centre[0]) * scale + 0.5f;
            c.v = 0.5f - (c.vertex->z - centre[2]) * scale;
            c.w = (c.vertex->y - centre[1]) * scale;
        }
    });
}

Point3D revolveAboutY(const Point3D& p, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return Point3D(static_cast<float>(p.x * c - p.z * s), p.y, static_cast<float>(p.x * s + p.z * c));
}

Point3D rotateAboutAxis(const Point3D& p, const Point3D& origin, const Point3D& axis, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const Point3D d = p - origin;
    const Point3D across = axis.cross(d);
    const double along = axis.dot(d) * (1.0 - c);
    return Point3D(static_cast<float>(origin.x + d.x * c + across.x * s + axis.x * along),
                   static_cast<float>(origin.y + d.y * c + across.y * s + axis.y * along),
                   static_cast<float>(origin.z + d.z * c + across.z * s + axis.z * along));
}

std::vector<Vertex*> revolveProfile(Shape& s, const RevolutionProfile& profile, int sections)
{
    const int n = std::max(sections, 1);
    const int m = static_cast<int>(profile.points.size());
    auto isPole = [&](int j) { return (j == 0 && profile.firstIsPole) || (j == m - 1 && profile.lastIsPole); };
    std::vector<Vertex*> grid(static_cast<size_t>(m) * n, nullptr);
    // Every column is turned from the profile itself rather than from the
    // previous column, so no rounding piles up around the turn.
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < m; ++j)
            if (!isPole(j))
                grid[j * n + k] = newVertex(s, revolveAboutY(profile.points[j], 360.0 * k / n));
    for (int j = 0; j < m; ++j)
        if (isPole(j)) {
            Vertex* pole = newVertex(s, profile.points[j]);
            std::fill(grid.begin() + j * n, grid.begin() + (j + 1) * n, pole);
        }

    const int segments = profile.closed ? m : m - 1;
    // One column cannot be joined to itself: it stays a wire along the profile.
    if (n == 1) {
        for (int j = 0; j < segments; ++j)
            if (grid[j] != grid[(j + 1) % m])
                newWireEdge(s, grid[j], grid[(j + 1) % m]);
        return grid;
    }
    for (int j = 0; j < segments; ++j) {
        const int j1 = (j + 1) % m;
        if (isPole(j) && isPole(j1))
            continue;
        for (int k = 0; k < n; ++k) {
            const int k1 = (k + 1) % n;
            Vertex* quad[4] = {grid[j * n + k], grid[j1 * n + k], grid[j1 * n + k1], grid[j * n + k1]};
            if (profile.descends)
                std::reverse(quad, quad + 4);
            if (!isPole(j) && !isPole(j1)) {
                newFace(s, {quad[0], quad[1], quad[2], quad[3]});
                continue;
            }
            // Two neighbouring corners are the pole: keep the other two in
            // their cyclic order and put the pole last.
            Vertex* pole = isPole(j) ? grid[j * n] : grid[j1 * n];
            int i = 0;
            while (!(quad[i] == pole && quad[(i + 1) % 4] != pole))
                ++i;
            newFace(s, {quad[(i + 1) % 4], quad[(i + 2) % 4], pole});
        }
    }
    return grid;
}

namespace {
std::vector<Point3D> positionsOf(const std::vector<const Vertex*>& chain)
{
    std::vector<Point3D> points;
    points.reserve(chain.size());
    for (const Vertex* v : chain)
        points.emplace_back(v->x, v->y, v->z);
    return points;
}

// Walks the wire edges from an end of the chain (or any vertex of a loop).
std::vector<const Vertex*> walkEdges(const InnerShape& mesh, bool& outClosed)
{
    std::map<const Vertex*, std::vector<const Edge*>> around;
    for (const Edge* e : mesh.edges) {
        if (e->startVertex == e->endVertex)
            continue;
        around[e->startVertex].push_back(e);
        around[e->endVertex].push_back(e);
    }
    const Vertex* start = mesh.edges[0]->startVertex;
    for (const Vertex* v : mesh.vertices)
        if (around.count(v) && around[v].size() == 1) {
            start = v;
            break;
        }
    std::vector<const Vertex*> chain{start};
    std::vector<const Edge*> used;
    const Vertex* at = start;
    outClosed = false;
    for (;;) {
        const Edge* next = nullptr;
        for (const Edge* e : around[at])
            if (std::find(used.begin(), used.end(), e) == used.end()) {
                next = e;
                break;
            }
        if (!next)
            break;
        used.push_back(next);
        at = next->otherVertex(at);
        if (at == start) {
            outClosed = true;
            break;
        }
        if (std::find(chain.begin(), chain.end(), at) != chain.end())
            break;
        chain.push_back(at);
    }
    return chain;
}
} // namespace

std::vector<Point3D> profileChain(const InnerShape& profile, bool& outClosed)
{
    if (!profile.faces.empty()) {
        std::vector<const Vertex*> loop;
        for (const Corner& c : profile.faces[0]->corners)
            loop.push_back(c.vertex);
        outClosed = true;
        return positionsOf(loop);
    }
    if (!profile.edges.empty())
        return positionsOf(walkEdges(profile, outClosed));
    outClosed = false;
    return positionsOf(std::vector<const Vertex*>(profile.vertices.begin(), profile.vertices.end()));
}

Point3D loopNormal(const std::vector<Point3D>& points)
{
    Point3D sum(0, 0, 0);
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const Point3D& a = points[i];
        const Point3D& b = points[(i + 1) % n];
        sum += Point3D((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    return sum.normalized();
}

void reverseAllFaces(Shape& s)
{
    for (Face* f : s.faces)
        f->corners.reverse();
}

bool orientConsistently(Shape& s)
{
    // For every side (unordered vertex pair): the faces using it and the
    // direction each runs it in.
    struct Use {
        int face;
        bool forward;
    };
    std::map<std::pair<const Vertex*, const Vertex*>, std::vector<Use>> sides;
    const int count = s.faces.count();
    for (int i = 0; i < count; ++i) {
        const Face* f = s.faces[i];
        const int n = f->cornerCount();
        for (int k = 0; k < n; ++k) {
            const Vertex* a = f->cornerVertex(k);
            const Vertex* b = f->cornerVertex(k + 1);
            sides[std::minmax(a, b)].push_back({i, a < b});
        }
    }
    std::vector<int> state(count, 0); // 0 unvisited, 1 kept, 2 reversed
    for (int seed = 0; seed < count; ++seed) {
        if (state[seed])
            continue;
        state[seed] = 1;
        std::vector<int> stack{seed};
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const Face* f = s.faces[i];
            const int n = f->cornerCount();
            for (int k = 0; k < n; ++k) {
                const Vertex* a = f->cornerVertex(k);
                const Vertex* b = f->cornerVertex(k + 1);
                const auto& uses = sides[std::minmax(a, b)];
                if (uses.size() != 2)
                    continue;
                const Use& self = uses[0].face == i ? uses[0] : uses[1];
                const Use& other = uses[0].face == i ? uses[1] : uses[0];
                if (other.face == i || state[other.face])
                    continue;
                // Neighbours must run their shared side in opposite directions.
                const bool selfForward = self.forward != (state[i] == 2);
                state[other.face] = other.forward == selfForward ? 2 : 1;
                stack.push_back(other.face);
            }
        }
    }
    for (int i = 0; i < count; ++i)
        if (state[i] == 2)
            s.faces[i]->corners.reverse();
    return std::all_of(sides.begin(), sides.end(), [](const auto& side) { return side.second.size() == 2; });
}

double signedVolume(const InnerShape& s)
{
    double volume = 0.0;
    for (const Face* f : s.faces) {
        const Vertex* a = f->cornerVertex(0);
        for (int k = 1; k + 1 < f->cornerCount(); ++k) {
            const Vertex* b = f->cornerVertex(k);
            const Vertex* c = f->cornerVertex(k + 1);
            volume += (static_cast<double>(a->x) * (static_cast<double>(b->y) * c->z - static_cast<double>(b->z) * c->y) -
                       static_cast<double>(a->y) * (static_cast<double>(b->x) * c->z - static_cast<double>(b->z) * c->x) +
                       static_cast<double>(a->z) * (static_cast<double>(b->x) * c->y - static_cast<double>(b->y) * c->x)) /
                      6.0;
        }
    }
    return volume;
}
