#include "Mesh/Topology/BevelCut.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"
#include "Mesh/Topology/MeshCleanup.h"

namespace {

using Key = std::pair<const void*, const void*>;
struct KeyHash {
    size_t operator()(const Key& k) const
    {
        return std::hash<const void*>()(k.first) * 31u + std::hash<const void*>()(k.second);
    }
};

// Thin corners would send the new points far away for a small value: a
// sliding point travels at most 1 / MinSine per unit, and a face point's
// offset is divided by at least MinOffsetDivisor.
constexpr float MinSine = 0.2f;
constexpr float MinOffsetDivisor = 0.1f;

// A contour (outer or hole) with a corner on a cut vertex, and per old
// corner the corners that take its place (the corner itself when its vertex
// is not cut).
struct Contour {
    Face* owner;
    Face* contour;
    std::vector<std::vector<Corner>> replaced;
};

// Where a bevelled edge runs in a contour: corner k starts it.
struct Run {
    int contour;
    int k;
};

// A side of the gap around a cut vertex: two of its new vertices that a face
// now joins, in that face's direction.
struct Segment {
    Vertex* from;
    Vertex* to;
    Face* owner;
    Corner corner; // the face's corner at `from`
};

class Cutter {
public:
    Cutter(InnerShape& mesh, const BevelCut& cut) : mesh_(mesh), bevelled_(cut.edges), cut_(cut.vertices)
    {
        for (Edge* e : cut.edges) {
            cut_.insert(e->startVertex);
            cut_.insert(e->endVertex);
        }
    }

    BevelPieces run()
    {
        collectContours();
        slideEdges();
        openStrips();
        rewriteContours();
        closeCorners();
        relinkAndDropUnused(mesh_, {}, {});
        finishDirections();
        return std::move(out_);
    }

private:
    bool isBevelled(const Edge* e) const { return e && bevelled_.count(const_cast<Edge*>(e)); }

    // The cut vertex itself serves as its first new vertex, so that nothing
    // has to leave the vertex list; the others copy its flags.
    Vertex* newVertexFor(Vertex* v)
    {
        Vertex* n = v;
        if (!reused_.insert(v).second) {
            n = take<Vertex>(v->x, v->y, v->z);
            copyFlags(*v, *n);
            n->set2(Geometry::OnPlane, false);
            mesh_.addVertex(n);
        }
        if (!originOf_.count(v))
            origins_.push_back(v);
        originOf_[n] = v;
        return n;
    }

    // The point of v that slides along the edge to w; `across` (when given)
    // is the far end of the bevelled edge beside it in a face, whose angle
    // to the slide sets how far the point must go to keep the bevel's width.
    Vertex* slidePoint(Vertex* v, Vertex* w, const Vertex* across)
    {
        auto [it, fresh] = slideIndex_.try_emplace(Key(v, w), static_cast<int>(out_.points.size()));
        if (fresh) {
            out_.points.push_back({newVertexFor(v), v, w, nullptr, (*w - *v).normalized()});
            stretch_.push_back(0.0f);
            samples_.push_back(0);
        }
        const int i = it->second;
        if (across) {
            const Point3D along = out_.points[i].direction;
            const float sine = along.cross((*across - *v).normalized()).length();
            stretch_[i] += 1.0f / std::max(sine, MinSine);
            ++samples_[i];
        }
        return out_.points[i].vertex;
    }

    // The point of v that moves into `owner` between the bevelled edges to
    // prev and to next, keeping unit distance from both per unit of value.
    Vertex* facePoint(Vertex* v, Face* owner, const Vertex* prev, const Vertex* next)
    {
        const Point3D& n = owner->normal;
        const Point3D in1 = n.cross((*v - *prev).normalized()); // into the face from the edge prev → v
        const Point3D in2 = n.cross((*next - *v).normalized()); // into the face from the edge v → next
        const float divisor = std::max(1.0f + in1.dot(in2), MinOffsetDivisor);
        out_.points.push_back({newVertexFor(v), v, nullptr, owner, (in1 + in2) * (1.0f / divisor)});
        stretch_.push_back(0.0f);
        samples_.push_back(0);
        return out_.points.back().vertex;
    }

    void collectContours()
    {
        for (Face* f : mesh_.faces) {
            bool normalDone = false;
            forEachContour(*f, [&](Face& c) {
                const bool touches = std::any_of(c.corners.begin(), c.corners.end(),
                                                 [&](const Corner& k) { return cut_.count(k.vertex) > 0; });
                if (!touches)
                    return;
                if (!normalDone) {
                    f->computeNormal();
                    normalDone = true;
                }
                replaceCorners(*f, c);
            });
        }
    }

    void replaceCorners(Face& owner, Face& c)
    {
        const int index = static_cast<int>(contours_.size());
        contours_.push_back({&owner, &c, {}});
        std::vector<std::vector<Corner>>& replaced = contours_.back().replaced;
        const int n = c.cornerCount();
        for (int k = 0; k < n; ++k) {
            const Corner corner = c.corners[k];
            if (isBevelled(corner.edge))
                runs_[corner.edge].push_back({index, k});
            Vertex* v = corner.vertex;
            if (!cut_.count(v)) {
                replaced.push_back({corner});
                continue;
            }
            const Corner& before = c.corners[(k + n - 1) % n];
            Vertex* prev = before.vertex;
            Vertex* next = c.corners[(k + 1) % n].vertex;
            const bool inBevelled = isBevelled(before.edge);
            const bool outBevelled = isBevelled(corner.edge);
            std::vector<Vertex*> points;
            if (inBevelled && outBevelled)
                points = {facePoint(v, &owner, prev, next)};
            else if (inBevelled)
                points = {slidePoint(v, next, prev)};
            else if (outBevelled)
                points = {slidePoint(v, prev, next)};
            else
                points = {slidePoint(v, prev, nullptr), slidePoint(v, next, nullptr)};
            std::vector<Corner> corners;
            for (Vertex* p : points)
                corners.push_back({p, nullptr, corner.u, corner.v, corner.w});
            replaced.push_back(std::move(corners));
        }
    }

    // Every edge at a cut vertex that is not bevelled now starts at the
    // point sliding along it (edges without faces get theirs here).
    void slideEdges()
    {
        for (Edge* e : mesh_.edges) {
            if (isBevelled(e))
                continue;
            Vertex* a = e->startVertex;
            Vertex* b = e->endVertex;
            if (cut_.count(a))
                e->startVertex = slidePoint(a, b, nullptr);
            if (cut_.count(b))
                e->endVertex = slidePoint(b, a, nullptr);
        }
    }

    // Each bevelled edge (p, q), run p → q by its first face A and q → p by
    // its other face B, keeps A's side and gets a twin for B's; the narrow
    // face between them runs qa, pa, pb, qb.
    void openStrips()
    {
        const int edgeCount = mesh_.edges.count();
        for (int i = 0; i < edgeCount; ++i) {
            Edge* e = mesh_.edges[i];
            auto found = runs_.find(e);
            if (!isBevelled(e) || found == runs_.end() || found->second.size() != 2)
                continue;
            Run a = found->second[0], b = found->second[1];
            if (contours_[a.contour].owner != e->faces[0])
                std::swap(a, b);
            const Contour& ca = contours_[a.contour];
            const Contour& cb = contours_[b.contour];
            Vertex* p = ca.contour->corners[a.k].vertex;
            Vertex* q = cb.contour->corners[b.k].vertex;
            const Corner pa = ca.replaced[a.k].back();
            const Corner qa = ca.replaced[(a.k + 1) % ca.replaced.size()].front();
            const Corner qb = cb.replaced[b.k].back();
            const Corner pb = cb.replaced[(b.k + 1) % cb.replaced.size()].front();

            std::vector<Corner> corners;
            for (const Corner& c : {qa, pa, pb, qb})
                if (corners.empty() || corners.back().vertex != c.vertex)
                    corners.push_back(c);
            if (corners.size() > 1 && corners.back().vertex == corners.front().vertex)
                corners.pop_back();
            if (corners.size() >= 3) {
                Face* strip = take<Face>(e->faces[0]->material);
                for (const Corner& c : corners)
                    strip->corners.append(c);
                mesh_.addFace(strip);
                out_.strips.push_back({strip, p, q});
            }
            Edge* twin = take<Edge>(pb.vertex, qb.vertex);
            copyFlags(*e, *twin);
            mesh_.addEdge(twin);
            e->startVertex = pa.vertex;
            e->endVertex = qa.vertex;
        }
    }

    void rewriteContours()
    {
        for (Contour& c : contours_) {
            c.contour->corners.clear();
            for (const std::vector<Corner>& corners : c.replaced)
                for (const Corner& corner : corners)
                    c.contour->corners.append(corner);
        }
    }

    Vertex* originOf(const Vertex* v) const
    {
        auto it = originOf_.find(v);
        return it == originOf_.end() ? nullptr : it->second;
    }

    void collectSegments(Face& owner, const Face& contour,
                         std::unordered_map<const Vertex*, std::vector<Segment>>& outSegments) const
    {
        const int n = contour.cornerCount();
        for (int k = 0; k < n; ++k) {
            Vertex* from = contour.corners[k].vertex;
            Vertex* to = contour.corners[(k + 1) % n].vertex;
            Vertex* origin = originOf(from);
            if (origin && from != to && origin == originOf(to))
                outSegments[origin].push_back({from, to, &owner, contour.corners[k]});
        }
    }

    // Around each cut vertex the sides left by the faces either pair up (two
    // faces meeting along one new edge) or ring a gap, which a corner
    // polygon running the other way fills. Open chains stay a border.
    void closeCorners()
    {
        std::unordered_map<const Vertex*, std::vector<Segment>> segments;
        for (const Contour& c : contours_)
            collectSegments(*c.owner, *c.contour, segments);
        for (const BevelPieces::Strip& s : out_.strips)
            collectSegments(*s.face, *s.face, segments);
        for (Vertex* origin : origins_) {
            std::vector<Segment>& sides = segments[origin];
            std::vector<bool> used(sides.size(), false);
            for (size_t i = 0; i < sides.size(); ++i)
                for (size_t j = i + 1; j < sides.size() && !used[i]; ++j)
                    if (!used[j] && sides[j].from == sides[i].to && sides[j].to == sides[i].from)
                        used[i] = used[j] = true;
            for (size_t i = 0; i < sides.size(); ++i) {
                if (used[i])
                    continue;
                std::vector<size_t> ring{i};
                used[i] = true;
                bool closed = false;
                while (!closed) {
                    const Vertex* end = sides[ring.back()].to;
                    if (end == sides[i].from) {
                        closed = true;
                        break;
                    }
                    size_t next = sides.size();
                    for (size_t j = 0; j < sides.size() && next == sides.size(); ++j)
                        if (!used[j] && sides[j].from == end)
                            next = j;
                    if (next == sides.size())
                        break;
                    used[next] = true;
                    ring.push_back(next);
                }
                if (closed && ring.size() >= 3)
                    addCap(origin, sides, ring);
            }
        }
    }

    void addCap(Vertex* origin, const std::vector<Segment>& sides, const std::vector<size_t>& ring)
    {
        Face* cap = take<Face>(sides[ring[0]].owner->material);
        const size_t m = ring.size();
        for (size_t r = m; r-- > 0;) {
            Corner c = sides[ring[(r + 1) % m]].corner;
            c.edge = nullptr;
            cap->corners.append(c);
        }
        mesh_.addFace(cap);
        out_.caps.push_back({cap, origin});
    }

    void finishDirections()
    {
        for (size_t i = 0; i < out_.points.size(); ++i)
            if (samples_[i] > 0)
                out_.points[i].direction = out_.points[i].direction * (stretch_[i] / float(samples_[i]));
    }

    InnerShape& mesh_;
    const std::unordered_set<Edge*>& bevelled_;
    std::unordered_set<Vertex*> cut_;
    std::unordered_set<Vertex*> reused_;
    std::unordered_map<const Vertex*, Vertex*> originOf_; // new vertex -> the cut vertex it replaces
    std::vector<Vertex*> origins_;                        // cut vertices, in the order they were first met
    std::unordered_map<Key, int, KeyHash> slideIndex_;    // (cut vertex, neighbour) -> its sliding point
    std::unordered_map<const Edge*, std::vector<Run>> runs_;
    std::vector<Contour> contours_;
    std::vector<float> stretch_; // per point: the sum of 1 / sine over the bevelled edges beside it
    std::vector<int> samples_;
    BevelPieces out_;
};

} // namespace

bool canBevel(const Edge& e)
{
    if (e.faces.count() != 2 || e.faces[0] == e.faces[1] || e.startVertex == e.endVertex)
        return false;
    int forward = 0, backward = 0;
    for (Face* f : e.faces)
        forEachContour(*f, [&](Face& c) {
            for (const Corner& corner : c.corners)
                if (corner.edge == &e)
                    ++(corner.vertex == e.startVertex ? forward : backward);
        });
    return forward == 1 && backward == 1;
}

BevelPieces cutBevel(InnerShape& mesh, const BevelCut& cut)
{
    return Cutter(mesh, cut).run();
}
