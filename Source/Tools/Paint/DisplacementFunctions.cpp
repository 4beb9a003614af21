#include <algorithm>
#include <cstdlib>

#include "Mesh/Face.h"
#include "Mesh/InnerShape.h"
#include "Mesh/Vertex.h"
#include "Tools/Paint/DisplacementFunction.h"
#include "Tools/Paint/LevelAdjacency.h"

namespace {

const Vertex& vertexAt(const DabContext& dab, int i) { return *dab.mesh->vertices[i]; }
Point3D positionOf(const DabContext& dab, int i) { return Point3D(&vertexAt(dab, i)); }

// The vertex normal as a smooth update finds it, from the face normals
// around the vertex; flat shading keeps no vertex normals of its own.
Point3D vertexNormal(const DabContext& dab, int i)
{
    Point3D sum(0, 0, 0);
    for (int32_t f : dab.adjacency->facesAround(i))
        sum += dab.mesh->faces[f]->normal;
    return sum.normalized();
}

} // namespace

float DisplacementFunction::factor(const DabContext& dab, const GatheredVertex& g) const
{
    const float f = vertexAt(dab, g.index).paintWeight * g.strength;
    return clampsFactor() ? std::min(f, 1.0f) : f;
}

void DisplacementPush::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    const Point3D n = dab.second ? dab.direction * -1.0f : dab.direction;
    for (const GatheredVertex& g : dab.gathered)
        outMoves.push_back({g.index, n * factor(dab, g)});
}

void DisplacementSmooth::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    std::vector<int32_t> around;
    for (const GatheredVertex& g : dab.gathered) {
        dab.adjacency->neighbours(g.index, around);
        if (around.empty())
            continue;
        const Point3D p = positionOf(dab, g.index);
        const float f = factor(dab, g);
        if (dab.second) {
            auto component = [] { return static_cast<float>(std::rand() % 1000 - 500) * 0.002f; };
            const Point3D r(component(), component(), component());
            const float side = p.distance(positionOf(dab, around[0]));
            outMoves.push_back({g.index, r * (0.1f * side * f)});
            continue;
        }
        Point3D mean(0, 0, 0);
        for (int32_t n : around)
            mean += positionOf(dab, n);
        mean = mean * (1.0f / static_cast<float>(around.size()));
        outMoves.push_back({g.index, (mean - p) * f});
    }
}

void DisplacementPinch::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    for (const GatheredVertex& g : dab.gathered) {
        const Point3D to = dab.second ? vertexNormal(dab, g.index) : dab.point - positionOf(dab, g.index);
        outMoves.push_back({g.index, to * factor(dab, g)});
    }
}

void DisplacementFlatten::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    if (!planeSet_ || dab.firstDab) {
        planePoint_ = dab.point;
        planeNormal_ = dab.direction;
        planeSet_ = true;
    }
    for (const GatheredVertex& g : dab.gathered) {
        const Point3D p = positionOf(dab, g.index);
        const Point3D onPlane = p - planeNormal_ * (p - planePoint_).dot(planeNormal_);
        const Point3D target = (p + onPlane) * 0.5f;
        outMoves.push_back({g.index, (target - p) * factor(dab, g)});
    }
}

void DisplacementSmudge::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    for (const GatheredVertex& g : dab.gathered)
        outMoves.push_back({g.index, dab.strokeVector * factor(dab, g)});
}

void DisplacementMove::apply(const DabContext& dab, std::vector<VertexMove>& outMoves)
{
    if (!capturedAny_ || dab.firstDab) {
        captured_.clear();
        for (const GatheredVertex& g : dab.gathered)
            captured_.push_back({g.index, positionOf(dab, g.index), factor(dab, g)});
        startPoint_ = dab.point;
        startDirection_ = dab.direction;
        capturedAny_ = true;
        return;
    }
    const Point3D offset = dab.second ? startDirection_ * dab.normalTravel : dab.point - startPoint_;
    for (const Captured& c : captured_) {
        if (c.index >= dab.mesh->vertices.count())
            continue;
        const Point3D target = c.start + offset * c.factor;
        outMoves.push_back({c.index, target - positionOf(dab, c.index)});
    }
}

std::vector<std::unique_ptr<DisplacementFunction>> makeDisplacementFunctions()
{
    std::vector<std::unique_ptr<DisplacementFunction>> all;
    all.push_back(std::make_unique<DisplacementPush>());
    all.push_back(std::make_unique<DisplacementSmooth>());
    all.push_back(std::make_unique<DisplacementPinch>());
    all.push_back(std::make_unique<DisplacementFlatten>());
    all.push_back(std::make_unique<DisplacementSmudge>());
    all.push_back(std::make_unique<DisplacementMove>());
    return all;
}
