#include "Mesh/Topology/Shell.h"

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/PartnersByConstruction.h"

namespace {

// The copy of the surface, indexed by the old elements' list positions
// (held in their tags while the shell is built).
struct InnerSurface {
    std::vector<Vertex*> vertexOf;   // null for a vertex no face uses
    std::vector<Edge*> edgeOf;       // null for an edge no face uses
    std::vector<Edge*> spokeOf;      // border vertices: from the old vertex to its copy
    std::vector<Point3D> normalSum;  // per old vertex, over the faces around it
    std::vector<std::pair<Face*, Face*>> faces;  // old face, its copy
    std::map<std::pair<const Face*, const Vertex*>, Face*> rimFrom;  // (old face, start of its border edge) → rim quad
};

// Copies one contour with every corner on the copied vertices and edges.
void copyContour(const Face& from, Face& to, const InnerSurface& s)
{
    for (const Corner& c : from.corners)
        to.corners.append(Corner{s.vertexOf[static_cast<size_t>(c.vertex->tag)],
                                 c.edge ? s.edgeOf[static_cast<size_t>(c.edge->tag)] : nullptr, c.u, c.v, c.w});
}

// The rim quad on border edge e of face f, whose corner `k` of `contour`
// runs it from a to b: [b, a, a', b'], against f on e and against f's copy on e'.
Face* rimQuad(InnerShape& mesh, InnerSurface& s, Face& f, const Face& contour, int k)
{
    const Corner& ca = contour.corners[k];
    const Corner& cb = contour.corners[(k + 1) % contour.cornerCount()];
    Vertex* a = ca.vertex;
    Vertex* b = cb.vertex;
    Edge* e = ca.edge;
    Edge* copy = s.edgeOf[static_cast<size_t>(e->tag)];
    Edge*& spokeA = s.spokeOf[static_cast<size_t>(a->tag)];
    Edge*& spokeB = s.spokeOf[static_cast<size_t>(b->tag)];
    Vertex* a2 = s.vertexOf[static_cast<size_t>(a->tag)];
    Vertex* b2 = s.vertexOf[static_cast<size_t>(b->tag)];
    for (auto [spoke, from, to] : {std::tuple{&spokeA, a, a2}, std::tuple{&spokeB, b, b2}})
        if (!*spoke) {
            *spoke = take<Edge>(from, to);
            mesh.addEdge(*spoke);
        }
    Face* rim = take<Face>(f.material);
    rim->corners.append(Corner{b, e, cb.u, cb.v, cb.w});
    rim->corners.append(Corner{a, spokeA, ca.u, ca.v, ca.w});
    rim->corners.append(Corner{a2, copy, ca.u, ca.v, ca.w});
    rim->corners.append(Corner{b2, spokeB, cb.u, cb.v, cb.w});
    e->faces.append(rim);
    spokeA->faces.append(rim);
    copy->faces.append(rim);
    spokeB->faces.append(rim);
    mesh.addFace(rim);
    s.rimFrom[{&f, a}] = rim;
    return rim;
}

} // namespace

bool shellObject(InnerShape& mesh, PointDirections* directions)
{
    if (mesh.faces.empty())
        return false;
    mesh.touch();
    const int vertexCount = mesh.vertices.count();
    const int edgeCount = mesh.edges.count();
    const int faceCount = mesh.faces.count();
    InnerSurface s;
    s.vertexOf.assign(static_cast<size_t>(vertexCount), nullptr);
    s.edgeOf.assign(static_cast<size_t>(edgeCount), nullptr);
    s.spokeOf.assign(static_cast<size_t>(vertexCount), nullptr);
    s.normalSum.assign(static_cast<size_t>(vertexCount), Point3D(0, 0, 0));
    for (int i = 0; i < vertexCount; ++i)
        mesh.vertices[i]->tag = i;
    for (int i = 0; i < edgeCount; ++i)
        mesh.edges[i]->tag = i;

    auto forEachContour = [](Face* f, auto&& visit) {
        visit(*f);
        for (Face* h : f->holes)
            visit(*h);
    };
    for (int i = 0; i < faceCount; ++i) {
        Face* f = mesh.faces[i];
        const Point3D n = f->computeNormal();
        forEachContour(f, [&](Face& contour) {
            for (const Corner& c : contour.corners) {
                const size_t v = static_cast<size_t>(c.vertex->tag);
                s.normalSum[v] += n;
                if (!s.vertexOf[v]) {
                    s.vertexOf[v] = take<Vertex>(c.vertex->x, c.vertex->y, c.vertex->z);
                    mesh.addVertex(s.vertexOf[v]);
                }
            }
        });
    }
    for (int i = 0; i < edgeCount; ++i) {
        Edge* e = mesh.edges[i];
        if (e->faces.empty())
            continue;
        Edge* copy = take<Edge>(s.vertexOf[static_cast<size_t>(e->startVertex->tag)],
                                s.vertexOf[static_cast<size_t>(e->endVertex->tag)]);
        copy->set(Geometry::Creased, e->has(Geometry::Creased));
        copy->set2(Geometry::UVSeam, e->has2(Geometry::UVSeam));
        s.edgeOf[static_cast<size_t>(i)] = copy;
        mesh.addEdge(copy);
    }
    if (directions)
        for (int i = 0; i < vertexCount; ++i)
            if (s.vertexOf[static_cast<size_t>(i)])
                directions->addPoint(s.vertexOf[static_cast<size_t>(i)], s.normalSum[static_cast<size_t>(i)].normalized() * -1.0f);

    // The inner surface: every face copied onto the copies, then reversed to face inwards.
    for (int i = 0; i < faceCount; ++i) {
        Face* f = mesh.faces[i];
        Face* copy = take<Face>(f->material);
        copyContour(*f, *copy, s);
        for (const Face* h : f->holes) {
            Face* hole = take<Face>(f->material);
            copyContour(*h, *hole, s);
            copy->holes.append(hole);
        }
        copy->reverse();
        forEachContour(copy, [&](Face& contour) {
            for (const Corner& c : contour.corners)
                if (c.edge)
                    c.edge->faces.append(copy);
        });
        mesh.addFace(copy);
        s.faces.push_back({f, copy});
    }
    // Rims on the open borders.
    std::vector<Face*> rims;
    for (int i = 0; i < faceCount; ++i) {
        Face* f = mesh.faces[i];
        forEachContour(f, [&](Face& contour) {
            for (int k = 0; k < contour.cornerCount(); ++k) {
                const Edge* e = contour.corners[k].edge;
                if (e && e->faces.count() == 1)
                    rims.push_back(rimQuad(mesh, s, *f, contour, k));
            }
        });
    }
    for (Face* rim : rims) {
        rim->computeNormal();
        for (const Corner& c : rim->corners)
            c.edge->set(Geometry::Boundary, c.edge->faces.count() == 1);
    }
    for (Edge* copy : s.edgeOf)
        if (copy)
            copy->set(Geometry::Boundary, copy->faces.count() == 1);

    if (mesh.hasSymmetry()) {
        // Copies start on top of the originals: partners come from the
        // construction, the copy of x mirroring the copy of x's partner.
        for (int i = 0; i < vertexCount; ++i) {
            Vertex* copy = s.vertexOf[static_cast<size_t>(i)];
            const Vertex* m = mesh.vertices[i]->mirror;
            if (copy && m && m->tag >= 0 && m->tag < vertexCount && mesh.vertices[m->tag] == m) {
                copy->mirror = s.vertexOf[static_cast<size_t>(m->tag)];
                copy->set2(Geometry::OnPlane, copy->mirror == copy);
            }
        }
        std::map<const Face*, Face*> copyOf(s.faces.begin(), s.faces.end());
        for (auto [f, copy] : s.faces)
            if (f->mirror && copyOf.count(f->mirror))
                copy->mirror = copyOf[f->mirror];
        // The rim from a to b mirrors the partner face's rim from b's partner.
        for (const auto& [key, rim] : s.rimFrom) {
            const Vertex* b = rim->corners[0].vertex;
            if (!key.first->mirror || !b->mirror)
                continue;
            auto across = s.rimFrom.find({key.first->mirror, b->mirror});
            if (across != s.rimFrom.end())
                rim->mirror = across->second;
        }
    }
    if (directions)
        directions->finishObject(mesh);
    return true;
}

bool shellObject(Shape& object, PointDirections* directions)
{
    if (object.faces.empty())
        return false;
    return editKeepingPartners(object, [&](InnerShape& mesh) { return shellObject(mesh, directions); });
}
