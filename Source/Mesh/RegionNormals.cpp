#include "Mesh/RegionNormals.h"

#include <unordered_map>

#include "Mesh/Shape.h"
#include "Mesh/Topology/PassNumber.h"

void RegionNormals::findFaces(const InnerShape& mesh, std::span<Vertex* const> moved)
{
    const int32_t mark = nextPassNumber();
    for (Vertex* v : moved)
        v->tag = mark;
    faces_.clear();
    for (Face* f : mesh.faces)
        for (const Corner& c : f->corners)
            if (c.vertex->tag == mark) {
                faces_.push_back(f);
                break;
            }
    known_ = true;
    aroundKnown_ = false;
}

void RegionNormals::setFaces(std::vector<Face*> faces)
{
    faces_ = std::move(faces);
    known_ = true;
    aroundKnown_ = false;
}

void RegionNormals::findAround(const InnerShape& mesh)
{
    // The region's corners carry a pass number in their tags, so that the
    // pass over the mesh looks up only their corners.
    const int32_t mark = nextPassNumber();
    vertices_.clear();
    std::unordered_map<const Vertex*, int32_t> number;
    for (Face* f : faces_)
        for (const Corner& c : f->corners)
            if (c.vertex->tag != mark) {
                c.vertex->tag = mark;
                number.emplace(c.vertex, static_cast<int32_t>(vertices_.size()));
                vertices_.push_back(c.vertex);
            }
    aroundStart_.assign(vertices_.size() + 1, 0);
    for (Face* f : mesh.faces)
        for (const Corner& c : f->corners)
            if (c.vertex->tag == mark)
                ++aroundStart_[static_cast<size_t>(number[c.vertex]) + 1];
    for (size_t i = 1; i < aroundStart_.size(); ++i)
        aroundStart_[i] += aroundStart_[i - 1];
    around_.assign(static_cast<size_t>(aroundStart_.back()), nullptr);
    std::vector<int32_t> filled(vertices_.size(), 0);
    for (Face* f : mesh.faces)
        for (const Corner& c : f->corners)
            if (c.vertex->tag == mark) {
                const size_t i = static_cast<size_t>(number[c.vertex]);
                around_[static_cast<size_t>(aroundStart_[i] + filled[i]++)] = f;
            }
    aroundKnown_ = true;
}

void RegionNormals::update(InnerShape& mesh, bool smooth)
{
    mesh.updateStamp = InnerShape::newUpdateStamp();
    for (Face* f : faces_)
        f->computeNormal();
    if (!smooth)
        return;
    if (!aroundKnown_)
        findAround(mesh);
    for (size_t i = 0; i < vertices_.size(); ++i) {
        Point3D sum(0, 0, 0);
        for (int32_t k = aroundStart_[i]; k < aroundStart_[i + 1]; ++k)
            sum += around_[static_cast<size_t>(k)]->normal;
        const Point3D n = sum.normalized();
        Vertex* v = vertices_[i];
        v->normal[0] = n.x;
        v->normal[1] = n.y;
        v->normal[2] = n.z;
    }
}

void updateObjectRegion(Shape& object, RegionNormals& region)
{
    if (object.currentLevel() > 0 || object.levelStack.dirty || !region.hasFaces() ||
        region.faceCount() * 2 > static_cast<size_t>(object.faces.count())) {
        object.update(true, object.currentLevel() > 0, -1);
        return;
    }
    const int mode = object.levelShadingMode();
    region.update(object, mode == InnerShape::SmoothShade || mode == InnerShape::FastShade ||
                              mode == InnerShape::GhostedShade);
}
