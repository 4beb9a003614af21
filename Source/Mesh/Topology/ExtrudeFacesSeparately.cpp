#include "Mesh/Topology/ExtrudeFacesSeparately.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Topology/PartnersByConstruction.h"
#include "Mesh/Symmetry.h"

namespace {

// What the extrusion of one face made, keyed by the old vertices.
struct ExtrudedFace {
    Face* face = nullptr;
    Face* partner = nullptr;                        // its mirror partner before the extrusion
    std::unordered_map<Vertex*, Vertex*> newOf;     // old vertex -> the new vertex above it
    std::unordered_map<Vertex*, Face*> sideFrom;    // old vertex -> the side face starting there
};

// Extrudes one contour (the outer one or a hole) of `owner`; false, with
// the contour untouched, when memory runs out before anything is linked.
bool extrudeContour(InnerShape& mesh, Face& owner, Face& contour, PointDirections* frame, ExtrudedFace& outMade)
{
    const int n = contour.cornerCount();
    std::vector<Vertex*> oldV(n), newV(n);
    std::vector<Edge*> oldE(n), topE(n), sideE(n);
    std::vector<Face*> side(n);
    for (int k = 0; k < n; ++k) {
        oldV[k] = contour.corners[k].vertex;
        oldE[k] = contour.corners[k].edge;
    }
    // Everything is taken first, so that a shortage changes nothing.
    bool ok = true;
    for (int k = 0; k < n; ++k) {
        newV[k] = take<Vertex>(oldV[k]->x, oldV[k]->y, oldV[k]->z);
        topE[k] = take<Edge>();
        sideE[k] = take<Edge>();
        side[k] = take<Face>();
        ok = ok && newV[k] && topE[k] && sideE[k] && side[k];
    }
    if (!ok) {
        for (int k = 0; k < n; ++k)
            for (Geometry* g : {static_cast<Geometry*>(newV[k]), static_cast<Geometry*>(topE[k]),
                                static_cast<Geometry*>(sideE[k]), static_cast<Geometry*>(side[k])})
                if (g)
                    g->release();
        return false;
    }

    for (int k = 0; k < n; ++k) {
        mesh.addVertex(newV[k]);
        if (frame)
            frame->addPoint(newV[k], owner.normal);
    }
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        topE[k]->startVertex = newV[k];
        topE[k]->endVertex = newV[next];
        sideE[k]->startVertex = newV[k];
        sideE[k]->endVertex = oldV[k];
        mesh.addEdge(topE[k]);
        mesh.addEdge(sideE[k]);
    }
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        Face* s = side[k];
        s->appendCorner(oldV[k], oldE[k]);
        s->appendCorner(oldV[next], sideE[next]);
        s->appendCorner(newV[next], topE[k]);
        s->appendCorner(newV[k], sideE[k]);
        if (oldE[k]) {
            oldE[k]->faces.removeOne(&owner);
            oldE[k]->faces.append(s);
        }
        sideE[next]->faces.append(s);
        topE[k]->faces.append(s);
        sideE[k]->faces.append(s);
        s->computeNormal();
        mesh.addFace(s);
        outMade.newOf[oldV[k]] = newV[k];
        outMade.sideFrom[oldV[k]] = s;
    }
    for (int k = 0; k < n; ++k) {
        contour.corners[k].vertex = newV[k];
        contour.corners[k].edge = topE[k];
        topE[k]->faces.append(&owner);
    }
    // Top edges run between F and S[k]; each side edge between two side faces.
    for (int k = 0; k < n; ++k) {
        topE[k]->set(Geometry::Boundary, topE[k]->faces.count() == 1);
        sideE[k]->set(Geometry::Boundary, sideE[k]->faces.count() == 1);
    }
    return true;
}

// New points and side faces start on top of old ones, so pairing them by
// position cannot tell them apart. Partners are set from the construction
// instead: the new vertex above v mirrors the new vertex above v's partner,
// and the side face starting at v mirrors the partner's side face starting
// at the partner of the next old vertex (reflection reverses the winding).
// Old vertices keep the partners they had.
void pairAcrossThePlane(const std::vector<ExtrudedFace>& made, const std::unordered_map<Vertex*, Vertex*>& oldMirror)
{
    std::unordered_map<const Face*, const ExtrudedFace*> byFace;
    for (const ExtrudedFace& x : made)
        byFace[x.face] = &x;
    for (const ExtrudedFace& x : made) {
        auto partner = byFace.find(x.partner);
        if (partner == byFace.end())
            continue;
        const ExtrudedFace& p = *partner->second;
        x.face->mirror = p.face;
        for (const auto& [oldV, newV] : x.newOf) {
            auto m = oldMirror.find(oldV);
            if (m == oldMirror.end() || !m->second)
                continue;
            oldV->mirror = m->second;
            oldV->set2(Geometry::OnPlane, m->second == oldV);
            auto across = p.newOf.find(m->second);
            if (across == p.newOf.end())
                continue;
            newV->mirror = across->second;
            newV->set2(Geometry::OnPlane, newV->mirror == newV);
        }
        for (const auto& [start, side] : x.sideFrom) {
            Vertex* next = side->corners[1].vertex;
            auto m = oldMirror.find(next);
            if (m == oldMirror.end())
                continue;
            auto across = p.sideFrom.find(m->second);
            if (across != p.sideFrom.end())
                side->mirror = across->second;
        }
    }
}

} // namespace

int extrudeFacesSeparately(InnerShape& mesh, const List<Face*>& faces, PointDirections* frame)
{
    mesh.touch();
    for (Face* f : mesh.faces)
        f->tag = 0;
    for (Face* f : faces) {
        if (!f)
            continue;
        f->tag = 1;
        if (mesh.hasSymmetry() && f->mirror)
            f->mirror->tag = 1;
    }
    std::vector<Face*> work;
    for (Face* f : mesh.faces)
        if (f->tag == 1 && f->cornerCount() >= 3)
            work.push_back(f);

    std::unordered_map<Vertex*, Vertex*> oldMirror;
    if (mesh.hasSymmetry())
        for (Face* f : work) {
            for (const Corner& c : f->corners)
                oldMirror[c.vertex] = c.vertex->mirror;
            for (const Face* h : f->holes)
                for (const Corner& c : h->corners)
                    oldMirror[c.vertex] = c.vertex->mirror;
        }

    std::vector<ExtrudedFace> made;
    for (Face* f : work) {
        f->computeNormal();
        ExtrudedFace record;
        record.face = f;
        record.partner = f->mirror;
        if (!extrudeContour(mesh, *f, *f, frame, record))
            continue;
        for (Face* h : f->holes)
            if (h->cornerCount() >= 3)
                extrudeContour(mesh, *f, *h, frame, record);
        made.push_back(std::move(record));
    }
    if (mesh.hasSymmetry()) {
        calculateSymmetry(mesh, mesh.mirrorPlane, MinSymmetryTolerance);
        pairAcrossThePlane(made, oldMirror);
    }
    if (frame)
        frame->finishObject(mesh);
    return static_cast<int>(made.size());
}

int extrudeFacesSeparately(Shape& object, const List<Face*>& faces, PointDirections* frame)
{
    return editKeepingPartners(
        object, [&](InnerShape& mesh) { return extrudeFacesSeparately(mesh, faces, frame); });
}
