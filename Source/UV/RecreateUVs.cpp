#include "RecreateUVs.h"

#include <cmath>
#include <numbers>
#include <unordered_map>
#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Primitives/PrimitiveConstruction.h"
#include "Mesh/TextureProxy.h"
#include "ProxyBuild.h"
#include "UVLayout.h"
#include "UnwrapIslands.h"

namespace {

// Groups of faces whose normals lie within `degrees` of the normal of the
// group's first face, grown across shared edges. Leaves each face's `tag`
// at its group number.
void tagPlanarRegions(Shape& owner, const List<Face*>& faces, float degrees)
{
    for (Face* f : owner.faces)
        f->tag = -1; // not to be grouped
    for (Face* f : faces)
        f->tag = -2; // in the list, no group yet
    const float cosine = std::cos(degrees * std::numbers::pi_v<float> / 180.0f);
    int group = 0;
    for (Face* seed : faces) {
        if (seed->tag != -2)
            continue;
        const Point3D n = seed->normal;
        std::vector<Face*> open{seed};
        seed->tag = group;
        while (!open.empty()) {
            Face* f = open.back();
            open.pop_back();
            for (const Corner& c : f->corners) {
                if (!c.edge)
                    continue;
                for (Face* g : c.edge->faces) {
                    if (g->tag != -2)
                        continue;
                    if (g->normal.x * n.x + g->normal.y * n.y + g->normal.z * n.z >= cosine) {
                        g->tag = group;
                        open.push_back(g);
                    }
                }
            }
        }
        ++group;
    }
}

bool sameRegion(const Edge&, const Face& a, int, const Face& b, int)
{
    return a.tag == b.tag;
}

bool joinNever(const Edge&, const Face&, int, const Face&, int)
{
    return false;
}

// Corner coordinates of `faces` from the faces around them: each vertex
// that an unselected face uses takes the mean of that face's corners there;
// the others take, round by round, the mean of their known neighbours.
// False when no neighbour carries coordinates.
bool interpolateFromNeighbors(Shape& owner, const List<Face*>& faces)
{
    for (Face* f : owner.faces)
        f->tag = 0;
    for (Face* f : faces)
        f->tag = 1;
    struct Sum {
        double u = 0, v = 0;
        int count = 0;
    };
    std::unordered_map<const Vertex*, Sum> known;
    for (Face* f : owner.faces) {
        if (f->tag)
            continue;
        for (const Corner& c : f->corners) {
            Sum& s = known[c.vertex];
            s.u += c.u;
            s.v += c.v;
            ++s.count;
        }
    }
    if (known.empty())
        return false;
    std::vector<const Vertex*> unknown;
    for (Face* f : faces)
        for (const Corner& c : f->corners)
            if (!known.contains(c.vertex))
                unknown.push_back(c.vertex);
    while (!unknown.empty()) {
        std::unordered_map<const Vertex*, Sum> found;
        for (Face* f : faces) {
            for (int k = 0; k < f->cornerCount(); ++k) {
                const Vertex* v = f->cornerVertex(k);
                if (known.contains(v))
                    continue;
                for (const Vertex* w : {f->cornerVertex(k - 1), f->cornerVertex(k + 1)}) {
                    auto it = known.find(w);
                    if (it == known.end())
                        continue;
                    Sum& s = found[v];
                    s.u += it->second.u / it->second.count;
                    s.v += it->second.v / it->second.count;
                    ++s.count;
                }
            }
        }
        if (found.empty())
            break; // cut off from every known vertex: keeps its coordinates
        known.merge(found);
        std::erase_if(unknown, [&](const Vertex* v) { return known.contains(v); });
    }
    for (Face* f : faces)
        for (Corner& c : f->corners)
            if (auto it = known.find(c.vertex); it != known.end()) {
                c.u = static_cast<float>(it->second.u / it->second.count);
                c.v = static_cast<float>(it->second.v / it->second.count);
            }
    return true;
}

} // namespace

bool canUnwrapConformally(const Shape& owner)
{
    for (const Edge* e : owner.edges)
        if (e->faces.count() == 1 || e->has2(Geometry::UVSeam))
            return true;
    return false;
}

bool recreateTextureCoordinates(Shape& owner, const List<Face*>& faces, UVMethod method,
                                const UVMethodSettings& settings)
{
    switch (method) {
    case UVMethod::StoredCoordinates:
        return true;
    case UVMethod::XyzCoordinates:
        applyDefaultProjection(faces, settings.layoutSpacing);
        return true;
    case UVMethod::Neighbors:
        if (!interpolateFromNeighbors(owner, faces))
            applyDefaultProjection(faces, settings.layoutSpacing);
        return true;
    default:
        break;
    }
    CornerJoin join = joinNever;
    if (method == UVMethod::PlanarRegions) {
        tagPlanarRegions(owner, faces, settings.degreeTolerance);
        join = sameRegion;
    } else if (method == UVMethod::Lscm) {
        join = notAcrossSeam;
    }
    TextureProxy* scratch = buildProxy(owner, faces, join);
    if (!scratch)
        return false;
    if (method == UVMethod::Lscm) {
        // A flat start keeps the conjugate-gradient solve short and the
        // held vertices apart.
        projectIslandsFlat(scratch->faces);
        unwrapIslands(*scratch, scratch->faces, -1);
    } else {
        projectIslandsFlat(scratch->faces);
    }
    packIslands(scratch->faces, settings.layoutSpacing);
    writeBackTextureCoordinates(*scratch);
    scratch->release();
    return true;
}
