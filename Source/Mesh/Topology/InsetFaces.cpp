#include "Mesh/Topology/InsetFaces.h"

#include <map>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/PartnersByConstruction.h"
#include "Mesh/Topology/PassNumber.h"

namespace {

// What the inset of one face made, for the pairing across the plane.
struct InsetFace {
    Face* face;
    std::vector<Vertex*> outer, inner;  // corner k's old vertex and its inner copy
    std::vector<Face*> ring;            // ring[k] stands on the side from outer[k]
};

// Face f gets inner corners at its old ones and a ring quad per side:
// ring[k] = outer[k], outer[k+1], inner[k+1], inner[k], on f's old side k.
InsetFace insetFace(InnerShape& mesh, Face& f, PointDirections* directions)
{
    const int n = f.cornerCount();
    InsetFace made{&f, std::vector<Vertex*>(n), std::vector<Vertex*>(n), std::vector<Face*>(n)};
    std::vector<Edge*> innerE(n), spoke(n);
    const Point3D centre = f.centre();
    for (int k = 0; k < n; ++k) {
        Vertex* old = f.corners[k].vertex;
        made.outer[k] = old;
        made.inner[k] = take<Vertex>(old->x, old->y, old->z);
        mesh.addVertex(made.inner[k]);
        if (directions)
            directions->addPoint(made.inner[k], (centre - *old).normalized());
    }
    for (int k = 0; k < n; ++k) {
        innerE[k] = take<Edge>(made.inner[k], made.inner[(k + 1) % n]);
        spoke[k] = take<Edge>(made.outer[k], made.inner[k]);
        mesh.addEdge(innerE[k]);
        mesh.addEdge(spoke[k]);
    }
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        const Corner& a = f.corners[k];
        const Corner& b = f.corners[next];
        Face* r = take<Face>(f.material);
        r->corners.append(Corner{made.outer[k], a.edge, a.u, a.v, a.w});
        r->corners.append(Corner{made.outer[next], spoke[next], b.u, b.v, b.w});
        r->corners.append(Corner{made.inner[next], innerE[k], b.u, b.v, b.w});
        r->corners.append(Corner{made.inner[k], spoke[k], a.u, a.v, a.w});
        if (a.edge) {
            a.edge->faces.removeOne(&f);
            a.edge->faces.append(r);
        }
        spoke[next]->faces.append(r);
        innerE[k]->faces.append(r);
        spoke[k]->faces.append(r);
        mesh.addFace(r);
        made.ring[k] = r;
    }
    for (int k = 0; k < n; ++k) {
        f.corners[k].vertex = made.inner[k];
        f.corners[k].edge = innerE[k];
        innerE[k]->faces.append(&f);
    }
    for (Face* r : made.ring)
        r->computeNormal();
    return made;
}

// Inner corners and ring quads start on top of old elements, so partners
// come from the construction: the inner copy of v mirrors the partner
// face's inner copy of v's partner, and the ring quad from v to w mirrors
// the partner's ring quad from w's partner (reflection reverses winding).
void pairAcrossThePlane(const std::vector<InsetFace>& made)
{
    std::map<std::pair<const Face*, const Vertex*>, std::pair<Vertex*, Face*>> byCorner;
    for (const InsetFace& x : made)
        for (size_t k = 0; k < x.outer.size(); ++k)
            byCorner[{x.face, x.outer[k]}] = {x.inner[k], x.ring[k]};
    for (const InsetFace& x : made) {
        const size_t n = x.outer.size();
        for (size_t k = 0; k < n; ++k) {
            Vertex* m = x.outer[k]->mirror;
            auto across = m ? byCorner.find({x.face->mirror, m}) : byCorner.end();
            if (across != byCorner.end()) {
                x.inner[k]->mirror = across->second.first;
                x.inner[k]->set2(Geometry::OnPlane, x.inner[k]->mirror == x.inner[k]);
            }
            Vertex* mNext = x.outer[(k + 1) % n]->mirror;
            auto ring = mNext ? byCorner.find({x.face->mirror, mNext}) : byCorner.end();
            if (ring != byCorner.end())
                x.ring[k]->mirror = ring->second.second;
        }
    }
}

} // namespace

int insetFaces(InnerShape& mesh, const List<Face*>& faces, PointDirections* directions)
{
    mesh.touch();
    const int32_t pass = nextPassNumber();
    std::vector<Face*> work;
    auto enlist = [&](Face* f) {
        if (!f || f->tag == pass || f->cornerCount() < 3 || !f->holes.empty())
            return;
        f->tag = pass;
        work.push_back(f);
    };
    for (Face* f : faces) {
        enlist(f);
        if (f && mesh.hasSymmetry())
            enlist(f->mirror);
    }
    std::vector<InsetFace> made;
    made.reserve(work.size());
    for (Face* f : work)
        made.push_back(insetFace(mesh, *f, directions));
    if (mesh.hasSymmetry())
        pairAcrossThePlane(made);
    if (directions)
        directions->finishObject(mesh);
    return static_cast<int>(made.size());
}

int insetFaces(Shape& object, const List<Face*>& faces, PointDirections* directions)
{
    return editKeepingPartners(object, [&](InnerShape& mesh) { return insetFaces(mesh, faces, directions); });
}
