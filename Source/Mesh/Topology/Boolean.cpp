// The only file that includes CGAL: its headers compile slowly.
#include "Mesh/Topology/Boolean.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/corefinement.h>
#include <CGAL/Polygon_mesh_processing/orientation.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/helpers.h>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "Mesh/FaceTessellator.h"
#include "Mesh/Material.h"
#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

namespace PMP = CGAL::Polygon_mesh_processing;
using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Mesh = CGAL::Surface_mesh<Kernel::Point_3>;
using FaceIndex = Mesh::Face_index;
using HalfedgeIndex = Mesh::Halfedge_index;
using VertexIndex = Mesh::Vertex_index;
// Per triangle: the input face it was cut from, as a position in the table
// of source faces (a's faces, then b's).
using OriginMap = Mesh::Property_map<FaceIndex, int>;

OriginMap originsOf(Mesh& m)
{
    return m.add_property_map<FaceIndex, int>("f:origin", -1).first;
}

// Carries each triangle's origin to the triangles corefinement cuts it
// into and to the triangles it copies into the output. The maps of the
// three meshes are looked up once.
struct OriginVisitor : PMP::Corefinement::Default_visitor<Mesh> {
    OriginVisitor(Mesh& a, Mesh& b, Mesh& out) : meshes{&a, &b, &out}, maps{originsOf(a), originsOf(b), originsOf(out)} {}
    OriginMap& of(const Mesh& m)
    {
        return maps[&m == meshes[0] ? 0 : &m == meshes[1] ? 1 : 2];
    }
    void before_subface_creations(FaceIndex old, Mesh& m) { splitting = of(m)[old]; }
    void after_subface_created(FaceIndex made, Mesh& m) { of(m)[made] = splitting; }
    void after_face_copy(FaceIndex from, const Mesh& source, FaceIndex to, Mesh& target) { of(target)[to] = of(source)[from]; }

    const Mesh* meshes[3];
    OriginMap maps[3];
    int splitting = -1;
};

using Area = std::array<double, 3>;

// A triangulated copy of `mesh`; every triangle records its source face as
// `firstOrigin` + the face's list position. False when a face cannot be
// split into triangles of its own corners or the triangles do not form a
// manifold surface.
bool toCgal(const InnerShape& mesh, int firstOrigin, Mesh& out)
{
    // Vertex tags hold the vertex's position in `out` for the run.
    const int vertexCount = mesh.vertices.count();
    out.reserve(Mesh::size_type(vertexCount), Mesh::size_type(3 * mesh.faces.count()), Mesh::size_type(2 * mesh.faces.count()));
    for (int i = 0; i < vertexCount; ++i) {
        Vertex* v = mesh.vertices[i];
        v->tag = i;
        out.add_vertex(Kernel::Point_3(v->x, v->y, v->z));
    }
    auto indexOf = [&](const Vertex* v) {
        return v && v->tag >= 0 && v->tag < vertexCount && mesh.vertices[v->tag] == v ? VertexIndex(Mesh::size_type(v->tag))
                                                                                      : Mesh::null_vertex();
    };
    OriginMap origin = originsOf(out);
    FaceTessellator tessellator;
    auto addTriangle = [&](const Vertex* p, const Vertex* q, const Vertex* r, int from) {
        const VertexIndex ip = indexOf(p), iq = indexOf(q), ir = indexOf(r);
        if (ip == Mesh::null_vertex() || iq == Mesh::null_vertex() || ir == Mesh::null_vertex())
            return false;
        FaceIndex f = out.add_face(ip, iq, ir);
        if (f == Mesh::null_face())
            return false;
        origin[f] = from;
        return true;
    };
    for (int i = 0; i < mesh.faces.count(); ++i) {
        const Face& f = *mesh.faces[i];
        const Vertex* c[4] = {f.cornerVertex(0), f.cornerVertex(1), f.cornerVertex(2), f.cornerVertex(3)};
        if (f.holes.empty() && f.cornerCount() == 3) {
            if (!addTriangle(c[0], c[1], c[2], firstOrigin + i))
                return false;
            continue;
        }
        if (f.holes.empty() && f.cornerCount() == 4) {
            // The diagonal 0-2 splits the quad when corners 1 and 3 lie on
            // either side of it; otherwise (corner 0 or 2 is reflex) 1-3 does.
            const Point3D d = *c[2] - *c[0];
            const bool across = (*c[1] - *c[0]).cross(d).dot(d.cross(*c[3] - *c[0])) > 0;
            const int k = across ? 0 : 1;
            if (!addTriangle(c[k], c[k + 1], c[k + 2], firstOrigin + i) ||
                !addTriangle(c[k], c[k + 2], c[(k + 3) % 4], firstOrigin + i))
                return false;
            continue;
        }
        if (!tessellator.tessellate(f) || tessellator.points().count() != tessellator.cornerPointCount())
            return false;
        const List<int>& t = tessellator.triangles();
        const List<TessellatedPoint>& p = tessellator.points();
        for (int k = 0; k + 2 < t.count(); k += 3)
            if (!addTriangle(p[t[k]].vertex, p[t[k + 1]].vertex, p[t[k + 2]].vertex, firstOrigin + i))
                return false;
    }
    return true;
}

// Checks that one input is closed and turns it outward. Self-crossings
// are found by the corefinement itself, among the triangles near the other
// surface: a full search would cost as much as the operation.
BooleanOutcome prepare(Mesh& m)
{
    if (!CGAL::is_closed(m))
        return BooleanOutcome::NotClosed;
    if (!m.is_empty() && !PMP::is_outward_oriented(m))
        PMP::reverse_face_orientations(m);
    return BooleanOutcome::Done;
}

// Builds Tavo faces from the result: the triangles of one source face that
// hang together become one polygon when their border is one outer loop
// with inner loops inside it (holes); otherwise they stay triangles.
class ResultBuilder {
public:
    ResultBuilder(Mesh& m, InnerShape& out, const std::vector<Material*>& materials)
        : m_(m), out_(out), materials_(materials), origin_(m.property_map<FaceIndex, int>("f:origin").first)
    {
    }

    void build()
    {
        for (VertexIndex v : m_.vertices()) {
            // The interval approximation is far tighter than float rounding,
            // and reading it never forces the exact value.
            const auto& p = m_.point(v).approx();
            Vertex* made = take<Vertex>(float(CGAL::to_double(p.x())), float(CGAL::to_double(p.y())),
                                        float(CGAL::to_double(p.z())));
            vertex_.push_back(made);
            if (made)
                out_.addVertex(made);
        }
        // Pieces: triangles of one origin joined across their shared sides.
        std::vector<int> piece(m_.number_of_faces(), -1);
        std::vector<FaceIndex> lone(1);
        for (FaceIndex seed : m_.faces()) {
            if (piece[seed] >= 0)
                continue;
            const int id = pieceCount_++;
            if (alone(seed)) {
                piece[seed] = id;
                lone[0] = seed;
                emitTriangles(lone);
                continue;
            }
            std::vector<FaceIndex> stack{seed}, members;
            piece[seed] = id;
            while (!stack.empty()) {
                FaceIndex f = stack.back();
                stack.pop_back();
                members.push_back(f);
                for (HalfedgeIndex h : CGAL::halfedges_around_face(m_.halfedge(f), m_)) {
                    FaceIndex g = m_.face(m_.opposite(h));
                    if (g != Mesh::null_face() && piece[g] < 0 && origin_[g] == origin_[f]) {
                        piece[g] = id;
                        stack.push_back(g);
                    }
                }
            }
            emitPiece(members, piece);
        }
        out_.buildEdges();
        dissolveStraightVertices();
    }

private:
    // True when no neighbour of f comes from the same source face.
    bool alone(FaceIndex f) const
    {
        for (HalfedgeIndex h : CGAL::halfedges_around_face(m_.halfedge(f), m_)) {
            FaceIndex g = m_.face(m_.opposite(h));
            if (g != Mesh::null_face() && origin_[g] == origin_[f])
                return false;
        }
        return true;
    }

    // Cutting leaves points in the middle of straight sides (where a
    // triangle's diagonal met the other surface). A vertex with exactly two
    // edges, in line and bordering the same two faces, is taken out of
    // those faces, so that the polygons keep only their real corners: its
    // first edge is stretched to the far end of the second, which goes.
    void dissolveStraightVertices()
    {
        const int n = out_.vertices.count();
        std::vector<int> degree(static_cast<size_t>(n), 0);
        std::vector<std::array<Edge*, 2>> at(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            out_.vertices[i]->tag = i;
        for (Edge* e : out_.edges)
            for (Vertex* v : {e->startVertex, e->endVertex}) {
                int& d = degree[static_cast<size_t>(v->tag)];
                if (d < 2)
                    at[static_cast<size_t>(v->tag)][static_cast<size_t>(d)] = e;
                ++d;
            }
        bool any = false;
        for (int i = 0; i < n; ++i) {
            Vertex* v = out_.vertices[i];
            if (degree[static_cast<size_t>(i)] != 2)
                continue;
            Edge* keep = at[static_cast<size_t>(i)][0];
            Edge* drop = at[static_cast<size_t>(i)][1];
            Vertex* b = drop->otherVertex(v);
            if (!inLine(v, keep, drop) || !takeOutCorner(*keep->faces[0], v, keep, true) ||
                !takeOutCorner(*keep->faces[1], v, keep, true))
                continue;
            takeOutCorner(*keep->faces[0], v, keep, false);
            takeOutCorner(*keep->faces[1], v, keep, false);
            (keep->startVertex == v ? keep->startVertex : keep->endVertex) = b;
            auto& atB = at[static_cast<size_t>(b->tag)];
            for (Edge*& e : atB)
                if (e == drop)
                    e = keep;
            degree[static_cast<size_t>(i)] = 0;
            drop->tag = -1;
            v->tag = -1;
            any = true;
        }
        if (!any)
            return;
        int kept = 0;
        for (Edge* e : out_.edges) {
            if (e->tag == -1)
                e->release();
            else
                out_.edges[kept++] = e;
        }
        out_.edges.truncate(kept);
        kept = 0;
        for (Vertex* v : out_.vertices) {
            if (v->tag == -1)
                v->release();
            else
                out_.vertices[kept++] = v;
        }
        out_.vertices.truncate(kept);
    }

    // True when v lies between the far ends of its two edges, on their
    // line, and both edges border the same two faces.
    static bool inLine(const Vertex* v, const Edge* e1, const Edge* e2)
    {
        if (e1->faces.count() != 2 || e2->faces.count() != 2 || e1->faces[0] == e1->faces[1])
            return false;
        const bool sameFaces = (e1->faces[0] == e2->faces[0] && e1->faces[1] == e2->faces[1]) ||
                               (e1->faces[0] == e2->faces[1] && e1->faces[1] == e2->faces[0]);
        const Point3D a = *e1->otherVertex(v) - *v, b = *e2->otherVertex(v) - *v;
        return sameFaces && e1->otherVertex(v) != e2->otherVertex(v) &&
               a.cross(b).length() <= 1e-5f * a.length() * b.length() && a.dot(b) < 0;
    }

    // Removes v's corner from the contour of f that has it, the corner
    // before it leading along `keep` instead; with `check` only tells
    // whether that contour keeps at least 3 corners.
    static bool takeOutCorner(Face& f, const Vertex* v, Edge* keep, bool check)
    {
        bool done = false;
        forEachContour(f, [&](Face& contour) {
            const int n = contour.cornerCount();
            for (int k = 0; k < n && !done; ++k) {
                if (contour.corners[k].vertex != v)
                    continue;
                done = n > 3;
                if (done && !check) {
                    contour.corners.removeAt(k);
                    contour.corners[(k + n - 2) % (n - 1)].edge = keep;
                }
                return;
            }
        });
        return done;
    }

    Material* materialOf(FaceIndex f) const
    {
        const int o = origin_[f];
        return o >= 0 && o < static_cast<int>(materials_.size()) ? materials_[o] : Material::defaultMaterial();
    }

    Face* faceOver(const std::vector<VertexIndex>& loop, Material* material)
    {
        Face* f = take<Face>(material);
        if (!f)
            return nullptr;
        for (VertexIndex v : loop)
            f->appendCorner(vertex_[v]);
        return f;
    }

    // Twice the area vector of a loop (Newell's sum).
    Area areaVector(const std::vector<VertexIndex>& loop) const
    {
        double n[3] = {0, 0, 0};
        for (size_t k = 0; k < loop.size(); ++k) {
            const Vertex* a = vertex_[loop[k]];
            const Vertex* b = vertex_[loop[(k + 1) % loop.size()]];
            n[0] += (double(a->y) - b->y) * (double(a->z) + b->z);
            n[1] += (double(a->z) - b->z) * (double(a->x) + b->x);
            n[2] += (double(a->x) - b->x) * (double(a->y) + b->y);
        }
        return {n[0], n[1], n[2]};
    }

    static double dot(const Area& a, const Area& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
    Area facingOf(const std::vector<FaceIndex>& members) const
    {
        Area facing{0, 0, 0};
        for (FaceIndex f : members) {
            std::vector<VertexIndex> corners;
            for (VertexIndex v : CGAL::vertices_around_face(m_.halfedge(f), m_))
                corners.push_back(v);
            const Area a = areaVector(corners);
            for (int k = 0; k < 3; ++k)
                facing[k] += a[k];
        }
        return facing;
    }

    void emitTriangles(const std::vector<FaceIndex>& members)
    {
        for (FaceIndex f : members) {
            std::vector<VertexIndex> corners;
            for (VertexIndex v : CGAL::vertices_around_face(m_.halfedge(f), m_))
                corners.push_back(v);
            if (Face* made = faceOver(corners, materialOf(f)))
                out_.addFace(made);
        }
    }

    void emitPiece(const std::vector<FaceIndex>& members, const std::vector<int>& piece)
    {
        if (members.size() == 1) {
            emitTriangles(members);
            return;
        }
        const int id = piece[members[0]];
        // Border halfedges of the piece, keyed by their source vertex.
        std::unordered_map<VertexIndex, HalfedgeIndex> from;
        for (FaceIndex f : members)
            for (HalfedgeIndex h : CGAL::halfedges_around_face(m_.halfedge(f), m_)) {
                FaceIndex g = m_.face(m_.opposite(h));
                if (g != Mesh::null_face() && piece[g] == id)
                    continue;
                if (!from.emplace(m_.source(h), h).second) {
                    emitTriangles(members); // the border touches itself
                    return;
                }
            }
        std::vector<std::vector<VertexIndex>> loops;
        std::unordered_map<VertexIndex, bool> walked;
        for (const auto& entry : from) {
            const VertexIndex start = entry.first;
            if (walked[start])
                continue;
            std::vector<VertexIndex> loop;
            for (VertexIndex v = start; !walked[v];) {
                walked[v] = true;
                loop.push_back(v);
                auto it = from.find(m_.target(from[v]));
                if (it == from.end()) {
                    emitTriangles(members);
                    return;
                }
                v = it->first;
            }
            loops.push_back(loop);
        }
        // The outer loop runs the way the triangles face; holes run against it.
        const Area facing = facingOf(members);
        int outer = -1;
        for (size_t i = 0; i < loops.size(); ++i) {
            if (dot(areaVector(loops[i]), facing) <= 0)
                continue;
            if (outer >= 0) {
                emitTriangles(members); // two outer loops: not one polygon
                return;
            }
            outer = static_cast<int>(i);
        }
        if (outer < 0) {
            emitTriangles(members);
            return;
        }
        Material* material = materialOf(members[0]);
        Face* f = faceOver(loops[outer], material);
        if (!f)
            return;
        for (size_t i = 0; i < loops.size(); ++i)
            if (static_cast<int>(i) != outer)
                if (Face* hole = faceOver(loops[i], material))
                    f->holes.append(hole);
        out_.addFace(f);
    }

    Mesh& m_;
    InnerShape& out_;
    const std::vector<Material*>& materials_;
    OriginMap origin_;
    std::vector<Vertex*> vertex_;
    int pieceCount_ = 0;
};

} // namespace

BooleanOutcome booleanMeshes(const InnerShape& a, const InnerShape& b, BooleanOperation operation, InnerShape& out)
{
    Mesh ma, mb, result;
    if (!toCgal(a, 0, ma) || !toCgal(b, a.faces.count(), mb))
        return BooleanOutcome::NotClosed;
    for (Mesh* m : {&ma, &mb})
        if (BooleanOutcome o = prepare(*m); o != BooleanOutcome::Done)
            return o;
    OriginVisitor visitor(ma, mb, result);
    const auto options = CGAL::parameters::visitor(visitor).throw_on_self_intersection(true);
    bool ok = false;
    // CGAL reports self-crossings, and any failed check of its own, by
    // exception; none leaves this function.
    try {
        switch (operation) {
        case BooleanOperation::Subtract:
            ok = PMP::corefine_and_compute_difference(ma, mb, result, options);
            break;
        case BooleanOperation::Combine:
            ok = PMP::corefine_and_compute_union(ma, mb, result, options);
            break;
        case BooleanOperation::Intersect:
            ok = PMP::corefine_and_compute_intersection(ma, mb, result, options);
            break;
        }
    } catch (const PMP::Corefinement::Self_intersection_exception&) {
        return BooleanOutcome::SelfIntersecting;
    } catch (...) {
        return BooleanOutcome::Failed;
    }
    if (!ok)
        return BooleanOutcome::Failed;

    std::vector<Material*> materials;
    for (const InnerShape* m : {&a, &b})
        for (const Face* f : m->faces)
            materials.push_back(f->material);
    const std::string name = out.name;
    out.clear();
    out.name = name;
    ResultBuilder(result, out, materials).build();
    return BooleanOutcome::Done;
}

BooleanOutcome booleanShapes(const InnerShape& a, const InnerShape& b, BooleanOperation operation, Shape& result)
{
    return editTopology(result, [&](InnerShape& mesh) {
        const BooleanOutcome o = booleanMeshes(a, b, operation, mesh);
        if (o == BooleanOutcome::Done)
            mesh.resetAxis();
        return o;
    });
}
