#include "Mesh/Topology/ExtrudeRegions.h"

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/RegionNormals.h"
#include "Mesh/Topology/PartnersByConstruction.h"
#include "Mesh/Topology/PassNumber.h"

namespace {

// One contour (the outer one or a hole) of an extruded face. Its corners
// are numbered first, first + 1, … in one numbering over all contours.
struct Contour {
    Face* owner;
    Face* contour;
    int first;
};

// The corners of one vertex that rise together: corners of region faces at
// the same old vertex, joined across the region's inner edges.
struct Fan {
    Vertex* old = nullptr;
    Vertex* top = nullptr;    // the vertex the fan's corners use afterwards
    Edge* side = nullptr;     // from `top` down to `old`, when the fan comes off
    Point3D normalSum{0, 0, 0};
    bool onWall = false;      // some corner touches a wall edge: the fan comes off
};

class RegionExtrusion {
public:
    RegionExtrusion(InnerShape& mesh, int32_t pass) : mesh_(mesh), pass_(pass) {}

    void enlist(Face* f)
    {
        if (!f || f->tag == pass_ || f->cornerCount() < 3)
            return;
        f->tag = pass_;
        f->computeNormal();
        firstContour_[f] = static_cast<int>(contours_.size());
        addContour(f, f);
        for (Face* h : f->holes)
            if (h->cornerCount() >= 3)
                addContour(f, h);
        ++faces_;
    }

    int faceCount() const { return faces_; }

    // Joins the corners on both sides of every inner edge into fans.
    void joinFans()
    {
        parent_.resize(static_cast<size_t>(corners_));
        for (int i = 0; i < corners_; ++i)
            parent_[static_cast<size_t>(i)] = i;
        for (const Contour& c : contours_) {
            const int n = c.contour->cornerCount();
            for (int k = 0; k < n; ++k) {
                Edge* e = c.contour->corners[k].edge;
                if (!isInner(e))
                    continue;
                const int here = c.first + k;
                const int other = otherCornerOn(e, here);
                if (other < 0)
                    continue;
                const int next = c.first + (k + 1) % n;
                const int otherNext = nextCorner(other);
                if (vertexAt(other) == vertexAt(here)) {
                    unite(here, other);
                    unite(next, otherNext);
                } else {
                    unite(here, otherNext);
                    unite(next, other);
                }
            }
        }
    }

    // New vertices and side edges for the fans that come off; directions
    // for every fan.
    void raiseFans(PointDirections* directions)
    {
        fans_.resize(static_cast<size_t>(corners_));
        for (const Contour& c : contours_) {
            const int n = c.contour->cornerCount();
            for (int k = 0; k < n; ++k) {
                Fan& fan = fans_[static_cast<size_t>(find(c.first + k))];
                fan.old = c.contour->corners[k].vertex;
                fan.normalSum += c.owner->normal;
                fan.onWall = fan.onWall || !isInner(c.contour->corners[k].edge) ||
                             !isInner(c.contour->corners[(k + n - 1) % n].edge);
            }
        }
        for (int i = 0; i < corners_; ++i) {
            Fan& fan = fans_[static_cast<size_t>(i)];
            if (find(i) != i)
                continue;
            const Point3D direction = fan.normalSum.normalized();
            if (!fan.onWall) {
                // An inner vertex of its region is shared by region faces
                // only: it rises itself.
                fan.top = fan.old;
                if (directions && fan.old->tag != pass_)
                    directions->addPoint(fan.old, direction);
                fan.old->tag = pass_;
                continue;
            }
            fan.top = take<Vertex>(fan.old->x, fan.old->y, fan.old->z);
            fan.side = take<Edge>(fan.top, fan.old);
            mesh_.addVertex(fan.top);
            mesh_.addEdge(fan.side);
            if (directions)
                directions->addPoint(fan.top, direction);
        }
    }

    // Walls on the boundary edges, top edges for the region, and every
    // region corner moved onto its fan's vertex.
    void buildWalls()
    {
        std::vector<Vertex*> oldVertex(static_cast<size_t>(corners_));
        for (const Contour& c : contours_)
            for (int k = 0; k < c.contour->cornerCount(); ++k)
                oldVertex[static_cast<size_t>(c.first + k)] = c.contour->corners[k].vertex;
        for (const Contour& c : contours_) {
            const int n = c.contour->cornerCount();
            for (int k = 0; k < n; ++k) {
                Corner& corner = c.contour->corners[k];
                const Corner& nextCorner = c.contour->corners[(k + 1) % n];
                const Fan& a = fanOf(c.first + k);
                const Fan& b = fanOf(c.first + (k + 1) % n);
                Edge* e = corner.edge;
                if (isInner(e)) {
                    // Shared by two region faces, whose corners agree on the fans.
                    if (e->tag != pass_) {
                        const bool forward = e->startVertex == oldVertex[static_cast<size_t>(c.first + k)];
                        e->startVertex = forward ? a.top : b.top;
                        e->endVertex = forward ? b.top : a.top;
                        e->tag = pass_;
                    }
                    continue;
                }
                Edge* top = take<Edge>(a.top, b.top);
                Face* wall = take<Face>(c.owner->material);
                wall->corners.append(Corner{a.old, e, corner.u, corner.v, corner.w});
                wall->corners.append(Corner{b.old, b.side, nextCorner.u, nextCorner.v, nextCorner.w});
                wall->corners.append(Corner{b.top, top, nextCorner.u, nextCorner.v, nextCorner.w});
                wall->corners.append(Corner{a.top, a.side, corner.u, corner.v, corner.w});
                if (e) {
                    e->faces.removeOne(c.owner);
                    e->faces.append(wall);
                    // A crease or seam on the region's rim stays at the bottom
                    // and repeats at the top.
                    top->set(Geometry::Creased, e->has(Geometry::Creased));
                    top->set2(Geometry::UVSeam, e->has2(Geometry::UVSeam));
                }
                b.side->faces.append(wall);
                top->faces.append(wall);
                top->faces.append(c.owner);
                a.side->faces.append(wall);
                mesh_.addEdge(top);
                mesh_.addFace(wall);
                corner.edge = top;
                walls_.push_back({c.owner, a.old, wall});
            }
        }
        for (const Contour& c : contours_)
            for (int k = 0; k < c.contour->cornerCount(); ++k)
                c.contour->corners[k].vertex = fanOf(c.first + k).top;
        for (const Fan& fan : fans_)
            if (fan.side)
                fan.side->set(Geometry::Boundary, fan.side->faces.count() == 1);
        for (const Wall& w : walls_)
            w.face->computeNormal();
    }

    // The faces the new points belong to: the region's and its walls.
    void nameChangedFaces(PointDirections& directions) const
    {
        const Face* last = nullptr;
        for (const Contour& c : contours_)
            if (c.owner != last) {
                directions.addChangedFace(c.owner);
                last = c.owner;
            }
        for (const Wall& w : walls_)
            directions.addChangedFace(w.face);
    }

    // New points and walls start on top of old ones, so partners come from
    // the construction: the fan vertex of (face, v) mirrors that of
    // (face's partner, v's partner), and the wall standing on the edge from v
    // mirrors the partner face's wall from the partner of the edge's other
    // end (reflection reverses the winding).
    void pairAcrossThePlane()
    {
        std::map<std::pair<const Face*, const Vertex*>, const Fan*> fanAt;
        std::map<std::pair<const Face*, const Vertex*>, Face*> wallFrom;
        for (const Contour& c : contours_)
            for (int k = 0; k < c.contour->cornerCount(); ++k) {
                const Fan& fan = fanOf(c.first + k);
                fanAt[{c.owner, fan.old}] = &fan;
            }
        for (const Wall& w : walls_)
            wallFrom[{w.owner, w.start}] = w.face;
        for (const auto& [key, fan] : fanAt) {
            if (fan->top == fan->old || !fan->old->mirror)
                continue;
            auto across = fanAt.find({key.first->mirror, fan->old->mirror});
            if (across == fanAt.end())
                continue;
            fan->top->mirror = across->second->top;
            fan->top->set2(Geometry::OnPlane, fan->top->mirror == fan->top);
        }
        for (const Wall& w : walls_) {
            Vertex* end = w.face->corners[1].vertex;
            if (!end->mirror)
                continue;
            auto across = wallFrom.find({w.owner->mirror, end->mirror});
            if (across != wallFrom.end())
                w.face->mirror = across->second;
        }
    }

private:
    struct Wall {
        Face* owner;
        Vertex* start; // the old vertex the wall's bottom edge starts from
        Face* face;
    };

    void addContour(Face* owner, Face* contour)
    {
        contours_.push_back({owner, contour, corners_});
        corners_ += contour->cornerCount();
        for (int k = 0; k < contour->cornerCount(); ++k)
            contourOfCorner_.push_back(static_cast<int>(contours_.size()) - 1);
    }

    // Shared by exactly two region faces (a face folded onto itself counts).
    bool isInner(const Edge* e) const
    {
        return e && e->faces.count() == 2 && e->faces[0]->tag == pass_ && e->faces[1]->tag == pass_;
    }

    Vertex* vertexAt(int corner) const
    {
        const Contour& c = contours_[static_cast<size_t>(contourOfCorner_[static_cast<size_t>(corner)])];
        return c.contour->corners[corner - c.first].vertex;
    }

    int nextCorner(int corner) const
    {
        const Contour& c = contours_[static_cast<size_t>(contourOfCorner_[static_cast<size_t>(corner)])];
        return c.first + (corner - c.first + 1) % c.contour->cornerCount();
    }

    // The other corner (of any contour of e's other face) whose edge is e.
    int otherCornerOn(const Edge* e, int here) const
    {
        const Face* owner = contours_[static_cast<size_t>(contourOfCorner_[static_cast<size_t>(here)])].owner;
        const Face* other = e->faces[0] == owner ? e->faces[1] : e->faces[0];
        auto first = firstContour_.find(other);
        if (first == firstContour_.end())
            return -1;
        for (size_t i = static_cast<size_t>(first->second); i < contours_.size() && contours_[i].owner == other; ++i) {
            const Contour& c = contours_[i];
            for (int k = 0; k < c.contour->cornerCount(); ++k)
                if (c.contour->corners[k].edge == e && c.first + k != here)
                    return c.first + k;
        }
        return -1;
    }

    int find(int i)
    {
        while (parent_[static_cast<size_t>(i)] != i) {
            parent_[static_cast<size_t>(i)] = parent_[static_cast<size_t>(parent_[static_cast<size_t>(i)])];
            i = parent_[static_cast<size_t>(i)];
        }
        return i;
    }
    void unite(int a, int b) { parent_[static_cast<size_t>(find(a))] = find(b); }
    const Fan& fanOf(int corner) { return fans_[static_cast<size_t>(find(corner))]; }

    InnerShape& mesh_;
    const int32_t pass_;
    int faces_ = 0;
    int corners_ = 0;
    std::vector<Contour> contours_;
    std::vector<int> contourOfCorner_;
    std::unordered_map<const Face*, int> firstContour_;
    std::vector<int> parent_;
    std::vector<Fan> fans_; // indexed by a fan's root corner
    std::vector<Wall> walls_;
};

} // namespace

int extrudeFaceRegions(InnerShape& mesh, const List<Face*>& faces, PointDirections* directions)
{
    mesh.touch();
    RegionExtrusion extrusion(mesh, nextPassNumber());
    for (Face* f : faces) {
        extrusion.enlist(f);
        if (f && mesh.hasSymmetry())
            extrusion.enlist(f->mirror);
    }
    extrusion.joinFans();
    extrusion.raiseFans(directions);
    extrusion.buildWalls();
    if (mesh.hasSymmetry())
        extrusion.pairAcrossThePlane();
    if (directions) {
        extrusion.nameChangedFaces(*directions);
        directions->finishObject(mesh);
    }
    return extrusion.faceCount();
}

int extrudeFaceRegions(Shape& object, const List<Face*>& faces, PointDirections* directions)
{
    // The region and its walls are all that changed shape: the update after
    // the edit need not visit the rest of a big object.
    NamingFaces named(directions);
    object.touch();
    const int made = extrudeFaceRegions(static_cast<InnerShape&>(object), faces, &named);
    topologyChangedKeepingPartners(object);
    RegionNormals changed;
    changed.setFaces(named.takeFaces());
    updateObjectRegion(object, changed);
    return made;
}
