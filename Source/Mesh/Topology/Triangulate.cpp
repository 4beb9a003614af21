#include "Mesh/Topology/Triangulate.h"

#include <array>
#include <unordered_set>
#include <vector>

#include "Mesh/FaceTessellator.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/ObjectProtocol.h"
#include "Mesh/Topology/PassNumber.h"

namespace {

constexpr uint8_t KeptFaceFlags = Geometry::Selected | Geometry::Hidden | Geometry::Psub;

// One corner of a triangle being made: where it stands and what it carries.
struct TriangleCorner {
    Vertex* vertex = nullptr;
    float u = 0, v = 0, w = 0;
};

// The corners of a face with its holes' corners appended: the indexing the
// tessellator's corner points follow.
std::vector<Corner> flatCorners(const Face& f)
{
    std::vector<Corner> out(f.corners.begin(), f.corners.end());
    for (const Face* h : f.holes)
        out.insert(out.end(), h->corners.begin(), h->corners.end());
    return out;
}

class Triangulator {
public:
    explicit Triangulator(InnerShape& mesh) : mesh_(mesh) {}

    // Replaces f (and its mirror partner, when given) by triangles; false,
    // nothing changed, when f cannot be tessellated.
    bool run(Face* f, Face* partner)
    {
        const Point3D oldNormal = f->computeNormal();
        if (!tess_.tessellate(*f))
            return false;
        std::vector<Corner> corners = flatCorners(*f);
        std::vector<TriangleCorner> points(static_cast<size_t>(tess_.points().count()));
        for (int i = 0; i < tess_.points().count(); ++i) {
            const TessellatedPoint& p = tess_.points()[i];
            Vertex* v = i < tess_.cornerPointCount() ? corners[i].vertex : crossingVertex(p);
            if (!v)
                return false;
            points[i] = {v, p.u, p.v, p.w};
        }
        std::vector<int> triangles(tess_.triangles().begin(), tess_.triangles().end());
        beginFace(*f);
        for (size_t t = 0; t + 2 < triangles.size(); t += 3)
            emit(*f, {points[triangles[t]], points[triangles[t + 1]], points[triangles[t + 2]]}, oldNormal);
        removed_.push_back(f);

        if (partner && !runMirrored(*partner, *f, triangles))
            run(partner, nullptr);
        return true;
    }

    // Takes the old faces out of the list, appends the triangles, relinks
    // the edges and drops edges the old faces leave without faces.
    void finish()
    {
        if (removed_.empty())
            return;
        const int32_t gone = nextPassNumber();
        for (Face* f : removed_)
            f->tag = gone;
        int kept = 0;
        for (Face* f : mesh_.faces)
            if (f->tag != gone)
                mesh_.faces[kept++] = f;
        mesh_.faces.truncate(kept);
        for (Face* f : mesh_.faces)
            if (f->mirror && f->mirror->tag == gone)
                f->mirror = nullptr;
        for (Face* f : made_)
            mesh_.faces.append(f);

        std::unordered_set<Edge*> oldEdges;
        for (Face* f : removed_) {
            for (const Corner& c : flatCorners(*f)) {
                if (c.edge)
                    oldEdges.insert(c.edge);
                c.vertex->faces.removeOne(f);
            }
        }
        mesh_.rebuildTopology(false);
        kept = 0;
        std::vector<Edge*> dropped;
        for (Edge* e : mesh_.edges) {
            if (e->faces.empty() && oldEdges.count(e))
                dropped.push_back(e);
            else
                mesh_.edges[kept++] = e;
        }
        mesh_.edges.truncate(kept);
        for (Edge* e : dropped)
            e->release();
        for (Face* f : removed_)
            f->release();
        removed_.clear();
    }

    int madeCount() const { return static_cast<int>(made_.size()); }

private:
    // The partner's corners mirror f's one to one: its triangles are f's
    // with the corners mapped across and the winding turned, since a
    // reflection turns it. False when some corner has no counterpart or f's
    // triangles use crossing points.
    bool runMirrored(Face& partner, const Face& f, const std::vector<int>& triangles)
    {
        std::vector<Corner> mine = flatCorners(f), theirs = flatCorners(partner);
        if (mine.size() != theirs.size() || tess_.points().count() != tess_.cornerPointCount())
            return false;
        std::vector<int> across(mine.size(), -1);
        for (size_t i = 0; i < mine.size(); ++i) {
            for (size_t j = 0; j < theirs.size(); ++j)
                if (mine[i].vertex->mirror == theirs[j].vertex)
                    across[i] = static_cast<int>(j);
            if (across[i] < 0)
                return false;
        }
        const Point3D oldNormal = partner.computeNormal();
        auto corner = [&](int i) {
            const Corner& c = theirs[across[i]];
            return TriangleCorner{c.vertex, c.u, c.v, c.w};
        };
        beginFace(partner);
        for (size_t t = 0; t + 2 < triangles.size(); t += 3)
            emit(partner, {corner(triangles[t]), corner(triangles[t + 2]), corner(triangles[t + 1])}, oldNormal);
        removed_.push_back(&partner);
        return true;
    }

    // A vertex for a point the tessellator made where contours cross.
    Vertex* crossingVertex(const TessellatedPoint& p)
    {
        Vertex* v = take<Vertex>(p.position[0], p.position[1], p.position[2]);
        if (v)
            mesh_.addVertex(v);
        return v;
    }

    // The old face's contour edges are what its triangles' outer sides reuse.
    void beginFace(const Face& old)
    {
        sideEdges_.clear();
        for (const Corner& c : flatCorners(old))
            if (c.edge)
                sideEdges_.push_back(c.edge);
    }

    Edge* sideEdge(Vertex* a, Vertex* b)
    {
        for (Edge* e : sideEdges_)
            if (e->joins(a, b))
                return e;
        Edge* e = take<Edge>(a, b);
        if (!e)
            return nullptr;
        mesh_.addEdge(e);
        sideEdges_.push_back(e);
        return e;
    }

    void emit(const Face& old, const std::array<TriangleCorner, 3>& c, const Point3D& oldNormal)
    {
        Face* t = take<Face>();
        if (!t)
            return;
        for (const TriangleCorner& k : c)
            t->corners.append(Corner{k.vertex, nullptr, k.u, k.v, k.w});
        t->material = old.material;
        t->flags = static_cast<uint8_t>((t->flags & ~KeptFaceFlags) | (old.flags & KeptFaceFlags));
        if (t->computeNormal().dot(oldNormal) < -0.001f)
            t->reverse();
        for (int k = 0; k < 3; ++k)
            t->corners[k].edge = sideEdge(t->corners[k].vertex, t->corners[(k + 1) % 3].vertex);
        made_.push_back(t);
    }

    InnerShape& mesh_;
    FaceTessellator tess_;
    std::vector<Edge*> sideEdges_; // edges the face being split offers its triangles
    std::vector<Face*> made_;      // the triangles, in the order made
    std::vector<Face*> removed_;   // the faces they replace
};

} // namespace

int triangulateFaces(InnerShape& mesh, const List<Face*>& faces)
{
    mesh.touch();
    for (Face* f : mesh.faces)
        f->tag = 0;
    for (Face* f : faces)
        if (f)
            f->tag = 1;
    std::vector<Face*> marked;
    for (Face* f : mesh.faces)
        if (f->tag == 1)
            marked.push_back(f);

    const int32_t pass = nextPassNumber();
    Triangulator triangulator(mesh);
    for (Face* f : marked) {
        if (f->tag == pass)
            continue;
        f->tag = pass;
        Face* partner = nullptr;
        if (mesh.hasSymmetry() && f->mirror && f->mirror != f && (f->mirror->tag == 0 || f->mirror->tag == 1)) {
            partner = f->mirror;
            partner->tag = pass;
        }
        const bool plain = f->holes.empty() && f->cornerCount() == 3;
        if (plain || !triangulator.run(f, partner)) {
            // The partner still gets split when only this side is a triangle already.
            if (partner && !(partner->holes.empty() && partner->cornerCount() == 3))
                triangulator.run(partner, nullptr);
        }
    }
    triangulator.finish();
    return triangulator.madeCount();
}

int triangulateAll(InnerShape& mesh)
{
    return triangulateFaces(mesh, mesh.faces);
}

int triangulateFaces(Shape& object, const List<Face*>& faces)
{
    return editTopology(object, [&](InnerShape& mesh) { return triangulateFaces(mesh, faces); });
}

int triangulateAll(Shape& object)
{
    return editTopology(object, [](InnerShape& mesh) { return triangulateAll(mesh); });
}
